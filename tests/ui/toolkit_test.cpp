// The Qt side of the toolkit: the JPEG decoder, the error box and the guard, the
// two-layer stacking, the decimal separator, the signals that end the program and
// the input block of a run.
#include <QApplication>
#include <QBuffer>
#include <QDialog>
#include <QEventLoop>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <stdexcept>

#include "base/errors.h"
#include "gui/interface_texts.h"
#include "tests/ui/ui_fixture.h"
#include "toolkit/edit_field.h"
#include "toolkit/error_box.h"
#include "toolkit/input_block.h"
#include "toolkit/jpeg_picture.h"
#include "toolkit/quit_on_signal.h"
#include "toolkit/screen_place.h"
#include "toolkit/window_icon.h"
#include "toolkit/z_order.h"

namespace orv::test {
namespace {

QByteArray Resource(const char* path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Largest difference of any colour channel between two pictures of the same size,
// away from column `edge` where the halved colour resolution blends the two sides.
int MaxChannelDifference(const QImage& a, const QImage& b, int edge = -100) {
  int worst = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      if (std::abs(x - edge) < 4) continue;
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                        std::abs(qBlue(p) - qBlue(q))});
    }
  return worst;
}

}  // namespace

class ToolkitTest : public QObject {
  Q_OBJECT
  UiFixture f;

 private slots:
  // The whole frame, title bar included, at the designed place where it fits, else
  // at the nearest place that fits; a dialog's frame centred over its parent's.
  void placesCountTheWindowManagersFrame() {
    const QMargins titleBar(1, 24, 1, 1);
    const struct {
      QRect area;
      QSize client;
      QMargins frame;
      QPoint designed, placed;
    } cases[] = {
        {{0, 0, 1280, 1024}, {1000, 670}, titleBar, {206, 128}, {206, 128}},  // fits as designed
        {{0, 0, 1366, 768}, {1000, 670}, titleBar, {206, 128}, {206, 73}},    // 768 - 695: the frame counts
        {{0, 0, 1366, 768}, {1000, 670}, {}, {206, 128}, {206, 98}},
        {{0, 27, 1366, 741}, {1000, 670}, titleBar, {206, 10}, {206, 27}},  // below a panel
        {{0, 0, 1366, 768}, {1000, 670}, titleBar, {500, 0}, {364, 0}},     // 1366 - 1002
        {{0, 0, 683, 384}, {1000, 670}, titleBar, {206, 128}, {0, 0}},      // larger than the screen
        {{1366, 0, 1280, 1024}, {400, 300}, titleBar, {1300, -50}, {1366, 0}},
    };
    for (const auto& c : cases) QCOMPARE(PlaceInArea(c.area, c.client, c.frame, c.designed), c.placed);
    QCOMPARE(CentredOver({100, 100, 1000, 700}, {300, 100}, {2, 2, 2, 2}), QPoint(448, 398));

    QWidget parent;
    parent.setGeometry(150, 120, 800, 600);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QDialog dialog(&parent);
    dialog.resize(300, 120);
    CentreOverParent(&dialog);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCoreApplication::processEvents();
    const QPoint offset = dialog.frameGeometry().center() - parent.frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QString("%1,%2").arg(offset.x()).arg(offset.y())));
  }

  void decodesTheEmbeddedPicturesAtTheirSizes() {
    const std::pair<const char*, QSize> pictures[] = {{":/pictures/background.jpg", {780, 500}},
                                                      {":/pictures/language.jpg", {314, 193}},
                                                      {":/pictures/emblem.jpg", {90, 41}}};
    for (auto [path, size] : pictures) {
      const QImage image = DecodeJpeg(Resource(path));
      QCOMPARE(image.size(), size);
      QCOMPARE(image.format(), QImage::Format_RGB32);
    }
    QCOMPARE(LoadPicture(":/pictures/sketch.png").size(), QSize(271, 146));
  }

  void decodesTheSameColoursAsAnotherDecoder() {
    if (!QImageReader::supportedImageFormats().contains("jpeg"))
      QSKIP("Qt's own JPEG reader is not installed");
    // A picture with known flat colours, written by Qt's encoder at full quality.
    QImage source(64, 32, QImage::Format_RGB32);
    source.fill(QColor(200, 30, 40));
    for (int y = 0; y < 32; ++y)
      for (int x = 32; x < 64; ++x) source.setPixel(x, y, qRgb(20, 90, 220));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(source.save(&buffer, "JPEG", 100));
    const QImage decoded = DecodeJpeg(bytes);
    QCOMPARE(decoded.size(), source.size());
    QVERIFY(MaxChannelDifference(decoded, source, 32) <= 6);
    QImage reference;
    QVERIFY(reference.loadFromData(bytes, "JPEG"));
    QVERIFY(MaxChannelDifference(decoded, reference.convertToFormat(QImage::Format_RGB32)) <= 1);
  }

  // The window icon carries every size the menu entry installs, each a full square
  // picture: the rim's corner is transparent, its middle opaque.
  void theProgramIconComesInEverySize() {
    const QIcon icon = ProgramIcon();
    QCOMPARE(icon.availableSizes(), (QList<QSize>{{48, 48}, {128, 128}, {256, 256}}));
    for (int size : {48, 128, 256}) {
      const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
      QCOMPARE(image.size(), QSize(size, size));
      QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
      QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
    }
  }

  void rejectsWhatIsNotAJpeg() {
    for (const QByteArray& data :
         {QByteArray(), QByteArray("not a picture at all"), Resource(":/pictures/sketch.png")}) {
      try {
        DecodeJpeg(data);
        QFAIL("accepted data that is not a JPEG");
      } catch (const Fault& e) {
        QVERIFY(QString(e.what()).startsWith("JPEG picture: "));
      }
    }
    QVERIFY_THROWS_EXCEPTION(Fault, LoadPicture(":/pictures/missing.jpg"));
  }

  void errorTextsEndWithOneFullStop() {
    QCOMPARE(ErrorBoxText("Floating point overflow"), QString("Floating point overflow."));
    QCOMPARE(ErrorBoxText("Done."), QString("Done."));
    QCOMPARE(ErrorBoxText(""), QString("."));
  }

  void theGuardTurnsEveryFaultIntoTheBox() {
    QWidget parent;
    QList<std::pair<QWidget*, QString>> shown;
    ErrorBoxFunction box = [&](QWidget* p, const QString& text, const QString&) { shown.append({p, text}); };
    bool ran = false;
    RunGuarded(box, &parent, [&] { ran = true; });
    QVERIFY(ran);
    QVERIFY(shown.isEmpty());
    RunGuarded(box, &parent, [] { throw ConvertFault("'x' is not a valid floating point value"); });
    RunGuarded(box, &parent, [] { throw std::runtime_error("disk full"); });
    RunGuarded(box, &parent, [] { throw 42; });
    RunGuarded(box, &parent, [] { throw RunCancelled(); });  // asked for: no box
    QCOMPARE(shown.size(), 3);
    QCOMPARE(shown[0].first, &parent);
    QCOMPARE(shown[0].second, QString("'x' is not a valid floating point value."));
    QCOMPARE(shown[1].second, QString("disk full."));
    QCOMPARE(shown[2].second, QString("Unknown error."));
    // A box that fails itself must not let the exception out either.
    RunGuarded([](QWidget*, const QString&, const QString&) { throw std::bad_alloc(); }, &parent,
               [] { throw Fault("x"); });
  }

  void theRealBoxIsCriticalWithOkAndTheProgramTitle() {
    f.Init(true);
    f.ChooseLanguage(2);
    f.ExpectBox();
    f.form2->edV0->setText("abc");
    f.form2->Button1->click();  // START shows the box of a field that is no number
    QCOMPARE(f.SeenBoxes().size(), 1);
    const SeenBox& box = f.SeenBoxes()[0];
    QCOMPARE(box.title, QString("ORVANTIS vers.1.1 (Beta)"));
    QCOMPARE(box.text, QString("'abc' is not a valid floating point value."));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(f.state->fd.V0(), 30.2);
    f.Cleanup();
  }

  void theBoxShowsTheFieldTextAsTyped() {
    f.Init(true);
    f.ChooseLanguage(2);
    f.ExpectBox();
    f.form2->edV0->setText("<b>1</b>");
    f.form2->Button1->click();  // START shows the box of a field that is no number
    QCOMPARE(f.SeenBoxes().size(), 1);
    QCOMPARE(f.SeenBoxes()[0].text, QString("'<b>1</b>' is not a valid floating point value."));
    QCOMPARE(f.SeenBoxes()[0].format, Qt::PlainText);
    f.Cleanup();
  }

  void comingBackFromTheErrorBoxIsNoActivation() {
    f.Init(true);
    f.ChooseLanguage(2);
    f.form2->edH0->setText("12");
    f.ExpectBox();
    f.form2->edV0->setText("x");
    f.form2->Button1->click();  // START shows the box of a field that is no number
    QCOMPARE(f.SeenBoxes().size(), 1);
    QVERIFY(f.SeenBoxes()[0].wasActive);  // the main window did lose the activation
    f.Activate(f.form2.get());
    QCOMPARE(f.form2->edH0->text(), QString("12"));
    QCOMPARE(f.state->fd.H0(), 12.0);
    f.Cleanup();
  }

  void graphicControlsStayUnderWindowedOnes() {
    QWidget window;
    auto* picture = new QLabel(&window);
    MarkGraphic(picture);
    auto* panel = new QLabel(&window);
    auto* button = new QPushButton(&window);
    auto* label = new QLabel(&window);
    MarkGraphic(label);
    for (QWidget* w : {static_cast<QWidget*>(picture), static_cast<QWidget*>(panel),
                       static_cast<QWidget*>(button), static_cast<QWidget*>(label)})
      w->setGeometry(0, 0, 50, 50);
    ArrangeLayers(&window);
    QCOMPARE(window.childAt(10, 10), button);
    BringToFront(panel);
    QCOMPARE(window.childAt(10, 10), panel);
    SendToBack(panel);
    QCOMPARE(window.childAt(10, 10), button);
    SendToBack(button);
    QCOMPARE(window.childAt(10, 10), panel);
    BringToFront(picture);  // over the other graphic one, still under the windowed ones
    QCOMPARE(window.childAt(10, 10), panel);
    panel->hide();
    button->hide();
    QCOMPARE(window.childAt(10, 10), picture);
    SendToBack(picture);
    QCOMPARE(window.childAt(10, 10), label);
  }

  void separatorComesFromTheSystemLocale() {
    QCOMPARE(QString(QChar(LocaleDecimalSeparator())), QLocale::system().decimalPoint());
  }

  // A run waits in a loop nested in the main one: a signal must end both.
  void aSignalEndsTheMessageLoopsWith128PlusItsNumber() {
    QuitOnSignal quit({SIGINT, SIGTERM});
    for (int number : {SIGTERM, SIGINT}) {
      int nested = -1;
      QTimer::singleShot(0, [&nested, number] {
        QEventLoop loop;
        QTimer::singleShot(0, [number] { ::raise(number); });
        nested = loop.exec();
      });
      QCOMPARE(QCoreApplication::exec(), 128 + number);
      QCOMPARE(nested, 128 + number);
    }
  }

  // Started with Ctrl+C ignored (in the background, under nohup), it stays ignored.
  void anIgnoredSignalStaysIgnored() {
    struct sigaction ignore {
    }, before{};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGINT, &ignore, &before);
    {
      QuitOnSignal quit({SIGINT});
      QTimer::singleShot(0, [] { ::raise(SIGINT); });
      QTimer::singleShot(100, [] { QCoreApplication::exit(7); });
      QCOMPARE(QCoreApplication::exec(), 7);
    }
    struct sigaction after {};
    ::sigaction(SIGINT, &before, &after);
    QVERIFY(after.sa_handler == SIG_IGN);
  }

  void droppedInputNeverArrivesAndTheLetThroughWindowGetsIt() {
    QWidget window;
    auto* field = new QLineEdit(&window);
    QDialog dialog(&window);
    auto* other = new QLineEdit(&dialog);
    window.show();
    {
      InputBlock block;
      block.LetThrough(&dialog);
      QTest::keyClicks(field, "12");
      QTest::keyClicks(other, "34");
      QVERIFY(!window.close());
    }
    QCOMPARE(field->text(), QString());
    QCOMPARE(other->text(), QString("34"));
    QVERIFY(window.isVisible());
    QTest::keyClicks(field, "5");  // nothing was queued: only what is typed now arrives
    QCOMPARE(field->text(), QString("5"));
    QVERIFY(window.close());
  }
};

}  // namespace orv::test

QTEST_MAIN(orv::test::ToolkitTest)
#include "toolkit_test.moc"
