// The two windows and the flow between them: start-up, the language choice, MAIN,
// QUIT and both close boxes.
#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "gui/interface_texts.h"
#include "gui/run_dialog.h"
#include "tests/ui/ui_fixture.h"

namespace orv::test {

class WindowFlowTest : public QObject {
  Q_OBJECT
  UiFixture f;

 private slots:
  void init() { f.Init(); }
  void cleanup() { f.Cleanup(); }

  // Run on screens of 1280 x 1024, 1366 x 768 and, scaled by 2, 683 x 384 pixels.
  // Unscaled, the offscreen windows have a frame of 2 pixels all round: the main
  // window is 1012 x 699 pixels in all, the start window 772 x 503, so on the laptop
  // screen the main window moves up to 768 - 699 = 69; on the scaled one both windows
  // are larger than the screen and go to its top left. The error box and the progress dialog lie inside the
  // screen.
  void windowsFitTheScreen() {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QPoint start, main;
    if (area.size() == QSize(1280, 1024)) {
      start = {237, 199};
      main = {206, 128};
    } else if (area.size() == QSize(1366, 768)) {
      start = {237, 199};
      main = {206, 69};
    } else if (area.size() == QSize(683, 384)) {
      start = main = {0, 0};
    } else {
      QSKIP("a screen of a size this test does not know");
    }
    f.Cleanup();
    f.Init(true);
    QCOMPARE(f.form1->pos(), start);
    f.ChooseLanguage(2);
    QCOMPARE(f.form2->pos(), main);
    if (area.width() >= 1012) QVERIFY(area.contains(f.form2->frameGeometry()));

    f.form2->edV0->setText("x");
    f.ExpectBox();
    f.form2->Button1->click();
    QCOMPARE(f.SeenBoxes().size(), 1);
    QVERIFY2(area.contains(f.SeenBoxes()[0].frame), qPrintable(QString("%1,%2 %3x%4")
                                                                   .arg(f.SeenBoxes()[0].frame.x())
                                                                   .arg(f.SeenBoxes()[0].frame.y())
                                                                   .arg(f.SeenBoxes()[0].frame.width())
                                                                   .arg(f.SeenBoxes()[0].frame.height())));

    RunDialog dialog(f.form2.get(), Language::kEnglish);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(area.contains(dialog.frameGeometry()));
  }

  void startWindowShowsPicturesLanguageGroupAndQuit() {
    TForm1& w = *f.form1;
    QCOMPARE(w.windowTitle(), QString("ORVANTIS vers.1.1 (Beta)"));
    QCOMPARE(w.size(), QSize(768, 499));
    QCOMPARE(w.pos(), QPoint(237, 199));
    QCOMPARE(w.Image1->geometry(), QRect(224, 112, 313, 193));
    QCOMPARE(w.Image2->geometry(), QRect(-8, 0, 777, 513));
    QCOMPARE(w.Button1->geometry(), QRect(712, 72, 44, 41));
    QCOMPARE(w.RadioSprach->geometry(), QRect(344, 112, 57, 121));
    QCOMPARE(w.Image1->Picture().size(), QSize(314, 193));
    QCOMPARE(w.Image2->Picture().size(), QSize(780, 500));
    QCOMPARE(w.Button1->text(), QString("QUIT"));
    QCOMPARE(w.Button1->font().pixelSize(), 9);
    QVERIFY(w.Button1->font().bold());
    const char* items[] = {"Ru", "De", "En"};
    for (int i = 0; i < 3; ++i) {
      QCOMPARE(w.RadioItems[i]->text(), QString(items[i]));
      QVERIFY(!w.RadioItems[i]->isChecked());
    }
    QVERIFY(w.Image1->isVisible() && w.Image2->isVisible() && w.RadioSprach->isVisible());
    QVERIFY(!f.form2->isVisible());
    QCOMPARE(f.sprache.LanguageNo, 0);
    // The language picture lies over the background, under the group and QUIT.
    QCOMPARE(UiFixture::ReceiverAt(&w, {300, 200}), w.Image1);
    QCOMPARE(UiFixture::ReceiverAt(&w, {100, 300}), w.Image2);
    QCOMPARE(UiFixture::ReceiverAt(&w, {734, 92}), w.Button1);
  }

  // Qt's own buttons and dialogs speak the chosen language too (Qt's translations).
  void eachItemSetsItsLanguageNumber_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("Ru") << 0 << 1 << QString::fromUtf8("Отмена");
    QTest::newRow("De") << 1 << 2 << QString("Abbrechen");
    QTest::newRow("En") << 2 << 3 << QString("Cancel");
  }
  void eachItemSetsItsLanguageNumber() {
    QFETCH(int, item);
    QFETCH(int, language);
    QFETCH(QString, cancel);
    f.ChooseLanguage(item);
    QCOMPARE(f.sprache.LanguageNo, language);
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text().remove('&'), cancel);
  }

  void languageChoiceHidesTheGroupStoresDefaultsAndShowsTheMainWindow() {
    f.ChooseLanguage(2);
    QVERIFY(!f.form1->Image1->isVisible());
    QVERIFY(!f.form1->RadioSprach->isVisible());
    QVERIFY(f.form1->isVisible());
    QVERIFY(f.form2->isVisible());
    const PresetRecord& p = f.sprache.PresetData;
    QCOMPARE(p[5], 0.18);
    QCOMPARE(p[6], 0.00005);
    QCOMPARE(p[12], 30.2);
    QCOMPARE(p[19], 0.0001);
    // The activation has run: the fields show the defaults.
    QCOMPARE(f.state->fd.V0(), 30.2);
    QCOMPARE(f.errors, QStringList());
  }

  void quitEndsTheProgramAlsoWithTheMainWindowOpen() {
    f.ChooseLanguage(2);
    f.Activate(f.form1.get());
    QTest::mouseClick(f.form1->Button1, Qt::LeftButton);
    QVERIFY(!f.form1->isVisible());
    QVERIFY(!f.form2->isVisible());
  }

  void startWindowCloseBoxActsAsQuit() {
    f.ChooseLanguage(1);
    QVERIFY(f.form1->close());
    QVERIFY(!f.form1->isVisible());
    QVERIFY(!f.form2->isVisible());
  }

  void closingTheStartWindowEndsTheMessageLoop_data() {
    QTest::addColumn<bool>("byQuit");
    QTest::newRow("QUIT") << true;
    QTest::newRow("close box") << false;
  }
  void closingTheStartWindowEndsTheMessageLoop() {
    QFETCH(bool, byQuit);
    f.ChooseLanguage(2);
    QVERIFY(f.form2->isVisible());
    QTimer::singleShot(0, [&] {
      if (byQuit)
        QTest::mouseClick(f.form1->Button1, Qt::LeftButton);
      else
        f.form1->close();
    });
    // Only there so that a broken exit cannot hang the test.
    QTimer failsafe;
    failsafe.setSingleShot(true);
    QObject::connect(&failsafe, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    failsafe.start(20000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!f.form2->isVisible());
  }

  void mainWindowCloseBoxOnlyHidesIt() {
    f.ChooseLanguage(1);
    QVERIFY(f.form2->close());
    QVERIFY(!f.form2->isVisible());
    QVERIFY(f.form1->isVisible());
    QVERIFY(!f.form1->RadioSprach->isVisible());
    QVERIFY(!f.form1->Image1->isVisible());
  }

  void mainBlanksTheChartAreaAndReturnsToTheStartWindow() {
    f.ChooseLanguage(0);
    QTest::mouseClick(f.form2->Button5, Qt::LeftButton);
    QVERIFY(!f.form2->isVisible());
    QVERIFY(f.form1->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(f.form1.get()));
    const QImage& picture = f.form2->Image1->Picture();
    QCOMPARE(picture.size(), QSize(770, 515));
    for (QPoint p : {QPoint(0, 0), QPoint(769, 514), QPoint(385, 250)})
      QCOMPARE(picture.pixel(p), qRgb(255, 255, 255));
    // Only the background and QUIT are left: the language group stays hidden.
    QVERIFY(!f.form1->RadioSprach->isVisible());
    QVERIFY(!f.form1->Image1->isVisible());
    QCOMPARE(UiFixture::ReceiverAt(f.form1.get(), {372, 160}), f.form1->Image2);
    QCOMPARE(f.errors, QStringList());
  }

  void mainPutsTheChartAreaOverTheEmblem() {
    f.ChooseLanguage(2);
    f.form2->Image3->show();
    QCOMPARE(UiFixture::ReceiverAt(f.form2.get(), {900, 240}), f.form2->Image3);
    QTest::mouseClick(f.form2->Button5, Qt::LeftButton);
    QCOMPARE(UiFixture::ReceiverAt(f.form2.get(), {900, 240}), f.form2->Image1);
  }
};

}  // namespace orv::test

QTEST_MAIN(orv::test::WindowFlowTest)
#include "window_flow_test.moc"
