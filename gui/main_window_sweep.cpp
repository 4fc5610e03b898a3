// The sweep of one input and the search for its best value, from the chart area's
// menu: the grid flies on all processors behind the progress window, its answer is
// drawn in the chart area as the comparison chart draws (round ticks, units, the
// greatest and smallest value marked), and a value found can go into its field.
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <atomic>

#include "base/decimal_grid.h"
#include "base/errors.h"
#include "base/number_text.h"
#include "base/processors.h"
#include "charts/compared_runs.h"
#include "charts/comparison_chart.h"
#include "flight/best_value.h"
#include "flight/parallel_runs.h"
#include "flight/sweep_rows.h"
#include "gui/main_window.h"
#include "gui/qt_text.h"
#include "gui/result_texts.h"
#include "gui/run_worker.h"
#include "gui/study_texts.h"
#include "gui/sweep_dialog.h"
#include "gui/tool_texts.h"
#include "toolkit/wait_cursor.h"

namespace orv {
namespace {

// More would make the window wait long with nothing to read in the chart.
constexpr std::size_t kMostSweepValues = 100000;

MethodChoice MethodOf(const SweepChoice& choice) {
  return choice.accurate ? MethodChoice{FlightMethod::kRk45, kDefaultTolerance} : MethodChoice{};
}

// 6 significant digits, as every figure of the window.
std::string FigureText(const SummaryValue& v, double value, Language language, char separator) {
  return FormatGeneral(value, 6, 2, separator) + " " + UnitText(v.Unit(), language);
}

// "H, м": the symbol of a column and its unit in the user's language.
std::string ColumnAxisTitle(Col c, Language language) {
  const ColumnInfo& info = ColumnInfoOf(c);
  return std::string(info.symbol) + ", " + UnitText(info.unit, language);
}

}  // namespace

void TForm2::SweepClick() {
  SweepChoice initial = sweepChoice_;
  if (initial.from.isEmpty() || !HasShownField(InfoOf(initial.input))) {
    FillAround(initial, InfoOf(initial.input).slot(state_.fd), Separator());
  }
  const std::optional<SweepChoice> choice =
      sweepDialog_ ? sweepDialog_(this, UserLanguage(), initial)
                   : AskSweepChoice(this, UserLanguage(), initial, state_.fd, Separator());
  if (!choice) return;
  sweepChoice_ = *choice;
  if (!sweepChoice_.result) sweepChoice_.result = &SummaryValues()[1];
  if (choice->action == SweepChoice::Action::kFindBest)
    FindBest(sweepChoice_);
  else
    Sweep(sweepChoice_);
}

// The dialog's texts as the grid's values; a fault in the user's words otherwise.
std::vector<double> TForm2::GridOf(const SweepChoice& choice) const {
  const SweepTexts& texts = SweepText();
  double from = 0, to = 0, step = 0;
  TextToFloat(choice.from.toStdString(), Separator(), from);
  TextToFloat(choice.to.toStdString(), Separator(), to);
  TextToFloat(choice.step.toStdString(), Separator(), step);
  if (step == 0 || (to - from) * step < 0 || !std::isfinite((to - from) / step))
    throw InputFault(Pick(texts.badStep, UserLanguage()));
  if (!((to - from) / step < static_cast<double>(kMostSweepValues)))
    throw InputFault(Text(texts.tooMany, UserLanguage()).arg(kMostSweepValues).toStdString());
  const auto point = [this](const QString& text) {
    std::string s = text.trimmed().toStdString();
    std::replace(s.begin(), s.end(), Separator(), '.');
    return s;
  };
  return DecimalGrid(point(choice.from), point(choice.to), point(choice.step));
}

void TForm2::Sweep(const SweepChoice& choice) {
  const std::vector<double> values = GridOf(choice);
  const FlightInputs inForce = InputsInForce(state_.fd);
  std::vector<FlightInputs> runs(values.size(), inForce);
  for (std::size_t i = 0; i < values.size(); ++i) runs[i][static_cast<std::size_t>(choice.input)] = values[i];
  const MethodChoice method = MethodOf(choice);

  RunControl control;
  std::atomic<std::int64_t> done{0};
  std::vector<RunAnswer> answers;
  const QString of = Text(SweepText().flightOf, UserLanguage());
  const ProgressLook look = CountedProgress(control, done, static_cast<std::int64_t>(runs.size()), of);
  WaitCursor wait;
  RunJobOnWorker(this, UserLanguage(), control, look,
                 [&] { answers = FlyAll(runs, method, UsableProcessors(), control, &done); });

  // The chart: the figure against the input, every run a point, its extremes marked.
  const SummaryValue& figure = *choice.result;
  const InputInfo& info = InfoOf(choice.input);
  ShownSweep shown;
  shown.chart.xTitle = InputAxisTitle(info.id, UserLanguage());
  shown.chart.yTitle = ColumnAxisTitle(figure.column, UserLanguage());
  shown.chart.note = MethodNote(method, UserLanguage());
  ChartCurve curve;
  curve.x = values;
  curve.style = CurveStyleOf(0);
  curve.markers = values.size() <= 100 ? MarkerPlacement::kEveryPoint : MarkerPlacement::kSpaced;
  curve.markExtremes = true;
  const CsvStyle style = CsvStyleFor(Separator() == ',');
  const Input varied[] = {choice.input};
  shown.csv = SweepHeaderText(varied, style);
  std::optional<std::size_t> greatest, smallest;
  for (std::size_t i = 0; i < answers.size(); ++i) {
    const RunAnswer& a = answers[i];
    const double y = a.summary ? (*a.summary).*figure.member : std::nan("");
    curve.y.push_back(y);
    AppendSweepRow(shown.csv, std::span(&values[i], 1), a.summary ? &*a.summary : nullptr, a.fault, style);
    if (!std::isfinite(y)) continue;
    if (!greatest || y > curve.y[*greatest]) greatest = i;
    if (!smallest || y < curve.y[*smallest]) smallest = i;
  }
  shown.chart.curves.push_back(std::move(curve));
  ShowStudyChart(shown.chart);
  shownSweep_ = std::move(shown);
  for (QAction* a : {SavePngAction, SaveSvgAction, CopyChartAction, ExportCsvAction}) a->setEnabled(true);

  std::vector<StudyValue> marked;
  const SweepTexts& texts = SweepText();
  const std::vector<double>& ys = shownSweep_->chart.curves.front().y;
  if (greatest) marked.push_back({texts.greatestAt, values[*greatest], ys[*greatest]});
  if (smallest) marked.push_back({texts.smallestAt, values[*smallest], ys[*smallest]});
  ShowStudyValues(choice, marked);
}

void TForm2::FindBest(const SweepChoice& choice) {
  const std::vector<double> values = GridOf(choice);
  BestValueSearch search;
  search.inputs = InputsInForce(state_.fd);
  search.over = choice.input;
  search.from = std::min(values.front(), values.back());
  search.to = std::max(values.front(), values.back());
  if (!(search.from < search.to)) throw InputFault(Pick(SweepText().badStep, UserLanguage()));
  search.result = choice.result;
  search.maximize = choice.greatest;
  search.method = MethodOf(choice);
  RunControl control;
  BestValue best;
  WaitCursor wait;
  const QString heading = Text(SweepText().findBest, UserLanguage());
  const ProgressLook look = HeadingProgress(control, heading);
  RunJobOnWorker(this, UserLanguage(), control, look,
                 [&] { best = FindBestValue(search, UsableProcessors(), control); });
  ShowStudyValues(choice, {{SweepText().bestAt, best.value, best.summary.*(choice.result->member)}});
}

// The marked values, each with a button that puts it into the input's field.
void TForm2::ShowStudyValues(const SweepChoice& choice, const std::vector<StudyValue>& values) {
  const Language language = UserLanguage();
  auto* answer = new QDialog(this);
  answer->setObjectName(QStringLiteral("StudyValues"));
  answer->setWindowTitle(Text(SweepText().menu, language).remove(QStringLiteral("...")));
  auto* layout = new QGridLayout(answer);
  const SummaryValue& figure = *choice.result;
  for (std::size_t row = 0; row < values.size(); ++row) {
    const StudyValue& v = values[row];
    auto* text =
        new QLabel(Text(v.text, language)
                       .arg(Text(SummaryLabel(figure), language),
                            QString::fromStdString(FigureText(figure, v.figure, language, Separator())),
                            QString::fromStdString(
                                InputAssignment(choice.input, FloatToText(v.value, Separator()), language))),
                   answer);
    auto* use = new QPushButton(Text(SweepText().use, language), answer);
    use->setObjectName(QStringLiteral("use%1").arg(row));
    const Input input = choice.input;
    const double value = v.value;
    connect(use, &QPushButton::clicked, this, [this, input, value] {
      Guarded([&] {
        EditOf(*InfoOf(input).field)->setText(QString::fromStdString(FloatToText(value, Separator())));
      });
    });
    layout->addWidget(text, static_cast<int>(row), 0);
    layout->addWidget(use, static_cast<int>(row), 1);
  }
  // Which method gave these figures: a later START flies the classic run.
  auto* method = new QLabel(QString::fromStdString(MethodLabel(
                                MethodOf(choice), InfoOf(Input::kDt).slot(state_.fd), language, Separator())),
                            answer);
  method->setObjectName(QStringLiteral("method"));
  layout->addWidget(method, static_cast<int>(values.size()), 0, 1, 2);
  auto* close = new QPushButton(Text(StepCheckText().close, language), answer);
  close->setObjectName(QStringLiteral("closeButton"));
  connect(close, &QPushButton::clicked, answer, &QDialog::close);
  layout->addWidget(close, static_cast<int>(values.size()) + 1, 1);
  ShowStudyAnswer(answer);
}

}  // namespace orv
