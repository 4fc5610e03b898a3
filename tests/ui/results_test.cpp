// The run's results in the main window: the figures in the top-left frame against
// orvantis-cli's for the same inputs, their copy, the read-out under the mouse, and
// the mark of results that a field change has made stale.
#include <QApplication>
#include <QClipboard>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>
#include <QToolTip>
#include <cmath>

#include "charts/chart_catalogue.h"
#include "tests/ui/ui_fixture.h"

namespace orv::test {
namespace {

// The command line's summary of a run with these options.
QJsonObject CliSummary(const QString& folder, const QStringList& options) {
  QProcess cli;
  cli.setWorkingDirectory(folder);
  cli.start(ORVANTIS_CLI, QStringList{"run", "--no-file", "--json"} + options);
  if (!cli.waitForFinished(60000) || cli.exitCode() != 0) return {};
  return QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
}

// Base units per shown unit, in all three languages.
double Factor(const QString& unit) {
  if (unit == "km" || unit == QString::fromUtf8("км")) return 1000;
  if (unit == "min" || unit == QString::fromUtf8("мин")) return 60;
  if (unit == "h" || unit == QString::fromUtf8("ч")) return 3600;
  return 1;
}

double Number(QString text) { return text.replace(',', '.').toDouble(); }

class ResultsTest : public QObject {
  Q_OBJECT

  UiFixture f;

  // What the frame shows: name, value and unit of each row.
  QList<QStringList> Shown() {
    QList<QStringList> rows;
    for (const auto& row : f.form2->Results->rows)
      if (row[0]->isVisible()) rows << QStringList{row[0]->text(), row[1]->text(), row[2]->text()};
    return rows;
  }

  // The read-out of the mouse resting at `pos` of the chart area, as the window
  // system delivers the move.
  void Hover(QPoint pos) {
    TForm2& w = *f.form2;
    QTest::mouseMove(w.windowHandle(), w.Image1->mapTo(&w, pos));
  }

 private slots:
  void init() { f.Init(); }
  void cleanup() { f.Cleanup(); }

  // Each language's figures, scaled to km and minutes in Russian, are the command
  // line's for the same inputs; in Russian the About memo covers them.
  void figuresAreTheCommandLinesInEveryLanguage() {
    struct Case {
      int item;  // of the language choice: Ru, De, En
      QStringList typed, options;
      const char* rangeName;
      const char* timeUnit;
    };
    const Case cases[] = {
        {0, {"30000", "3650", "0.01"}, {"--h0", "30000", "--tk", "3650", "--dt", "0.01"}, "Дальность", "мин"},
        {1, {}, {}, "Reichweite", "s"},
        {2, {}, {}, "range", "s"},
    };
    for (const Case& c : cases) {
      f.ChooseLanguage(c.item);
      TForm2& w = *f.form2;
      QVERIFY(w.Results->isHidden());  // nothing before the first run
      if (!c.typed.isEmpty()) {
        w.edH0->setText(c.typed[0]);
        w.edTk->setText(c.typed[1]);
        w.eddt0->setText(c.typed[2]);
      }
      w.Button1->click();
      QCOMPARE(f.errors, QStringList());
      QVERIFY(w.Results->isVisible());
      const QList<QStringList> rows = Shown();
      QCOMPARE(rows.size(), 7);
      QCOMPARE(rows[1][0], QString::fromUtf8(c.rangeName));
      QCOMPARE(rows[0][2], QString::fromUtf8(c.timeUnit));
      if (c.item == 0) QCOMPARE(rows[2][2], QString::fromUtf8("км"));  // greatest height

      const QJsonObject json = CliSummary(f.folder.path(), c.options);
      const char* keys[] = {"flight_time_s",      "range_m",
                            "greatest_height_m",  "end_speed_m_s",
                            "end_path_angle_deg", "end_kinetic_energy_J"};
      for (int k = 0; k < 6; ++k) {
        const double expected = json[keys[k]].toDouble();
        const double shown = Number(rows[k][1]) * Factor(rows[k][2]);
        QVERIFY2(std::abs(shown - expected) <= 1e-5 * std::abs(expected), qPrintable(rows[k].join(' ')));
      }
      QCOMPARE(rows[6][1], QString::number(json["steps_per_pass"].toInteger()));
      QVERIFY(rows[6][2].isEmpty());

      // One line a figure: name, value and unit between tabs.
      w.CopyResultsAction->trigger();
      QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
      QCOMPARE(lines.size(), 7);
      QCOMPARE(lines[1], rows[1].join('\t'));
      QCOMPARE(lines[6], rows[6][0] + '\t' + rows[6][1]);

      if (c.item == 0) {
        w.Button28->click();
        const QPoint inFigures = w.Results->geometry().center();
        QWidget* top = UiFixture::ReceiverAt(&w, inFigures);
        QVERIFY(top == w.Memo1 || w.Memo1->isAncestorOf(top));
      }
      w.Button5->click();  // MAIN takes the figures away with the chart
      QVERIFY(w.Results->isHidden());
      QVERIFY(!w.CopyResultsAction->isEnabled());
    }
  }

  // The default chart of 6 columns has its plot from x = 248 to 730; the read-out
  // stands on the recorded sample nearest the mouse, over the chart's picture only.
  void theReadOutFollowsTheMouseOverEveryChart() {
    f.ChooseLanguage(2);
    TForm2& w = *f.form2;
    w.Button1->click();
    const QImage picture = w.Image1->Picture();
    Hover({489, 200});
    QVERIFY(w.Overlay->LineX().has_value());
    const int lineX = *w.Overlay->LineX();
    QVERIFY2(std::abs(lineX - 489) <= 1, qPrintable(QString::number(lineX)));
    QVERIFY(QToolTip::isVisible());
    const QStringList lines = QToolTip::text().split('\n');
    QCOMPARE(lines.size(), 6);

    // The row under the line: its range is half of the largest, to a pixel.
    const SharedState& s = *f.state;
    double xMax = 0;
    for (int row = 2; row <= s.RecordedRows; ++row) xMax = std::max(xMax, s.Sample(Col::kRange, row));
    QVERIFY(lines[0].startsWith("X = ") && lines[0].endsWith(" m"));
    const double x = Number(lines[0].mid(4, lines[0].size() - 6));
    QVERIFY2(std::abs(x - xMax * (lineX - 248) / 482.0) <= xMax / 482.0, qPrintable(lines[0]));
    QVERIFY(lines[1].startsWith("H = ") && lines[1].endsWith(" m"));
    QVERIFY(lines[3].startsWith("Q = ") && lines[3].endsWith(" deg"));

    // Drawn over the picture, not into it: the chart, saved or copied, is unchanged.
    const QImage seen = w.Image1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(seen.pixelColor(lineX, 100), ChartOverlay::kLineColour);
    QCOMPARE(w.Image1->Picture(), picture);
    w.CopyChartAction->trigger();
    QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
             picture.convertToFormat(QImage::Format_RGB32));

    Hover({100, 200});  // left of the plot
    QVERIFY(!w.Overlay->LineX());

    for (const ChartButton& button : ChartCatalogue()) {
      auto* b = w.findChild<QPushButton*>(button.name);
      QVERIFY(b);
      b->click();
      const int left = 37 * button.request.count + 26;
      Hover({5, 5});
      Hover({left + (730 - left) / 2, 200});
      QVERIFY2(w.Overlay->LineX().has_value(), button.name);
      QCOMPARE(QToolTip::text().split('\n').size(), button.request.count);
    }
  }

  // A field change greys the figures and marks the chart until the next START; a
  // faulting run leaves them; saving or copying the chart leaves the mark out.
  void aFieldChangeMarksTheResultsStaleUntilTheNextStart() {
    f.ChooseLanguage(1);
    TForm2& w = *f.form2;
    w.Button1->click();
    const QList<QStringList> before = Shown();
    QVERIFY(w.Results->isEnabled());
    QVERIFY(w.Overlay->Band().isEmpty());

    QTest::keyClicks(w.edV0, "1");  // 30.2 becomes 30.21
    QVERIFY(!w.Results->isEnabled());
    QCOMPARE(w.Overlay->Band(), QString::fromUtf8("Eingaben geändert: START drücken"));
    const QImage seen = w.Image1->grab().toImage();
    QCOMPARE(seen.pixelColor(345, 2), QColor(255, 214, 0));
    w.CopyChartAction->trigger();
    QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
             w.Image1->Picture().convertToFormat(QImage::Format_RGB32));
    QVERIFY(w.Image1->Picture().pixelColor(345, 2) != QColor(255, 214, 0));

    w.edMassaStart->setText("0");  // the run faults at its first step
    w.Button1->click();
    QCOMPARE(f.errors.size(), 1);
    QCOMPARE(Shown(), before);
    QVERIFY(!w.Results->isEnabled());

    w.edMassaStart->setText("0.18");
    w.Button1->click();
    QCOMPARE(f.errors.size(), 1);
    QVERIFY(w.Results->isEnabled());
    QVERIFY(w.Overlay->Band().isEmpty());
    QVERIFY(Shown() != before);
  }
};

}  // namespace
}  // namespace orv::test

QTEST_MAIN(orv::test::ResultsTest)
#include "results_test.moc"
