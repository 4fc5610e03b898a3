// The main window: layout, the activation step, the fields' change handlers, the
// texts per language, the cover over the chart buttons, START, the charts, About.
#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTextStream>
#include <cstdlib>
#include <vector>

#include "base/input_table.h"
#include "gui/interface_texts.h"
#include "tests/ui/ui_fixture.h"

namespace orv::test {
namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

// The separator the user's locale writes numbers with, known for the locales the
// tests run under.
char ExpectedSeparator() {
  QString locale = qEnvironmentVariable("LC_ALL");
  if (locale.isEmpty()) locale = qEnvironmentVariable("LC_NUMERIC");
  if (locale.isEmpty()) locale = qEnvironmentVariable("LANG");
  return locale.startsWith("de_") || locale.startsWith("ru_") ? ',' : '.';
}

QString WithSeparator(QString text) { return text.replace('.', QChar(ExpectedSeparator())); }

// Types over the whole text: the first key replaces the selection, so no empty
// text (and no message) comes in between.
void Retype(QLineEdit* field, const QString& text) {
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, text);
}

// Leaves the field by Tab, as a user does, and lets its box come.
void Leave(QLineEdit* field) {
  QTest::keyClick(field, Qt::Key_Tab);
  QCoreApplication::processEvents();
}

int LineCount(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  int lines = 0;
  while (!file.atEnd()) {
    file.readLine();
    ++lines;
  }
  return lines;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
  UiFixture f;

  std::vector<QPushButton*> ChartButtons() const {
    TForm2& w = *f.form2;
    return {w.Button3,  w.Button27, w.Button22, w.Button8,  w.Button4,
            w.Button10, w.Button9,  w.Button2,  w.Button16, w.Button15};
  }

 private slots:
  void init() { f.Init(); }
  void cleanup() { f.Cleanup(); }

  void controlsSitAtTheirClientPositions() {
    f.ChooseLanguage(1);
    TForm2& w = *f.form2;
    QCOMPARE(w.windowTitle(), QString("ORVANTIS vers.1.1 (Beta)"));
    QCOMPARE(w.size(), QSize(1008, 695));
    QCOMPARE(w.pos(), QPoint(206, 128));
    const std::pair<QWidget*, QRect> layout[] = {
        {w.Bevel2, {5, 416, 212, 129}},   {w.Bevel3, {5, 240, 212, 169}},
        {w.Bevel6, {224, 8, 289, 161}},   {w.Image6, {232, 16, 273, 145}},
        {w.Bevel4, {8, 560, 209, 129}},   {w.Bevel7, {8, 8, 209, 225}},
        {w.Image1, {232, 184, 769, 505}}, {w.Image3, {856, 226, 89, 41}},
        {w.Panel6, {528, 24, 417, 145}},  {w.Panel4, {950, 3, 52, 54}},
        {w.Button1, {954, 6, 45, 48}},    {w.edH0, {160, 479, 50, 22}},
        {w.edV0, {161, 510, 50, 22}},     {w.edTk, {160, 603, 50, 22}},
        {w.Button22, {704, 33, 70, 16}},  {w.Button27, {864, 33, 70, 16}},
        {w.eddt0, {160, 408, 50, 19}},    {w.edMassaStart, {160, 320, 50, 19}},
        {w.edVwind, {160, 384, 50, 19}},  {w.Button2, {536, 56, 70, 17}},
        {w.EdS0, {160, 352, 50, 19}},     {w.EdCx, {160, 256, 50, 19}},
        {w.EdCy, {152, 48, 50, 19}},      {w.EdTTO, {160, 452, 50, 19}},
        {w.Button5, {957, 64, 41, 41}},   {w.Button3, {784, 32, 70, 17}},
        {w.Panel7, {610, 3, 7, 170}},     {w.Button4, {784, 56, 70, 17}},
        {w.Button8, {864, 80, 70, 17}},   {w.Button9, {536, 32, 70, 17}},
        {w.Button10, {624, 32, 70, 17}},  {w.Button15, {536, 144, 70, 17}},
        {w.Button16, {536, 80, 70, 17}},  {w.Memo1, {16, 48, 193, 177}},
        {w.Button28, {16, 16, 193, 25}}};
    for (auto [control, rect] : layout) QCOMPARE(control->geometry(), rect);
    const std::pair<QLabel*, QPoint> labels[] = {
        {w.Label1, {58, 582}},  {w.Label12, {44, 430}}, {w.edH, {10, 504}},     {w.edV, {16, 510}},
        {w.Label3, {18, 608}},  {w.Label4, {18, 658}},  {w.Label8, {16, 312}},  {w.Label13, {16, 252}},
        {w.Label14, {16, 452}}, {w.Label17, {330, 14}}, {w.Label19, {16, 350}}, {w.Label9, {532, 7}},
        {w.Label5, {630, 7}},   {w.Label25, {16, 484}}};
    for (auto [label, topLeft] : labels) QCOMPARE(label->pos(), topLeft);
    QCOMPARE(w.Image1->Picture().size(), QSize(780, 500));
    QCOMPARE(w.Image3->Picture().size(), QSize(90, 41));
    QCOMPARE(w.Image6->Picture().size(), QSize(271, 146));
  }

  void visibilityFontsAndColoursFollowTheResource() {
    f.ChooseLanguage(1);
    TForm2& w = *f.form2;
    for (QWidget* shown :
         {static_cast<QWidget*>(w.EdCx), static_cast<QWidget*>(w.edMassaStart), static_cast<QWidget*>(w.EdS0),
          static_cast<QWidget*>(w.EdTTO), static_cast<QWidget*>(w.edH0), static_cast<QWidget*>(w.edV0),
          static_cast<QWidget*>(w.edTk)})
      QVERIFY2(shown->isVisible(), qPrintable(shown->objectName()));
    for (QWidget* hidden :
         {static_cast<QWidget*>(w.eddt0), static_cast<QWidget*>(w.edVwind), static_cast<QWidget*>(w.EdCy),
          static_cast<QWidget*>(w.Image3), static_cast<QWidget*>(w.Memo1), static_cast<QWidget*>(w.Button28)})
      QVERIFY2(!hidden->isVisible(), qPrintable(hidden->objectName()));
    QCOMPARE(w.edH0->font().pixelSize(), 13);
    QCOMPARE(w.edMassaStart->font().pixelSize(), 11);
    QCOMPARE(w.Button1->font().pixelSize(), 9);
    QVERIFY(w.Button1->font().bold() && w.Button5->font().bold());
    QCOMPARE(w.Button1->palette().color(QPalette::ButtonText), QColor(255, 0, 0));
    QCOMPARE(w.Panel4->palette().color(QPalette::Window), QColor(255, 0, 0));
    QCOMPARE(w.Label1->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    QCOMPARE(w.Label17->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QVERIFY(w.Label9->font().bold());
    QCOMPARE(w.Label17->text(), QString("START"));
    QCOMPARE(w.Label5->text(), QString("f ( t ) - - >"));
    QCOMPARE(w.Label9->text(), QString(" <- - f ( x )"));
    QCOMPARE(w.edH->text(), QString());
    QCOMPARE(w.Button1->text(), QString("START"));
    QCOMPARE(w.Button5->text(), QString("MAIN"));
    const std::pair<QPushButton*, const char*> captions[] = {
        {w.Button22, "V, H = f (t)"}, {w.Button27, "V = f (t)"}, {w.Button2, "V, H = f (x)"},
        {w.Button3, "H = f (t)"},     {w.Button4, "F = f (t)"},  {w.Button8, "Q = f(t)"},
        {w.Button9, "H,V,Q,E,X"},     {w.Button10, "H,V,Q,E,x"}, {w.Button15, "V=f(H)"},
        {w.Button16, "H = f (x)"}};
    for (auto [button, caption] : captions) QCOMPARE(button->text(), QString(caption));
  }

  void activationFillsEveryFieldAndSlot() {
    f.ChooseLanguage(2);
    TForm2& w = *f.form2;
    FlightData& fd = f.state->fd;
    const std::pair<QLineEdit*, const char*> shown[] = {
        {w.edH0, "1.7"},     {w.edV0, "30.2"}, {w.edMassaStart, "0.18"}, {w.EdS0, "5E-5"},
        {w.EdCx, "2.1"},     {w.EdCy, "0"},    {w.EdTTO, "0"},           {w.edTk, "5"},
        {w.eddt0, "0.0001"}, {w.edVwind, "0"}};
    for (auto [field, text] : shown) QCOMPARE(field->text(), WithSeparator(text));
    QCOMPARE(fd.H0(), 1.7);
    QCOMPARE(fd.V0(), 30.2);
    QCOMPARE(fd.MassaStart(), 0.18);
    QCOMPARE(fd.S0, 0.00005);
    QCOMPARE(fd.Cx(), 2.1);
    QCOMPARE(fd.TkInit(), 5.0);
    QCOMPARE(fd.Tk(), 5.0);  // carried by edTk's handler
    QCOMPARE(fd.dt0Init(), 0.0001);
    QCOMPARE(fd.dt0(), 0.0001);  // carried by eddt0's handler
    QCOMPARE(fd.HkInit(), 0.0);
    QCOMPARE(f.errors, QStringList());
  }

  void theMainWindowIsNeverSeenWithTheResourceTexts() {
    // The language choice returns with the main window shown; no event has been
    // handled since, so nothing of it has been painted yet.
    f.form1->RadioItems[2]->click();
    TForm2& w = *f.form2;
    QVERIFY(w.isVisible());
    QCOMPARE(w.edH0->text(), WithSeparator("1.7"));
    QCOMPARE(w.edTk->text(), "5");
    QCOMPARE(w.Label13->text(), QString("drag coefficient,Cd"));
    QCOMPARE(f.state->fd.V0(), 30.2);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(w.edV0->text(), WithSeparator("30.2"));
    QCOMPARE(f.errors, QStringList());
  }

  void returningFromTheStartWindowRestoresEveryField() {
    f.ChooseLanguage(2);
    TForm2& w = *f.form2;
    QLineEdit* fields[] = {w.edH0, w.edV0, w.edTk, w.edMassaStart, w.EdS0, w.EdCx, w.EdTTO};
    for (QLineEdit* field : fields) Retype(field, "7");
    QCOMPARE(f.state->fd.Tk(), 7.0);
    QCOMPARE(f.state->fd.S0, 7.0);
    f.Activate(f.form1.get());
    f.Activate(f.form2.get());
    QCOMPARE(w.edH0->text(), WithSeparator("1.7"));
    QCOMPARE(w.edTk->text(), "5");
    QCOMPARE(w.EdS0->text(), "5E-5");
    QCOMPARE(w.EdTTO->text(), "0");
    QCOMPARE(f.state->fd.H0(), 1.7);
    QCOMPARE(f.state->fd.V0(), 30.2);
    QCOMPARE(f.state->fd.Tk(), 5.0);
    QCOMPARE(f.state->fd.MassaStart(), 0.18);
    QCOMPARE(f.state->fd.S0, 0.00005);
    QCOMPARE(f.state->fd.Cx(), 2.1);
    QCOMPARE(f.state->fd.TTO(), 0.0);
    QCOMPARE(f.errors, QStringList());
  }

  // No box while typing: a text that is not (yet) a number leaves the slot and
  // marks the field; every key reaches the field.
  void typingWritesTheSlotKeystrokeByKeystroke() {
    f.ChooseLanguage(2);
    QLineEdit* edV0 = f.form2->edV0;
    edV0->setFocus();
    edV0->selectAll();
    QTest::keyClick(edV0, Qt::Key_1);  // replaces the selected text
    QCOMPARE(f.state->fd.V0(), 1.0);
    QTest::keyClick(edV0, Qt::Key_2);
    QCOMPARE(f.state->fd.V0(), 12.0);
    QTest::keyClick(edV0, Qt::Key_Backspace);
    QCOMPARE(f.state->fd.V0(), 1.0);
    QTest::keyClick(edV0, Qt::Key_Backspace);
    QCOMPARE(f.state->fd.V0(), 1.0);
    QVERIFY(edV0->property("notANumber").toBool());
    QTest::keyClicks(edV0, WithSeparator("5E-5"));  // passes "5E" and "5E-"
    QCOMPARE(edV0->text(), WithSeparator("5E-5"));
    QCOMPARE(f.state->fd.V0(), 5e-5);
    QVERIFY(!edV0->property("notANumber").toBool());
    QCOMPARE(f.errors, QStringList());
  }

  // The box comes when the user leaves the field, or presses START, which then
  // does not run.
  void badTextsShowTheMessageWhenLeftAndKeepTheValue() {
    f.ChooseLanguage(2);
    TForm2& w = *f.form2;
    Retype(w.EdCx, "2x");
    QCOMPARE(f.state->fd.Cx(), 2.0);
    QCOMPARE(f.errors, QStringList());
    Leave(w.EdCx);
    QCOMPARE(f.errors, QStringList{"'2x' is not a valid floating point value."});
    QCOMPARE(f.details,
             QStringList{"The field \"drag coefficient,Cd\" keeps the value 2 until its text is a number."});
    QCOMPARE(QApplication::focusWidget(), w.EdTTO);  // the focus went on (EdCy is hidden)

    const QImage background = w.Image1->Picture();
    w.edV0->setFocus();
    w.edV0->setText(QString::fromUtf8("три"));
    QTest::keyClick(w.edV0, Qt::Key_F5);  // START from the field
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    QCOMPARE(f.errors.size(), 3);
    QCOMPARE(f.errors.last(), QString::fromUtf8("'три' is not a valid floating point value."));
    QCOMPARE(f.details.last(),
             QString("The field \"velocity,Vo,m/s\" keeps the value 30.2 until its text is a number."));
    QVERIFY(!QFile::exists(f.folder.filePath("Orvantis_500.txt")));
    QCOMPARE(w.Image1->Picture(), background);
    QVERIFY(!w.Button3->isEnabled());
    QCOMPARE(f.state->fd.Cx(), 2.0);
    QCOMPARE(f.state->fd.V0(), 30.2);
  }

  void exponentAndBlanksAreAccepted() {
    f.ChooseLanguage(2);
    f.form2->edH0->setText("1e3");
    QCOMPARE(f.state->fd.H0(), 1000.0);
    f.form2->edH0->setText(" 1000 ");
    QCOMPARE(f.state->fd.H0(), 1000.0);
    QCOMPARE(f.errors, QStringList());
  }

  void assigningTheShownTextRaisesNothing() {
    f.ChooseLanguage(2);
    f.state->fd.Tk() = 99;
    f.form2->edTk->setText(f.form2->edTk->text());
    QCOMPARE(f.state->fd.Tk(), 99.0);
    f.form2->edTk->setText("6");
    QCOMPARE(f.state->fd.Tk(), 6.0);
  }

  // The point and the comma both read as the decimal separator; the box is German.
  void fieldsFollowTheLocaleSeparator() {
    f.ChooseLanguage(1);
    const bool comma = ExpectedSeparator() == ',';
    QCOMPARE(f.form2->edMassaStart->text(), QString(comma ? "0,18" : "0.18"));
    QLineEdit* field = f.form2->edMassaStart;
    field->setFocus();
    field->setText(comma ? "0,25" : "0.25");
    QCOMPARE(f.state->fd.MassaStart(), 0.25);
    field->setText(comma ? "0.5" : "0,5");
    QCOMPARE(f.state->fd.MassaStart(), 0.5);
    field->setText("0,5.1");
    Leave(field);
    QCOMPARE(f.state->fd.MassaStart(), 0.5);
    QCOMPARE(f.errors, QStringList{"'0,5.1' ist keine gültige Gleitkommazahl."});
    QCOMPARE(f.details,
             QStringList{Utf8(comma ? "Das Feld „m,kg“ behält den Wert 0,5, bis sein Text eine Zahl ist."
                                    : "Das Feld „m,kg“ behält den Wert 0.5, bis sein Text eine Zahl ist.")});
  }

  void texts_data() {
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("label13");
    QTest::addColumn<QString>("label19");
    QTest::addColumn<QString>("label4");
    QTest::addColumn<bool>("about");
    QTest::newRow("Russian") << 0 << Utf8("Коэффициент сопротивления Cx") << Utf8("Площадь,So,м2")
                             << Utf8("Скорость, V, м/c") << true;
    QTest::newRow("German") << 1 << QString("Cw") << QString("Flaeche, m2") << QString("Vk, m/s") << false;
    QTest::newRow("English") << 2 << QString("drag coefficient,Cd") << QString("lifting area,So,m2")
                             << QString("velocity,V,m/s") << false;
  }
  void texts() {
    QFETCH(int, item);
    QFETCH(QString, label13);
    QFETCH(QString, label19);
    QFETCH(QString, label4);
    QFETCH(bool, about);
    f.ChooseLanguage(item);
    TForm2& w = *f.form2;
    QCOMPARE(w.Label13->text(), label13);
    QCOMPARE(w.Label19->text(), label19);
    QCOMPARE(w.Label4->text(), label4);
    QCOMPARE(w.Button28->isVisible(), about);
    std::vector<std::pair<const char*, Texts3>> labels;
    for (const LanguageText& entry : LanguageTexts()) labels.emplace_back(entry.control, entry.text);
    for (const InputInfo& info : InputTable())
      if (info.label) labels.emplace_back(info.label, info.caption);
    QCOMPARE(labels.size(), std::size_t{10});
    for (const auto& [control, text] : labels) {
      auto* label = w.findChild<QLabel*>(control);
      QCOMPARE(label->text(), Utf8(Pick(text, LanguageOf(item + 1))));
      QVERIFY2(label->width() > 0 && label->height() > 0, control);
    }
    if (item == 0) QCOMPARE(w.edV->text(), w.Label4->text());
    QCOMPARE(w.Label17->text(), QString("START"));

    // Tooltips begin with the words of the field's label (up to its first comma) or
    // of the button's caption, then explain.
    int fields = 0;
    for (QLabel* label : w.findChildren<QLabel*>()) {
      if (!label->buddy()) continue;
      ++fields;
      const QString words = label->text().section(',', 0, 0).trimmed();
      QVERIFY2(label->buddy()->toolTip().startsWith(words, Qt::CaseInsensitive),
               qPrintable(words + " | " + label->buddy()->toolTip()));
    }
    QCOMPARE(fields, 7);
    for (QPushButton* button : w.findChildren<QPushButton*>())
      QVERIFY2(button->toolTip().startsWith(button->text() + ": "), qPrintable(button->toolTip()));
    QVERIFY(w.Button5->toolTip().contains("QUIT"));
    if (item == 2) {
      QVERIFY(w.EdS0->toolTip().startsWith("Lifting area So, m"));
      QVERIFY(w.EdCx->toolTip().contains("Cd") && !w.EdCx->toolTip().contains("Cx"));
    }
  }

  // A value wider than its field shows from its first character.
  void aFieldShowsItsTextFromTheStart() {
    f.ChooseLanguage(2);
    f.sprache.PresetData[kPresetH0] = 100000.125;
    f.Activate(f.form1.get());
    f.Activate(f.form2.get());
    QLineEdit* edH0 = f.form2->edH0;
    QCOMPARE(edH0->text(), WithSeparator("100000.125"));
    QVERIFY(edH0->fontMetrics().horizontalAdvance(edH0->text()) > edH0->width());
    QVERIFY2(edH0->inputMethodQuery(Qt::ImCursorRectangle).toRect().left() < 8, "the field shows its end");
  }

  void russianTextsKeepTheirLatinSymbols() {
    f.ChooseLanguage(0);
    const QString speed = f.form2->edV->text();
    QCOMPARE(speed.right(3), QString::fromUtf8("\u043c/c"));  // Cyrillic em, Latin c
    QCOMPARE(speed.at(10), QChar('V'));
    QVERIFY(f.form2->Label8->text().contains("m0"));
    QCOMPARE(f.form2->Label3->text().right(1), QString::fromUtf8("\u0441"));  // seconds: Cyrillic es
  }

  void aboutShowsTheRussianText() {
    f.ChooseLanguage(0);
    TForm2& w = *f.form2;
    QCOMPARE(w.Button28->text(), Utf8("О программе расчета"));
    QTest::mouseClick(w.Button28, Qt::LeftButton);
    QVERIFY(w.Memo1->isVisible());
    const QStringList lines = w.Memo1->toPlainText().split('\n');
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines[0], Utf8("Расчет выполняется численным "));
    QCOMPARE(lines[5], QString("Beta):"));
    QCOMPARE(lines[9], Utf8("orvantis_500.txt в этой же "));
    QCOMPARE(lines[10], Utf8("директории."));
    // It covers the results frame: a second click hides it, and so does START.
    QTest::mouseClick(w.Button28, Qt::LeftButton);
    QVERIFY(!w.Memo1->isVisible());
    QTest::mouseClick(w.Button28, Qt::LeftButton);
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    QVERIFY(!w.Memo1->isVisible());
    // The figures it uncovers name the method that gave them.
    QCOMPARE(w.Results->heading->text(),
             Utf8("классический расчёт, dt 0") + ExpectedSeparator() + Utf8("0001 с"));
  }

  void tabFollowsTheResourceOrder() {
    f.ChooseLanguage(0);
    TForm2& w = *f.form2;
    QTest::mouseClick(w.Button1, Qt::LeftButton);   // uncovers the chart buttons
    QTest::mouseClick(w.Button28, Qt::LeftButton);  // shows Memo1
    // The shown controls that take focus, by their tab numbers 0 to 53.
    const QWidget* order[] = {w.Button1,      w.edH0,    w.edV0,    w.edTk,    w.Button22, w.Button27,
                              w.edMassaStart, w.Button2, w.EdS0,    w.EdCx,    w.EdTTO,    w.Button5,
                              w.Button3,      w.Button4, w.Button8, w.Button9, w.Button10, w.Button15,
                              w.Button16,     w.Memo1,   w.Button28};
    w.Button1->setFocus();
    for (std::size_t k = 1; k <= std::size(order); ++k) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), order[k % std::size(order)]);
    }
  }

  void tabLeavesTheMemoForTheAboutButton() {
    f.ChooseLanguage(0);
    TForm2& w = *f.form2;
    QTest::mouseClick(w.Button28, Qt::LeftButton);
    const QString about = w.Memo1->toPlainText();
    w.Memo1->setFocus();
    QTest::keyClick(w.Memo1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.Button28);
    QCOMPARE(w.Memo1->toPlainText(), about);
  }

  void chartButtonsAreCoveredUntilStart() {
    f.ChooseLanguage(2);
    TForm2& w = *f.form2;
    for (QPushButton* button : ChartButtons()) {
      const QPoint centre = button->geometry().center();
      QCOMPARE(UiFixture::ReceiverAt(&w, centre), w.Panel6);
    }
    const QImage background = w.Image1->Picture();
    UiFixture::ClickAt(&w, w.Button3->geometry().center());
    QCOMPARE(w.Image1->Picture(), background);
    QCOMPARE(f.errors, QStringList());

    UiFixture::ClickAt(&w, w.Button1->geometry().center());  // START
    QCOMPARE(f.errors, QStringList());
    for (QPushButton* button : ChartButtons())
      QCOMPARE(UiFixture::ReceiverAt(&w, button->geometry().center()), button);
    // START, MAIN and the fields were never covered.
    QCOMPARE(UiFixture::ReceiverAt(&w, w.Button5->geometry().center()), w.Button5);

    f.Activate(f.form1.get());
    f.Activate(f.form2.get());
    QCOMPARE(UiFixture::ReceiverAt(&w, w.Button9->geometry().center()), w.Panel6);
  }

  void startWritesTheResultsFileAndDrawsTheDefaultChart() {
    f.ChooseLanguage(2);
    TForm2& w = *f.form2;
    const QImage background = w.Image1->Picture();
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    QCOMPARE(f.errors, QStringList());
    QCOMPARE(LineCount(f.folder.filePath("Orvantis_500.txt")), 503);
    QCOMPARE(f.state->SampleRows, 500);
    QCOMPARE(w.Image1->Picture().size(), QSize(800, 600));
    QVERIFY(w.Image1->Picture() != background);
    QVERIFY(w.Image3->isVisible());
  }

  void everyChartButtonDrawsIntoTheChartArea() {
    f.ChooseLanguage(2);
    TForm2& w = *f.form2;
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    const QImage defaultChart = w.Image1->Picture();
    QImage blank(770, 515, QImage::Format_RGB32);
    blank.fill(Qt::white);
    QList<QImage> charts;
    for (QPushButton* button : ChartButtons()) {
      w.Image1->SetPicture(blank);
      QTest::mouseClick(button, Qt::LeftButton);
      const QImage chart = w.Image1->Picture();
      QVERIFY2(chart.size() == QSize(800, 600), qPrintable(button->objectName()));
      for (const QImage& earlier : charts) QVERIFY2(chart != earlier, qPrintable(button->objectName()));
      charts << chart;
    }
    QCOMPARE(f.errors, QStringList());
    // Button9 draws the same request as the chart every run ends with.
    QCOMPARE(charts[6], defaultChart);
  }

  // Before the first START the covered chart buttons take no focus and no key: Tab
  // from START goes to the fields and MAIN only, and Space there starts no chart.
  void coveredChartButtonsTakeNoKeys() {
    f.ChooseLanguage(2);
    TForm2& w = *f.form2;
    const QImage background = w.Image1->Picture();
    w.Button1->setFocus();
    const QWidget* order[] = {w.edH0, w.edV0, w.edTk, w.edMassaStart, w.EdS0, w.EdCx, w.EdTTO, w.Button5};
    for (const QWidget* next : order) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), next);
    }
    QTest::keyClick(w.edTk, Qt::Key_Space);
    w.Button3->click();
    QCOMPARE(f.errors, QStringList());
    QCOMPARE(w.Image1->Picture(), background);
  }

  void anUnwritableResultsFileIsReportedAndTheProgramGoesOn() {
    f.ChooseLanguage(2);
    QVERIFY(f.folder.mkdir("Orvantis_500.txt"));
    QTest::mouseClick(f.form2->Button1, Qt::LeftButton);
    QCOMPARE(f.errors.size(), 1);
    QVERIFY(f.errors[0].endsWith('.'));
    // The buttons are uncovered all the same, and the next run works.
    QCOMPARE(UiFixture::ReceiverAt(f.form2.get(), f.form2->Button3->geometry().center()), f.form2->Button3);
    QVERIFY(f.folder.rmdir("Orvantis_500.txt"));
    QTest::mouseClick(f.form2->Button1, Qt::LeftButton);
    QCOMPARE(f.errors.size(), 1);
    QCOMPARE(LineCount(f.folder.filePath("Orvantis_500.txt")), 503);
  }

  // The fault's own message, and a line that names the likely cause in the user's language.
  void aFaultingRunIsReported() {
    f.ChooseLanguage(0);
    const std::pair<QLineEdit*, const char*> cases[] = {
        {f.form2->edMassaStart,
         "Вероятная причина: масса гарпуна равна 0."},  // the load factor divides by it
        {f.form2->edV0, "Вероятная причина: начальная скорость равна 0."}};
    for (auto [field, cause] : cases) {
      const QString before = field->text();
      Retype(field, "0");
      QTest::mouseClick(f.form2->Button1, Qt::LeftButton);
      QCOMPARE(f.errors.size(), 1);
      QVERIFY2(f.errors[0].startsWith("Floating point") || f.errors[0].startsWith("Invalid floating point"),
               qPrintable(f.errors[0]));
      QCOMPARE(f.details, QStringList{Utf8(cause)});
      QVERIFY(f.form2->isVisible());
      Retype(field, before);
      f.errors.clear();
      f.details.clear();
    }
  }
};

}  // namespace orv::test

QTEST_MAIN(orv::test::MainWindowTest)
#include "main_window_test.moc"
