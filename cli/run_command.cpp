#include "cli/run_command.h"

#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>

#include "base/errors.h"
#include "base/number_text.h"
#include "cli/interrupt.h"
#include "cli/output_files.h"
#include "cli/usage_error.h"
#include "files/csv_export.h"
#include "files/csv_text.h"
#include "flight/flight_summary.h"
#include "flight/start_flight.h"
#include "flight/step_check.h"

namespace orv::cli {
namespace {

void Report(const std::string& what) { std::fprintf(stderr, "orvantis-cli: %s\n", what.c_str()); }

std::string SummaryKey(const SummaryValue& v) { return std::string(v.key) + "_" + v.JsonUnit(); }

std::string Number(double v) {
  std::string s;
  AppendCsvNumber(s, v, kCsvPoint);
  return s;
}

// One line a figure; with a step check each value is cut to the digits that its
// step error leaves meaningful: "range  6.9396 m (step error about 0.0006 m)".
std::string SummaryText(const FlightSummary& s, const StepCheck* check) {
  constexpr int kLabelWidth = 27;
  std::string text;
  const auto line = [&](const std::string& label, const std::string& value, const std::string& unit) {
    text += label;
    text.append(static_cast<std::size_t>(kLabelWidth) - label.size(), ' ');
    text += value;
    if (!unit.empty()) text += " " + unit;
  };
  line("method", MethodText(s.method), "");
  line("steps per pass", std::to_string(s.stepsPerPass), "");
  text += '\n';
  for (const SummaryValue& v : SummaryValues()) {
    const std::string unit(v.Unit());
    if (!check) {
      line(v.label, Number(s.*v.member), unit);
    } else {
      const ValueAndError rounded = RoundToError(s.*v.member, check->Error(v), '.');
      line(v.label, rounded.value, unit);
      text += " (step error about " + rounded.error + (unit.empty() ? "" : " ") + unit + ")";
    }
    text += '\n';
  }
  return text;
}

std::string SummaryJson(const FlightInputs& inputs, const FlightSummary& s, const StepCheck* check) {
  nlohmann::ordered_json json;
  for (const InputInfo& info : InputTable())
    json["inputs"][info.name] = inputs[static_cast<std::size_t>(info.id)];
  json["method"] = MethodName(s.method.method);
  if (s.method.method == FlightMethod::kRk45) json["tolerance"] = s.method.tolerance;
  json["steps_per_pass"] = s.stepsPerPass;
  for (const SummaryValue& v : SummaryValues()) json[SummaryKey(v)] = s.*v.member;
  if (check)
    for (const SummaryValue& v : SummaryValues()) json["step_check"][SummaryKey(v)] = check->Error(v);
  return json.dump(2) + "\n";
}

}  // namespace

void CheckRunOutputs(const RunOutputs& outputs) {
  int onStandardOutput = 0;
  if (!outputs.noResultsFile) {
    CheckOutputFolder("--out", outputs.resultsPath);
    onStandardOutput += outputs.resultsPath == kStandardOutput;
  }
  if (!outputs.csvPath.empty()) {
    CheckOutputFolder("--csv", outputs.csvPath);
    onStandardOutput += outputs.csvPath == kStandardOutput;
  }
  for (const ChartOutput& chart : outputs.charts) {
    if (chart.path == kStandardOutput)
      throw UsageError("--chart " + chart.name + ": charts go to files, not '-'");
    CheckOutputFolder("--chart " + chart.name, chart.path);
  }
  if (onStandardOutput > 1) throw UsageError("--out and --csv cannot both write to standard output");
}

int ExecuteRun(const FlightInputs& inputs, const MethodChoice& method, const RunOutputs& outputs) {
  CheckRunOutputs(outputs);
  // The check halves the Euler step; the rk45 run has no step to halve.
  if (outputs.checkStep && method.method != FlightMethod::kEuler)
    throw UsageError("--check-step applies to --method euler only");
  auto state = std::make_unique<SharedState>();
  ApplyInputs(inputs, state->fd);

  // The step check flies before anything is written, so that Ctrl+C during it still
  // writes nothing; its fault costs only the step errors.
  std::optional<StepCheck> check;
  std::string checkFault;
  if (outputs.checkStep) {
    try {
      RunControl control;
      const InterruptScope interrupt(control);
      check = CheckTimeStep(state->fd, &control);
    } catch (const RunCancelled&) {
      return kExitInterrupted;
    } catch (const Fault& fault) {
      checkFault = fault.what();
    }
  }

  const auto write = [](const std::string& path, const std::string& bytes) {
    try {
      WriteOutput(path, bytes);
      return true;
    } catch (const Fault& fault) {
      Report((path == kStandardOutput ? std::string("standard output") : path) + ": " + fault.what());
      return false;
    }
  };

  // START as the window's worker does it; the results file goes where --out says,
  // and a failure there ends the outputs, as it ends START before the chart.
  FlightOutcome outcome;
  bool resultsWritten = true;
  try {
    RunControl control;
    const InterruptScope interrupt(control);
    ResultsSink results;
    if (!outputs.noResultsFile)
      results = [&](const std::string& table) { resultsWritten = write(outputs.resultsPath, table); };
    outcome = StartFlight(*state, method, &control, results);
  } catch (const RunCancelled&) {
    return kExitInterrupted;
  } catch (const Fault& fault) {
    Report(fault.what());
    return kExitFault;
  }
  if (!resultsWritten) return kExitFault;
  if (!outputs.csvPath.empty() && !write(outputs.csvPath, FormatCsv(*state, outputs.decimalComma)))
    return kExitFault;
  const bool dataOnStandardOutput = (!outputs.noResultsFile && outputs.resultsPath == kStandardOutput) ||
                                    outputs.csvPath == kStandardOutput;

  int exitCode = kExitSuccess;
  if (!checkFault.empty()) {
    Report("the step check at half the time step: " + checkFault);
    exitCode = kExitFault;
  }
  for (const ChartOutput& chart : outputs.charts) {
    if (Interrupted()) return kExitInterrupted;
    std::string bytes;
    try {
      bytes = ChartFileBytes(*state, chart);
    } catch (const Fault& fault) {
      Report("chart " + chart.name + ": " + fault.what());
      exitCode = kExitFault;
      continue;
    }
    if (!write(chart.path, bytes)) exitCode = kExitFault;
  }

  const FlightSummary summary = Summarize(*state, outcome);
  const StepCheck* checked = check ? &*check : nullptr;
  const std::string report =
      outputs.json ? SummaryJson(inputs, summary, checked) : SummaryText(summary, checked);
  std::fputs(report.c_str(), dataOnStandardOutput ? stderr : stdout);
  return exitCode;
}

}  // namespace orv::cli
