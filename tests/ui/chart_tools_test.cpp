// The main window's additions: the chart area's menu and its shortcuts, saving and
// copying the chart, the mark of a field whose text is not a number, START from the
// keyboard, and the line that explains a chart without a scale.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QProcess>
#include <QSettings>
#include <QTest>
#include <algorithm>

#include <sys/stat.h>

#include "base/input_table.h"
#include "gui/tool_texts.h"
#include "tests/ui/ui_fixture.h"

namespace orv::test {
namespace {

class ChartToolsTest : public QObject {
  Q_OBJECT

  UiFixture f;

  QList<QAction*> MenuActions() {
    TForm2& w = *f.form2;
    return {w.SavePngAction, w.SaveSvgAction, w.CopyChartAction, w.ExportCsvAction};
  }

  bool AllEnabled(bool enabled) {
    for (QAction* a : MenuActions())
      if (a->isEnabled() != enabled) return false;
    return true;
  }

 private slots:
  void init() { f.Init(); }
  void cleanup() { f.Cleanup(); }

  void menuItemsFollowTheShownChart() {
    f.ChooseLanguage(2);  // English
    TForm2& w = *f.form2;
    QCOMPARE(w.SavePngAction->text(), QString("Save chart as PNG..."));
    QCOMPARE(w.ExportCsvAction->shortcut(), QKeySequence("Ctrl+E"));
    QVERIFY(AllEnabled(false));  // before any run
    QTest::keyClick(&w, Qt::Key_F5);
    QCOMPARE(f.errors, QStringList());
    QVERIFY(QFile::exists(f.folder.filePath("Orvantis_500.txt")));
    QVERIFY(AllEnabled(true));
    w.Button5->click();  // MAIN blanks the chart
    QVERIFY(AllEnabled(false));
  }

  void texts3Languages() {
    for (Language language : kLanguages)
      for (auto item : {ChartMenuItem::kSavePng, ChartMenuItem::kSaveSvg, ChartMenuItem::kCopy,
                        ChartMenuItem::kExportCsv, ChartMenuItem::kCopyResults})
        QVERIFY(*Pick(MenuText(item), language) != '\0');
    QVERIFY(QString::fromUtf8(Pick(MenuText(ChartMenuItem::kCopy), Language::kRussian))
                .startsWith(QString::fromUtf8("Копировать")));
    QCOMPARE(QString::fromUtf8(Pick(MenuText(ChartMenuItem::kCopy), Language::kGerman)),
             QString("Diagramm kopieren"));
  }

  // The saved PNG is the picture the chart area shows, pixel for pixel, whichever
  // chart was drawn last; the suggested name says which.
  void savedPngIsTheShownPicture() {
    f.ChooseLanguage(2);
    TForm2& w = *f.form2;
    QTest::keyClick(&w, Qt::Key_Return, Qt::ControlModifier);  // START
    QVERIFY(AllEnabled(true));
    w.Button16->click();
    f.saveAnswer = f.folder.filePath("chart.png");
    QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(f.errors, QStringList());
    QCOMPARE(f.saveAsked.size(), 1);
    QVERIFY(f.saveAsked[0].endsWith("/Orvantis_Button16.png"));
    QImage saved(f.saveAnswer);
    QCOMPARE(saved.size(), QSize(800, 600));
    const QImage shown = w.Image1->Picture();
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), shown.convertToFormat(QImage::Format_RGB32));

    // The next dialog opens in the folder of the last save, in a later session too.
    QVERIFY(f.folder.mkdir("charts"));
    f.saveAnswer = f.folder.filePath("charts/second.png");
    w.SavePngAction->trigger();
    f.saveAnswer.clear();
    w.ExportCsvAction->trigger();
    QCOMPARE(f.saveAsked.last(), f.folder.filePath("charts/Orvantis_flight.csv"));
    QCOMPARE(QSettings().value("exportFolder").toString(), f.folder.filePath("charts"));

    QTest::keyClick(&w, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
             shown.convertToFormat(QImage::Format_RGB32));
  }

  // A fifo where the results file or a saved chart goes is refused with a box, never
  // waited on: the window goes on taking input.
  void aFifoIsRefusedNotWaitedOn() {
    f.ChooseLanguage(2);
    TForm2& w = *f.form2;
    QVERIFY(mkfifo(QFile::encodeName(f.folder.filePath("Orvantis_500.txt")).constData(), 0644) == 0);
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    QCOMPARE(f.errors.size(), 1);
    QVERIFY2(f.errors[0].startsWith("Not a regular file"), qPrintable(f.errors[0]));
    QVERIFY(QFile::remove(f.folder.filePath("Orvantis_500.txt")));
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    QCOMPARE(f.errors.size(), 1);
    f.saveAnswer = f.folder.filePath("chart.svg");
    QVERIFY(mkfifo(QFile::encodeName(f.saveAnswer).constData(), 0644) == 0);
    w.SaveSvgAction->trigger();
    QCOMPARE(f.errors.size(), 2);
    QVERIFY2(f.errors[1].startsWith("Not a regular file"), qPrintable(f.errors[1]));
  }

  // A run whose speed passed zero says so in the results frame, as the summary does.
  void theResultsSayWhereTheSpeedPassedZero() {
    f.ChooseLanguage(2);
    TForm2& w = *f.form2;
    for (auto [field, text] : {std::pair{w.EdTTO, "90"}, std::pair{w.edV0, "1"}}) {
      field->setFocus();
      field->selectAll();
      QTest::keyClicks(field, text);
    }
    QTest::mouseClick(w.Button1, Qt::LeftButton);
    QCOMPARE(f.errors, QStringList());
    QVERIFY2(w.Results->CopyText().contains("the speed passed zero at t = "),
             qPrintable(w.Results->CopyText()));
  }

  // The same run's SVG and CSV from the window and from orvantis-cli are the same files.
  void svgAndCsvAreTheCommandLinesFiles() {
    f.ChooseLanguage(2);
    TForm2& w = *f.form2;
    w.Button1->click();
    f.saveAnswer = f.folder.filePath("window.svg");
    w.SaveSvgAction->trigger();
    QVERIFY(f.saveAsked.last().endsWith("/Orvantis_Button9.svg"));
    f.saveAnswer = f.folder.filePath("window.csv");
    QTest::keyClick(&w, Qt::Key_E, Qt::ControlModifier);
    QVERIFY(f.saveAsked.last().endsWith("/Orvantis_flight.csv"));
    QCOMPARE(f.errors, QStringList());

    QProcess cli;
    cli.setWorkingDirectory(f.folder.path());
    QStringList arguments{"run", "--no-file", "--chart", "default=cli.svg", "--csv", "cli.csv"};
    if (QLocale::system().decimalPoint() == ",") arguments << "--decimal-comma";
    cli.start(ORVANTIS_CLI, arguments);
    QVERIFY(cli.waitForFinished(30000));
    QCOMPARE(cli.exitCode(), 0);
    auto bytes = [this](const char* name) {
      QFile file(f.folder.filePath(name));
      return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QVERIFY(bytes("window.svg").startsWith("<?xml"));
    QCOMPARE(bytes("window.svg"), bytes("cli.svg"));
    QVERIFY(bytes("window.csv").startsWith("time [s],range [m]"));
    QCOMPARE(bytes("window.csv"), bytes("cli.csv"));
  }

  void cancelledDialogWritesNothingAndAFailedSaveKeepsTheOldFile() {
    f.ChooseLanguage(2);
    TForm2& w = *f.form2;
    w.Button1->click();
    f.saveAnswer.clear();  // cancelled
    w.SavePngAction->trigger();
    QCOMPARE(f.errors, QStringList());
    QCOMPARE(f.folder.entryList(QDir::Files), QStringList{"Orvantis_500.txt"});

    // A name in a folder that does not exist.
    f.saveAnswer = f.folder.filePath("missing/chart.png");
    w.SavePngAction->trigger();
    QCOMPARE(f.errors, QStringList{"File not found."});
    QVERIFY(!QFile::exists(f.saveAnswer));
  }

  void aFieldThatIsNotANumberIsMarkedUntilItIsOne() {
    f.ChooseLanguage(2);
    TForm2& w = *f.form2;
    const QString tip = w.edMassaStart->toolTip();
    QCOMPARE(tip, QString("Launching mass m, kg: the mass of the harpoon at launch"));
    w.edMassaStart->setText("0.18x");
    QCOMPARE(f.errors.size(), 0);  // no box while the user types
    QCOMPARE(w.edMassaStart->toolTip(), QString("Not a number; the value in use is 0.18"));
    QVERIFY(w.edMassaStart->styleSheet().contains("border"));
    w.edMassaStart->setText("0.25");
    QCOMPARE(w.edMassaStart->toolTip(), tip);
    QVERIFY(w.edMassaStart->styleSheet().isEmpty());

    w.EdCx->setText("abc");  // marked, then an activation takes the mark away
    QVERIFY(!w.EdCx->styleSheet().isEmpty());
    w.Button5->click();
    f.ChooseLanguage(2);
    QVERIFY(f.form2->EdCx->styleSheet().isEmpty());
  }

  // Every input of the table with a field: the field has the input's tooltip in each
  // language, writes what is typed into the input's slot, and its mark names the
  // value in use.
  void everyInputsFieldHasItsTooltipAndSlot() {
    for (int item : {0, 1, 2}) {
      f.ChooseLanguage(item);
      TForm2& w = *f.form2;
      for (const InputInfo& info : InputTable()) {
        if (!info.field) continue;
        auto* edit = w.findChild<QLineEdit*>(QString::fromLatin1(info.control));
        QVERIFY2(edit, info.name);
        const QString tip = QString::fromUtf8(Pick(info.tip, LanguageOf(item + 1)));
        QVERIFY2(!tip.isEmpty(), info.name);
        QCOMPARE(edit->toolTip(), tip);
        edit->setText("7");
        QCOMPARE(info.slot(f.state->fd), 7.0);
        edit->setText("7x");
        QCOMPARE(edit->toolTip(), QString::fromUtf8(NotANumberText(LanguageOf(item + 1), "7")));
        edit->setText("7");
        QCOMPARE(edit->toolTip(), tip);
      }
      QCOMPARE(f.errors, QStringList());
      w.Button5->click();
    }
  }

  // H0 = 0 ends the flight at once with no positive range: the results file is
  // written and the box says why the default chart cannot be drawn. A chart left on
  // the area from an earlier run is marked as such until a chart of a run shows.
  void aChartWithoutAScaleIsExplained() {
    f.ChooseLanguage(2);
    TForm2& w = *f.form2;
    QLineEdit* const changed[] = {w.edH0, w.EdCx, w.edV0, w.EdTTO};
    QStringList defaults;
    for (QLineEdit* edit : changed) defaults << edit->text();
    const auto flyWithoutScale = [&] {
      for (int k = 0; k < 4; ++k) changed[k]->setText(QStringList{"0", "0", "0", "-89"}[k]);
      w.Button1->click();
    };
    flyWithoutScale();
    QCOMPARE(f.errors, QStringList{"Floating point division by zero."});
    QCOMPARE(f.details.size(), 1);
    QVERIFY2(f.details[0].startsWith("The results file Orvantis_500.txt was written."),
             qPrintable(f.details[0]));
    QVERIFY2(f.details[0].contains("X [m]"), qPrintable(f.details[0]));
    QVERIFY(AllEnabled(false));
    QVERIFY(w.Overlay->Band().isEmpty());  // the background is no run's chart

    for (int k = 0; k < 4; ++k) changed[k]->setText(defaults[k]);
    w.Button1->click();
    QCOMPARE(f.errors.size(), 1);
    flyWithoutScale();
    QCOMPARE(f.errors.size(), 2);
    QCOMPARE(w.Overlay->Band(), QString("The chart shows an earlier run"));
    w.Button16->click();  // no chart of this run has a scale: the mark stays
    QCOMPARE(f.errors.size(), 3);
    QCOMPARE(w.Overlay->Band(), QString("The chart shows an earlier run"));
    for (int k = 0; k < 4; ++k) changed[k]->setText(defaults[k]);
    w.Button1->click();
    QCOMPARE(f.errors.size(), 3);
    QVERIFY(w.Overlay->Band().isEmpty());
  }

  // The emblem over the chart is lettering and an outline: where its picture is
  // white the window shows the chart under it.
  void theEmblemShowsTheChartThrough() {
    f.ChooseLanguage(2);
    TForm2& w = *f.form2;
    w.Button1->click();
    QVERIFY(w.Image3->isVisible());
    const QImage shot = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage emblem = w.Image3->Picture();
    const QImage chart = w.Image1->Picture();
    const QPoint inChart = w.Image3->pos() - w.Image1->pos();
    int through = 0, chartInk = 0, letters = 0;
    for (int y = 0; y < emblem.height(); ++y)
      for (int x = 0; x < emblem.width(); ++x) {
        const QRgb under = chart.pixel(inChart.x() + x, inChart.y() + y) | 0xff000000u;
        const QRgb seen = shot.pixel(w.Image3->x() + x, w.Image3->y() + y) | 0xff000000u;
        const QRgb e = emblem.pixel(x, y);
        if (std::min({qRed(e), qGreen(e), qBlue(e)}) >= 240) {
          QCOMPARE(seen, under);
          ++through;
          chartInk += under != qRgb(255, 255, 255);
        } else if (qGray(emblem.pixel(x, y)) < 128) {
          letters += seen == (emblem.pixel(x, y) | 0xff000000u);
        }
      }
    QVERIFY(through > emblem.width() * emblem.height() / 2);
    QVERIFY(chartInk > 0);  // grid lines run under the emblem
    QVERIFY(letters > 100);
  }

  // Run again with QT_SCALE_FACTOR=2: the chart area holds a picture of twice the
  // pixels, drawn for the screen, while the saved PNG stays 800 x 600.
  void theChartIsDrawnForTheScreensPixels() {
    f.ChooseLanguage(2);
    TForm2& w = *f.form2;
    const int ratio = qRound(w.Image1->devicePixelRatioF());
    if (qEnvironmentVariable("QT_SCALE_FACTOR") == "2") QCOMPARE(ratio, 2);
    w.Button1->click();
    const QImage shown = w.Image1->Picture();
    QCOMPARE(shown.size(), QSize(800, 600) * ratio);
    QCOMPARE(qRound(shown.devicePixelRatio()), ratio);
    f.saveAnswer = f.folder.filePath("chart.png");
    w.SavePngAction->trigger();
    QCOMPARE(QImage(f.saveAnswer).size(), QSize(800, 600));
  }

  void aMessageWithANulIsShownWhole() {
    f.ChooseLanguage(2);
    f.form2->edV0->setText(QString("1") + QChar(0) + "2");
    f.form2->Button1->click();
    QCOMPARE(f.errors.size(), 1);
    QCOMPARE(f.errors[0], QString("'1") + QChar(0x2400) + "2' is not a valid floating point value.");
  }
};

}  // namespace
}  // namespace orv::test

QTEST_MAIN(orv::test::ChartToolsTest)
#include "chart_tools_test.moc"
