// The comparison of kept runs as the user makes it: START, keep, change a field,
// START, keep, compare; the window's SVG is orvantis-cli compare's for the same cases,
// as flown by START and flown again with the accurate method; the menu then acts on
// the comparison until START or a chart button brings the usual charts back.
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTest>

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
    QCOMPARE(w.KeepRunAction->text(), QString("Keep this run for comparison (1 kept)"));
    QVERIFY(!w.KeepRunAction->isEnabled());  // a run is kept once
    w.edV0->setText("35");
    w.edMassaStart->setText(QLocale::system().decimalPoint() == "," ? "0,2" : "0.2");
    w.Button1->click();
    w.KeepRunAction->trigger();
    QCOMPARE(w.KeepRunAction->text(), QString("Keep this run for comparison (2 kept)"));

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
