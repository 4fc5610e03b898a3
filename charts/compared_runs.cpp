#include "charts/compared_runs.h"

#include <algorithm>

#include "base/errors.h"
#include "base/number_text.h"
#include "files/csv_text.h"

namespace orv {
namespace {

std::string Assignment(const RunInput& input) {
  std::string text = (input.label.empty() ? input.name : input.label) + " = " + input.value;
  if (!input.unit.empty()) text += " " + input.unit;
  return text;
}

bool Differs(const ComparedRun& first, const ComparedRun& run, std::size_t k) {
  return k >= first.inputs.size() || first.inputs[k].value != run.inputs[k].value;
}

std::size_t KeyRank(std::string_view name) {
  return static_cast<std::size_t>(std::find(std::begin(kKeyInputs), std::end(kKeyInputs), name) -
                                  std::begin(kKeyInputs));
}

// The key inputs first, in their order, then the others in the run's order.
std::vector<std::size_t> NamingOrder(const ComparedRun& run) {
  std::vector<std::size_t> order(run.inputs.size());
  for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return KeyRank(run.inputs[a].name) < KeyRank(run.inputs[b].name);
  });
  return order;
}

}  // namespace

std::vector<RunInput> RunInputsOf(const FlightInputs& inputs, char decimalSeparator) {
  std::vector<RunInput> out;
  for (const InputInfo& info : InputTable())
    out.push_back({info.name,
                   FloatToText(inputs[static_cast<std::size_t>(info.id)], decimalSeparator),
                   info.csvUnit,
                   {}});
  return out;
}

ComparedRun CaptureRun(const SharedState& state, int number, std::vector<RunInput> inputs) {
  ComparedRun run;
  run.number = number;
  run.inputs = std::move(inputs);
  run.rows = std::clamp(state.RecordedRows, 0, kSampleRowsMax);
  run.samples.resize(static_cast<std::size_t>(run.rows) * kSampleColumns);
  for (int row = 1; row <= run.rows; ++row)
    for (const ColumnInfo& info : SampleColumns())
      run.samples[static_cast<std::size_t>(row - 1) * kSampleColumns +
                  static_cast<std::size_t>(Index(info.id))] =
          ToBaseUnit(info.id, state.Sample(info.id, row), state.fd);
  return run;
}

std::vector<std::string> LegendTexts(std::span<const ComparedRun> runs, char decimalSeparator) {
  const std::string between = decimalSeparator == ',' ? "; " : ", ";
  std::vector<std::string> texts;
  for (const ComparedRun& run : runs) {
    std::string named;
    const auto add = [&](const RunInput& input) {
      named += (named.empty() ? "" : between) + Assignment(input);
    };
    if (&run != &runs.front())
      for (std::size_t k : NamingOrder(run))
        if (Differs(runs.front(), run, k)) add(run.inputs[k]);
    if (!run.design.empty()) named = named.empty() ? run.design : run.design + ": " + named;
    if (named.empty())
      for (std::size_t k : NamingOrder(run))
        if (KeyRank(run.inputs[k].name) < std::size(kKeyInputs)) add(run.inputs[k]);
    texts.push_back(std::to_string(run.number) + ": " + named);
  }
  return texts;
}

std::string DifferingAssignments(const ComparedRun& first, const ComparedRun& run) {
  std::string text = run.design.empty() ? "" : "design=" + run.design;
  for (std::size_t k : NamingOrder(run))
    if (Differs(first, run, k))
      text += (text.empty() ? "" : " ") + run.inputs[k].name + "=" + run.inputs[k].value;
  return text;
}

std::string AxisTitle(Col c) {
  const ColumnInfo& info = ColumnInfoOf(c);
  return std::string(info.symbol) + ", " + info.unit;
}

ComparisonChart ComparisonOfRuns(std::span<const ComparedRun> runs, Col x, Col y, std::string note,
                                 char decimalSeparator) {
  if (runs.empty() || runs.size() > static_cast<std::size_t>(kMaxComparedCurves))
    throw InputFault("A comparison needs 1 to " + std::to_string(kMaxComparedCurves) + " runs, not " +
                     std::to_string(runs.size()));
  ComparisonChart chart;
  chart.xTitle = AxisTitle(x);
  chart.yTitle = AxisTitle(y);
  chart.note = std::move(note);
  const std::vector<std::string> legends = LegendTexts(runs, decimalSeparator);
  for (std::size_t k = 0; k < runs.size(); ++k) {
    const ComparedRun& run = runs[k];
    ChartCurve curve;
    curve.legend = legends[k];
    curve.style = CurveStyleOf(run.number - 1);
    for (int row = 1; row <= run.rows; ++row) {
      curve.x.push_back(run.At(row, x));
      curve.y.push_back(run.At(row, y));
    }
    chart.curves.push_back(std::move(curve));
  }
  return chart;
}

std::string ComparisonCsv(std::span<const ComparedRun> runs, Col x, Col y, bool decimalComma) {
  const CsvStyle style = CsvStyleFor(decimalComma);
  std::string csv;
  AppendCsvField(csv, "run", style);
  csv += style.separator;
  AppendCsvField(csv, "assignments", style);
  csv += style.separator;
  AppendCsvField(csv, ColumnHeading(x), style);
  csv += style.separator;
  AppendCsvField(csv, ColumnHeading(y), style);
  csv += kCsvLineEnd;
  for (const ComparedRun& run : runs) {
    for (int row = 1; row <= run.rows; ++row) {
      csv += std::to_string(run.number);
      csv += style.separator;
      AppendCsvField(csv, run.assignments, style);
      csv += style.separator;
      AppendCsvNumber(csv, run.At(row, x), style);
      csv += style.separator;
      AppendCsvNumber(csv, run.At(row, y), style);
      csv += kCsvLineEnd;
    }
  }
  return csv;
}

}  // namespace orv
