// The comparison of kept runs as the user makes it: START, keep, change a field,
// START, keep, compare; the window's SVG is orvantis-cli compare's for the same cases,
// as flown by START and flown again with the accurate method; the menu then acts on
// the comparison until START or a chart button brings the usual charts back.
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QListWidget>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <cmath>

#include "gui/comparison_texts.h"
#include "gui/tool_texts.h"
#include "tests/ui/ui_fixture.h"

namespace orv::test {
namespace {

class ComparisonTest : public QObject {
  Q_OBJECT

  UiFixture f;
  std::optional<CompareChoice> choice;
  int compareAsked = 0;

  QByteArray Bytes(const QString& name) {
    QFile file(f.folder.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  void SaveSvg(const QString& name) {
    f.saveAnswer = f.folder.filePath(name);
    f.form2->SaveSvgAction->trigger();
  }

  QByteArray CliSvg(QStringList arguments) {
    QProcess cli;
    cli.setWorkingDirectory(f.folder.path());
    arguments.prepend("compare");
    arguments << "--case"
              << ""
              << "--case"
              << "v0=35 mass=0.2"
              << "--x"
              << "range"
              << "--y"
              << "height"
              << "--chart"
              << "cli.svg";
    cli.start(ORVANTIS_CLI, arguments);
    if (!cli.waitForFinished(30000) || cli.exitCode() != 0)
      return "orvantis-cli failed: " + cli.readAllStandardError();
    return Bytes("cli.svg");
  }

 private slots:
  void init() {
    f.Init();
    f.form2->SetCompareDialog([this](QWidget*, Language, const CompareChoice&) {
      ++compareAsked;
      return choice;
    });
  }
  void cleanup() { f.Cleanup(); }

  void keptRunsDrawTheCommandLinesComparison() {
    f.ChooseLanguage(2);  // English
    TForm2& w = *f.form2;
    QVERIFY(!w.KeepRunAction->isEnabled());  // no run yet
    QVERIFY(!w.CompareRunsAction->isEnabled());
    w.Button1->click();
    QVERIFY(w.KeepRunAction->isEnabled());
    w.KeepRunAction->trigger();
    QStringList frames;  // each run's figures as the results frame copies them
    w.CopyResultsAction->trigger();
    frames << QApplication::clipboard()->text();
    QCOMPARE(w.KeepRunAction->text(), QString("Keep this run for comparison (1 kept)"));
    QVERIFY(!w.KeepRunAction->isEnabled());  // a run is kept once
    w.edV0->setText("35");
    w.edMassaStart->setText(QLocale::system().decimalPoint() == "," ? "0,2" : "0.2");
    w.Button1->click();
    w.KeepRunAction->trigger();
    QCOMPARE(w.KeepRunAction->text(), QString("Keep this run for comparison (2 kept)"));
    w.CopyResultsAction->trigger();
    frames << QApplication::clipboard()->text();

    // Cancelled: the chart stays as it was.
    choice.reset();
    w.CompareRunsAction->trigger();
    QCOMPARE(compareAsked, 1);
    SaveSvg("classic.svg");
    QVERIFY(f.saveAsked.last().endsWith("/Orvantis_Button9.svg"));

    // As START flew them: the same picture as orvantis-cli compare's default method.
    // The emblem, which a chart button's chart showed, leaves the legend's corner free.
    QVERIFY(!w.Image3->isHidden());
    choice = CompareChoice{Col::kRange, Col::kHeight, false};
    w.CompareRunsAction->trigger();
    QCOMPARE(f.errors, QStringList());
    QVERIFY(w.Image3->isHidden());
    SaveSvg("window.svg");
    QVERIFY(f.saveAsked.last().endsWith("/Orvantis_comparison.svg"));
    if (QLocale::system().decimalPoint() == ".") {
      const QByteArray svg = Bytes("window.svg");
      QVERIFY(svg.contains(">2: v0 = 35 m/s, mass = 0.2 kg</text>"));
      QCOMPARE(svg, CliSvg({}));
    }
    QCOMPARE(w.Image1->Picture().size(), QSize(760, 500) * w.Image1->Picture().devicePixelRatio());

    // Beside it, each run's summary as its START's results frame showed it; Copy
    // gives the table between tabs, its headings first.
    QVERIFY(w.studyAnswer && w.studyAnswer->objectName() == "ComparisonTable");
    w.studyAnswer->findChild<QPushButton*>("copyButton")->click();
    const QStringList table = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(table.size(), 3);
    for (int run = 1; run <= 2; ++run) {
      const QStringList cells = table[run].split('\t');
      const QStringList frame = frames[run - 1].split('\n');
      QCOMPARE(cells.size(), table[0].split('\t').size());
      QVERIFY(cells[0].startsWith(QString("%1: ").arg(run)));
      for (int k = 1; k < cells.size(); ++k) QCOMPARE(cells[k], frame[k - 1].section('\t', 1, 1));
    }

    // Flown again with the accurate method, as compare --method rk45 flies them.
    choice->accurate = true;
    w.CompareRunsAction->trigger();
    SaveSvg("accurate.svg");
    if (QLocale::system().decimalPoint() == ".") {
      QVERIFY(Bytes("accurate.svg").contains(">rk45, tolerance 1e-09</text>"));
      QCOMPARE(Bytes("accurate.svg"), CliSvg({"--method", "rk45"}));
    }
    f.saveAnswer = f.folder.filePath("comparison.csv");
    w.ExportCsvAction->trigger();
    QVERIFY(Bytes("comparison.csv").startsWith("run,assignments,range [m],height [m]\r\n1,,"));
    QVERIFY(Bytes("comparison.csv").contains("\r\n2,v0=35 mass=0.2,"));

    // The read-out over the comparison: the range of the sample nearest the mouse and
    // each run's height there, on the straight line between its exported samples.
    QTest::mouseMove(w.windowHandle(), w.Image1->mapTo(&w, QPoint(400, 200)));
    const QStringList readout = QToolTip::text().split('\n');
    QCOMPARE(readout.size(), 3);
    const auto value = [](const QString& line) {
      return line.section(" = ", 1).section(' ', 0, 0).replace(',', '.').toDouble();
    };
    QVERIFY2(readout[0].startsWith("X = ") && readout[0].endsWith(" m"), qPrintable(readout[0]));
    const double x = value(readout[0]);
    for (int run = 1; run <= 2; ++run) {
      QVERIFY2(readout[run].startsWith(QString("%1: H = ").arg(run)), qPrintable(readout[run]));
      std::vector<std::pair<double, double>> points;
      for (const QByteArray& line : Bytes("comparison.csv").split('\n'))
        if (line.startsWith(QByteArray::number(run) + ','))
          points.emplace_back(line.split(',').at(2).toDouble(), line.split(',').at(3).trimmed().toDouble());
      double expected = NAN;
      for (std::size_t k = 0; k + 1 < points.size() && std::isnan(expected); ++k) {
        const auto [x0, y0] = points[k];
        const auto [x1, y1] = points[k + 1];
        if (x0 == x1 || (x0 - x) * (x1 - x) > 0) continue;
        expected = y0 + (y1 - y0) * (x - x0) / (x1 - x0);
      }
      QVERIFY2(std::abs(value(readout[run]) - expected) <= 1e-5 * std::abs(expected) + 1e-9,
               qPrintable(readout[run] + " " + QString::number(expected, 'g', 9)));
    }

    // A chart button brings the usual charts back; the kept runs stay until cleared.
    w.Button16->click();
    QVERIFY(!w.Image3->isHidden());
    SaveSvg("h.svg");
    QVERIFY(f.saveAsked.last().endsWith("/Orvantis_Button16.svg"));
    QVERIFY(w.CompareRunsAction->isEnabled());
    w.ClearRunsAction->trigger();
    QVERIFY(!w.CompareRunsAction->isEnabled());
    QCOMPARE(w.KeepRunAction->text(), QString("Keep this run for comparison (0 kept)"));
    QCOMPARE(f.errors, QStringList());
  }

  // The dialog offers no quantity that is zero throughout every kept run: not the
  // drag of runs without drag, until a run with drag is kept. (START's default chart
  // of a run without drag has no scale: that run's box is not this test's.)
  void theDialogLeavesOutQuantitiesZeroInEveryRun() {
    f.ChooseLanguage(2);  // English
    TForm2& w = *f.form2;
    w.SetCompareDialog({});  // the real dialog
    const QRegularExpression drag("^" + QRegularExpression::escape(ColumnInfoOf(Col::kDrag).symbol) + " \\[");
    const auto offered = [&] {
      QStringList items;
      QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        for (const char* name : {"xList", "yList"}) {
          const auto* list = dialog->findChild<QListWidget*>(name);
          for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
        }
        dialog->reject();
      });
      w.CompareRunsAction->trigger();
      return items;
    };
    for (const char* cx : {"0", "1"}) {
      w.EdCx->setText(cx);
      w.Button1->click();
      w.KeepRunAction->trigger();
      const QStringList items = offered();
      QVERIFY(items.filter(QRegularExpression("^H \\[")).size() == 2);  // height, in both lists
      QCOMPARE(items.filter(drag).size(), *cx == '0' ? 0 : 2);
    }
  }

  void textsInThreeLanguages() {
    const ComparisonTexts& t = ComparisonText();
    for (const Texts3* texts : {&t.keep, &t.compare, &t.clear, &t.xAxis, &t.yAxis, &t.accurate})
      for (Language language : kLanguages) QVERIFY(*Pick(*texts, language) != '\0');
    for (Language language : kLanguages) QVERIFY(QString::fromUtf8(Pick(t.keep, language)).contains("%1"));
    for (const ColumnInfo& info : SampleColumns()) QCOMPARE(QuantityName(info.id) != nullptr, info.filled);
  }
};

}  // namespace
}  // namespace orv::test

QTEST_MAIN(orv::test::ComparisonTest)
#include "comparison_test.moc"
