// Where to aim, from the chart area's menu: the angles through a target point with
// the danger space, the range table of the last run, and the chance of a hit of a
// spread launch. Each flies behind the progress window (shown from 0.3 s on, with
// Cancel), numbers read and written with the locale's decimal separator.
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>

#include "base/errors.h"
#include "base/number_text.h"
#include "base/processors.h"
#include "charts/compared_runs.h"
#include "charts/comparison_chart.h"
#include "flight/path_flight.h"
#include "flight/range_table.h"
#include "flight/spread.h"
#include "gui/aim_dialogs.h"
#include "gui/aim_texts.h"
#include "gui/main_window.h"
#include "gui/qt_text.h"
#include "gui/result_texts.h"
#include "gui/run_worker.h"
#include "gui/study_texts.h"
#include "gui/tool_texts.h"
#include "toolkit/edit_field.h"
#include "toolkit/wait_cursor.h"

namespace orv {
namespace {

const MethodChoice kStudyMethod{FlightMethod::kRk45, kDefaultTolerance};

// Bins of the histogram of heights.
constexpr int kHistogramBins = 40;

}  // namespace

void TForm2::InstallAimStudies() {
  const auto action = [this](void (TForm2::*handler)()) {
    auto* a = new QAction(this);
    connect(a, &QAction::triggered, this,
            [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
    return a;
  };
  AimAction = action(&TForm2::AimClick);
  RangeTableAction = action(&TForm2::RangeTableClick);
  RangeTableAction->setEnabled(false);  // until a run has inputs to tabulate
  SpreadAction = action(&TForm2::SpreadClick);
}

void TForm2::SetAimTexts() {
  const Language language = UserLanguage();
  AimAction->setText(Text(AimText().menu, language));
  RangeTableAction->setText(Text(RangeTableText().menu, language));
  SpreadAction->setText(Text(SpreadText().menu, language));
}

QString TForm2::Fixed(double angle) const {
  // To 0.001 degree, as a user sets the angle.
  char text[64];
  const auto end = std::to_chars(text, text + sizeof text, angle, std::chars_format::fixed, 3).ptr;
  std::string s(text, end);
  std::replace(s.begin(), s.end(), '.', Separator());
  return QString::fromStdString(s);
}

std::string TForm2::NumberText(double value, int digits) const {
  return FormatGeneral(value, digits, 2, Separator());
}

// As the window's fields read: a point or a comma as the separator in every
// language, and a text that is no number named in the user's words.
double TForm2::ReadNumber(const QLineEdit* edit) const {
  double value = 0;
  try {
    ReadValue(edit, Separator(), value);
  } catch (const ConvertFault&) {
    throw ConvertFault(ConvertText(UserLanguage(), edit->text().toStdString()));
  }
  return value;
}

// The last target aimed at, in a study's target fields.
void TForm2::FillTarget(QLineEdit* range, QLineEdit* height) const {
  if (!aimTarget_) return;
  range->setText(QString::fromStdString(NumberText(aimTarget_->range, 15)));
  height->setText(QString::fromStdString(NumberText(aimTarget_->height, 15)));
}

// A target ahead of the launch point and not below the end height, or InputFault.
Target TForm2::ReadTarget(const QLineEdit* range, const QLineEdit* height, const FlightInputs& inputs) const {
  const Target target{ReadNumber(range), ReadNumber(height)};
  if (!(target.range > 0) || !std::isfinite(target.range) || !std::isfinite(target.height) ||
      target.height < inputs[static_cast<std::size_t>(Input::kHk)])
    throw InputFault(Pick(AimText().badTarget, UserLanguage()));
  return target;
}

void TForm2::AimClick() {
  auto* dialog = new AimDialog(this, UserLanguage());
  FillTarget(dialog->range, dialog->height);
  connect(dialog->find, &QPushButton::clicked, this,
          [this, dialog] { Guarded([&] { FindAimFor(dialog); }); });
  ShowStudyAnswer(dialog);
}

void TForm2::FindAimFor(AimDialog* dialog) {
  const Language language = UserLanguage();
  const AimTexts& t = AimText();
  const FlightInputs inputs = InputsInForce(state_.fd);
  const Target target = ReadTarget(dialog->range, dialog->height, inputs);
  const double size = ReadNumber(dialog->size);
  if (!(size >= 0) || !std::isfinite(size)) throw InputFault(Pick(t.badTarget, language));

  RunControl control;
  AimResult aim;
  std::optional<DangerSpace> danger;
  {
    WaitCursor wait;
    RunJobOnWorker(this, language, control, HeadingProgress(control, Text(t.searching, language)), [&] {
      aim = FindAim(inputs, kStudyMethod, target, UsableProcessors(), control);
      if (size > 0 && !aim.solutions.empty()) {
        FlightInputs aimed = inputs;
        aimed[static_cast<std::size_t>(Input::kAngle)] = aim.solutions.front().angle;
        danger = FindDangerSpace(aimed, kStudyMethod, target, size, &control);
      }
    });
  }
  aimTarget_ = target;  // shown on the height-range charts from the next START on

  const auto number = [this](double v, const char* unit) {
    return QString::fromStdString(NumberText(v, 6) + " " + UnitText(unit, UserLanguage()));
  };
  dialog->solutions->setRowCount(0);
  for (std::size_t i = 0; i < aim.solutions.size(); ++i) {
    const AimSolution& s = aim.solutions[i];
    const int row = static_cast<int>(i);
    dialog->solutions->insertRow(row);
    const QString cells[] = {Text(i == 0 ? t.direct : t.lobbed, language),
                             Fixed(s.angle),
                             QString::fromStdString(NumberText(s.at.t, 6)),
                             QString::fromStdString(NumberText(s.at.V, 6)),
                             QString::fromStdString(NumberText(s.energy, 6)),
                             QString::fromStdString(NumberText(s.at.Q * kDegreesPerRadian, 6))};
    for (int c = 0; c < 6; ++c) dialog->solutions->setItem(row, c, new QTableWidgetItem(cells[c]));
    auto* use = new QPushButton(Text(t.use, language));
    use->setObjectName(QStringLiteral("useAngle%1").arg(row));
    const QString angle = cells[1];
    connect(use, &QPushButton::clicked, this, [this, angle] { Guarded([&] { EdTTO->setText(angle); }); });
    dialog->solutions->setCellWidget(row, 6, use);
  }
  if (aim.solutions.empty())
    dialog->answer->setText(
        aim.furthest ? Text(t.outOfReach, language).arg(number(*aim.furthest, "m"), Fixed(*aim.furthestAngle))
                     : Text(t.noneRises, language).arg(number(aim.highest, "m"), Fixed(aim.highestAngle)));
  else if (danger)
    dialog->answer->setText(
        Text(t.danger, language)
            .arg(number(danger->from, "m"), number(danger->to, "m"), number(danger->Length(), "m")));
  else
    dialog->answer->clear();
}

void TForm2::RangeTableClick() {
  if (!lastRunStart_) return;
  auto* dialog = new RangeTableDialog(this, UserLanguage());
  const FlightInputs inputs = InputsInForce(*lastRunStart_);
  auto rows = std::make_shared<std::vector<RangeRow>>();
  connect(dialog->show, &QPushButton::clicked, this,
          [this, dialog, inputs, rows] { Guarded([&] { FillRangeTable(dialog, inputs, *rows); }); });
  // Copy: tab-separated with a heading line, as spreadsheets paste it.
  connect(dialog->copy, &QPushButton::clicked, this, [this, dialog, rows] {
    QString text;
    for (int c = 0; c < dialog->table->columnCount(); ++c)
      text += (c ? QStringLiteral("\t") : QString()) + dialog->table->horizontalHeaderItem(c)->text();
    text += QLatin1Char('\n');
    for (const RangeRow& row : *rows) {
      for (const RangeColumn& c : RangeColumns())
        text += (&c == RangeColumns().data() ? QString() : QStringLiteral("\t")) +
                QString::fromStdString(FloatToText(row.*c.member, Separator()));
      text += QLatin1Char('\n');
    }
    QGuiApplication::clipboard()->setText(text);
  });
  // Export CSV: the command line's bytes for the same rows.
  connect(dialog->exportCsv, &QPushButton::clicked, this, [this, rows] {
    Guarded([&] {
      SaveAs(ExportDataTitle(), QStringLiteral("Orvantis_range_table.csv"), QStringLiteral("CSV (*.csv)"),
             [this, rows] { return RangeTableCsv(*rows, CsvStyleFor(Separator() == ',')); });
    });
  });
  ShowStudyAnswer(dialog);
  Guarded([&] { FillRangeTable(dialog, inputs, *rows); });
}

void TForm2::FillRangeTable(RangeTableDialog* dialog, const FlightInputs& inputs,
                            std::vector<RangeRow>& rows) {
  const double step = ReadNumber(dialog->step);
  double speedPassedZeroAt = 0;
  RunControl control;
  {
    WaitCursor wait;
    RunJobOnWorker(
        this, UserLanguage(), control,
        HeadingProgress(control, Text(RangeTableText().menu, UserLanguage()).remove(QStringLiteral("..."))),
        [&] {
          // The landing bounds the rows; a step too fine for it is refused.
          const RangeCrossing far =
              FlyToRange(*std::make_unique<SharedState>(), inputs, kStudyMethod, HUGE_VAL, &control);
          if (!(step > 0) || !(far.end.X / step <= kRangeTableRowsMax))
            throw InputFault(Pick(RangeTableText().badStep, UserLanguage()));
          rows = RangeTable(inputs, kStudyMethod, step, std::nullopt, &control, &speedPassedZeroAt);
        });
  }
  dialog->table->setRowCount(static_cast<int>(rows.size()));
  for (std::size_t r = 0; r < rows.size(); ++r) {
    int c = 0;
    for (const RangeColumn& column : RangeColumns())
      dialog->table->setItem(
          static_cast<int>(r), c++,
          new QTableWidgetItem(QString::fromStdString(NumberText(rows[r].*column.member, 6))));
  }
  // A table that ends where the speed passed zero, not at a landing, says so.
  const bool passedZero = !std::isnan(speedPassedZeroAt);
  if (passedZero) {
    const WarningTexts& w = WarningText();
    dialog->warning->setText(Text(w.name, UserLanguage()) + QStringLiteral(": ") +
                             Text(w.speedPassedZero, UserLanguage())
                                 .arg(QString::fromStdString(NumberText(speedPassedZeroAt, 6) + " " +
                                                             UnitText("s", UserLanguage()))));
  }
  dialog->warning->setVisible(passedZero);
}

void TForm2::SpreadClick() {
  auto* dialog = new SpreadDialog(this, UserLanguage());
  FillTarget(dialog->range, dialog->height);
  connect(dialog->run, &QPushButton::clicked, this,
          [this, dialog] { Guarded([&] { RunSpreadFor(dialog); }); });
  ShowStudyAnswer(dialog);
}

void TForm2::RunSpreadFor(SpreadDialog* dialog) {
  const Language language = UserLanguage();
  const SpreadTexts& t = SpreadText();
  SpreadSetup setup;
  setup.inputs = InputsInForce(state_.fd);
  setup.method = kStudyMethod;
  setup.target = ReadTarget(dialog->range, dialog->height, setup.inputs);
  setup.radius = ReadNumber(dialog->radius);
  const double draws = ReadNumber(dialog->draws);
  const Input inputs[] = {Input::kV0, Input::kAngle, Input::kCx, Input::kMass};
  bool fine = setup.radius >= 0 && std::isfinite(setup.radius) && draws >= 1 &&
              draws <= static_cast<double>(kSpreadDrawsMax) && draws == std::floor(draws);
  for (std::size_t k = 0; k < dialog->sd.size(); ++k) {
    const double sd = ReadNumber(dialog->sd[k]);
    fine = fine && sd >= 0 && std::isfinite(sd);
    if (sd > 0) setup.spreads.push_back({inputs[k], sd});
  }
  if (!fine) throw InputFault(Pick(t.badValue, language));
  setup.draws = static_cast<std::int64_t>(draws);
  setup.seed = 1;
  setup.keepDraws = true;

  const bool aimFirst = dialog->aimFirst->isChecked();
  RunControl control;
  std::atomic<std::int64_t> done{0};
  SpreadResult result;
  const std::int64_t flights = SpreadFlights(setup);
  const QString of = Text(t.drawOf, language);
  const ProgressLook look = CountedProgress(control, done, flights, of);
  {
    WaitCursor wait;
    RunJobOnWorker(this, language, control, look, [&] {
      if (aimFirst) {
        const AimResult aim = FindAim(setup.inputs, kStudyMethod, setup.target, UsableProcessors(), control);
        if (aim.solutions.empty())
          throw InputFault(Text(AimText().outOfReach, language)
                               .arg(QString::fromStdString(NumberText(aim.furthest.value_or(0), 6) + " " +
                                                           UnitText("m", language)),
                                    Fixed(aim.furthestAngle.value_or(0)))
                               .toStdString());
        setup.inputs[static_cast<std::size_t>(Input::kAngle)] = aim.solutions.front().angle;
      }
      result = RunSpread(setup, UsableProcessors(), control, &done);
    });
  }
  aimTarget_ = setup.target;

  // The answer in words: the chance, the height's mean and spread, each input's share.
  const auto n = [this](double v) { return QString::fromStdString(NumberText(v, 6)); };
  const QString metres = QLatin1Char(' ') + QString::fromStdString(UnitText("m", language));
  QString text = Text(t.chance, language).arg(n(result.hitShare), n(result.hitLow), n(result.hitHigh));
  text += QLatin1Char('\n') +
          Text(t.mean, language).arg(n(result.heightMean) + metres, n(result.heightSd) + metres);
  text += QLatin1Char('\n') + Text(t.notReached, language).arg(n(result.notReachedShare));
  double variance = 0;
  for (const double sd : result.heightSdByInput) variance += sd * sd;
  for (std::size_t k = 0; k < setup.spreads.size(); ++k) {
    const double sd = result.heightSdByInput[k];
    text += QLatin1Char('\n') + Text(t.byInput, language)
                                    .arg(QString::fromLatin1(InfoOf(setup.spreads[k].input).name),
                                         n(sd) + metres, n(variance > 0 ? sd * sd / variance : 0));
  }
  dialog->answer->setText(text);

  // The histogram of the heights at the target's range, the target's band marked by
  // two upright lines, in the chart area as a sweep is drawn.
  double low = HUGE_VAL, high = -HUGE_VAL;
  for (const DrawAtTarget& d : result.each)
    if (!std::isnan(d.height)) low = std::min(low, d.height), high = std::max(high, d.height);
  const double bandLow = setup.target.height - setup.radius, bandHigh = setup.target.height + setup.radius;
  low = std::min(low, bandLow);
  high = std::max(high, bandHigh);
  const double width = high > low ? (high - low) / kHistogramBins : 1.0;
  std::vector<double> counts(kHistogramBins, 0.0);
  for (const DrawAtTarget& d : result.each)
    if (!std::isnan(d.height))
      ++counts[static_cast<std::size_t>(
          std::clamp(static_cast<int>((d.height - low) / width), 0, kHistogramBins - 1))];
  ShownSweep shown;
  shown.fileName = "Orvantis_spread";
  shown.chart.xTitle = Pick(t.histogramX, language);
  shown.chart.yTitle = Pick(t.histogramY, language);
  shown.chart.note = MethodNote(kStudyMethod, language);
  ChartCurve bars;
  bars.style = CurveStyleOf(0);
  for (int b = 0; b < kHistogramBins; ++b) {
    const double from = low + width * b, to = from + width;
    for (const double x : {from, from, to, to}) bars.x.push_back(x);
    for (const double y :
         {0.0, counts[static_cast<std::size_t>(b)], counts[static_cast<std::size_t>(b)], 0.0})
      bars.y.push_back(y);
  }
  const double top = *std::max_element(counts.begin(), counts.end());
  shown.chart.curves.push_back(std::move(bars));
  for (const double edge : {bandLow, bandHigh}) {
    ChartCurve line;
    line.style = CurveStyleOf(1);
    line.x = {edge, edge};
    line.y = {0.0, top};
    shown.chart.curves.push_back(std::move(line));
  }
  shown.csv = SpreadCsv(setup, result, CsvStyleFor(Separator() == ','));
  ShowStudyChart(shown.chart);
  shownSweep_ = std::move(shown);
  for (QAction* a : {SavePngAction, SaveSvgAction, CopyChartAction, ExportCsvAction}) a->setEnabled(true);
}

// The target's cross over a chart of height against range, from the run's table.
void TForm2::ShowTargetCross() {
  std::optional<QPoint> cross;
  if (aimTarget_ && shownChart_ && shownChart_->column[0] == Index(Col::kRange)) {
    for (int k = 1; k < shownChart_->count; ++k) {
      if (shownChart_->column[static_cast<std::size_t>(k)] != Index(Col::kHeight)) continue;
      try {
        const ChartPlot plot = PlotOf(state_, *shownChart_);
        const double x = aimTarget_->range / ToBaseUnit(Col::kRange, 1.0, state_.fd);
        const double y = aimTarget_->height / ToBaseUnit(Col::kHeight, 1.0, state_.fd);
        cross = QPoint(plot.PixelOf(x), plot.RowOf(Index(Col::kHeight), y));
      } catch (const Fault&) {
      }
    }
  }
  Overlay->SetCross(cross);
}

}  // namespace orv
