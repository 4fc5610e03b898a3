#include "cli/run_command.h"

#include <unistd.h>

#include <charconv>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <memory>
#include <mutex>
#include <nlohmann/json.hpp>
#include <optional>
#include <thread>

#include "base/errors.h"
#include "base/number_text.h"
#include "cli/interrupt.h"
#include "cli/message_text.h"
#include "cli/output_files.h"
#include "cli/summary_report.h"
#include "cli/usage_error.h"
#include "files/csv_export.h"
#include "files/csv_text.h"
#include "flight/flight_summary.h"
#include "flight/run_estimate.h"
#include "flight/start_flight.h"
#include "flight/step_check.h"

namespace orv::cli {
namespace {

// A run whose estimate exceeds this says so on a terminal, and how to stop it.
constexpr double kLongRunSeconds = 5;
// The estimate is made once the run has gone on this long.
constexpr auto kEstimateAfter = std::chrono::milliseconds(500);

std::string Duration(double seconds) {
  if (seconds < 120) return std::to_string(static_cast<long long>(seconds + 0.5)) + " s";
  if (seconds < 7200) return std::to_string(static_cast<long long>(seconds / 60 + 0.5)) + " min";
  return std::to_string(static_cast<long long>(seconds / 3600 + 0.5)) + " h";
}

// While it lives, watches the run on a thread of its own and, when the run will take
// long, tells the user on standard error once.
class LongRunNotice {
 public:
  // `dt0` is the Euler run's fixed step; 0 for the rk45 run, whose steps vary: its time
  // left is reckoned from the flight time it covers a second.
  LongRunNotice(const RunControl& control, double Tk, double dt0) {
    if (!isatty(STDERR_FILENO)) return;
    watcher_ = std::jthread([this, &control, Tk, dt0](std::stop_token stop) {
      const auto start = std::chrono::steady_clock::now();
      std::unique_lock lock(mutex_);
      wake_.wait_for(lock, stop, kEstimateAfter, [] { return false; });
      if (stop.stop_requested()) return;
      const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      const int pass = std::max(control.pass.load(std::memory_order_relaxed), 1);
      const double time = control.time.load(std::memory_order_relaxed);
      const std::int64_t steps = control.steps.load(std::memory_order_relaxed);
      const double stepsPerSecond = static_cast<double>(steps) / elapsed;
      RunEstimate estimate(Tk, dt0);
      const double left = dt0 > 0 ? estimate
                                        .Look(pass, time, steps,
                                              control.total.load(std::memory_order_relaxed), stepsPerSecond)
                                        .secondsLeft
                          : time > 0 ? elapsed * (Tk - time) / time
                                     : -1;
      if (left >= 0 && elapsed + left > kLongRunSeconds)
        ReportError("this run may take up to " + Duration(elapsed + left) + "; Ctrl+C stops it");
    });
  }

 private:
  std::mutex mutex_;
  std::condition_variable_any wake_;
  std::jthread watcher_;  // last: stopped and joined first
};

std::string SummaryJson(const FlightInputs& inputs, const FlightSummary& s, const StepCheck* check) {
  nlohmann::ordered_json json;
  for (const InputInfo& info : InputTable())
    json["inputs"][info.name] = inputs[static_cast<std::size_t>(info.id)];
  AddSummaryJson(json, s, check);
  return json.dump(2) + "\n";
}

}  // namespace

void CheckRunOutputs(const RunOutputs& outputs) {
  int onStandardOutput = 0;
  if (!outputs.noResultsFile) {
    CheckOutputPath("--out", outputs.resultsPath);
    onStandardOutput += outputs.resultsPath == kStandardOutput;
  }
  if (!outputs.csvPath.empty()) {
    CheckOutputPath("--csv", outputs.csvPath);
    onStandardOutput += outputs.csvPath == kStandardOutput;
  }
  for (const ChartOutput& chart : outputs.charts) {
    if (chart.path == kStandardOutput)
      throw UsageError("--chart " + chart.name + ": charts go to files, not '-'");
    CheckOutputPath("--chart " + chart.name, chart.path);
  }
  if (onStandardOutput > 1) throw UsageError("--out and --csv cannot both write to standard output");
  std::vector<NamedOutput> named;
  if (!outputs.noResultsFile) named.push_back({"--out", outputs.resultsPath});
  if (!outputs.csvPath.empty()) named.push_back({"--csv", outputs.csvPath});
  for (const ChartOutput& chart : outputs.charts) named.push_back({"--chart " + chart.name, chart.path});
  CheckDistinctOutputs(named);
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
      return InterruptedExitCode();
    } catch (const Fault& fault) {
      checkFault = fault.message();
    }
  }

  // Whatever fails after a file was written names the files that were.
  std::vector<std::string> written;
  const auto fail = [&](const std::string& what) {
    ReportError(what);
    if (!written.empty()) {
      std::string list;
      for (const std::string& path : written) list += (list.empty() ? "" : ", ") + Quoted(path);
      ReportError("written before this: " + list);
    }
    return kExitFault;
  };
  const auto write = [&](const std::string& path, const std::string& bytes) {
    std::string failure = WriteOutputOrSay(path, bytes);
    if (failure.empty() && path != kStandardOutput) written.push_back(path);
    return failure;
  };

  // START as the window's worker does it; the results file goes where --out says,
  // and a failure there ends the outputs, as it ends START before the chart.
  FlightOutcome outcome;
  std::string resultsFailure;
  if (const auto exit = FlyStudy([&](RunControl& control) {
        const LongRunNotice notice(control, state->fd.Tk(),
                                   method.method == FlightMethod::kEuler ? state->fd.dt0() : 0.0);
        ResultsSink results;
        if (!outputs.noResultsFile)
          results = [&](const std::string& table) { resultsFailure = write(outputs.resultsPath, table); };
        outcome = StartFlight(*state, method, &control, results);
      }))
    return *exit;
  if (!resultsFailure.empty()) return fail(resultsFailure);
  if (!outputs.csvPath.empty())
    if (const std::string failure = write(outputs.csvPath, FormatCsv(*state, outputs.decimalComma));
        !failure.empty())
      return fail(failure);
  const bool dataOnStandardOutput = (!outputs.noResultsFile && outputs.resultsPath == kStandardOutput) ||
                                    outputs.csvPath == kStandardOutput;

  std::vector<std::string> failures;
  if (!checkFault.empty()) failures.push_back("the step check at half the time step: " + checkFault);
  for (const ChartOutput& chart : outputs.charts) {
    if (Interrupted()) return InterruptedExitCode();
    std::string failure;
    try {
      failure = write(chart.path, ChartFileBytes(*state, chart));
    } catch (const Fault& fault) {
      failure = "chart " + chart.name + ": " + fault.message();
    }
    if (!failure.empty()) failures.push_back(failure);
  }

  const FlightSummary summary = Summarize(*state, outcome);
  const StepCheck* checked = check ? &*check : nullptr;
  const std::string report =
      outputs.json ? SummaryJson(inputs, summary, checked) : SummaryText(summary, checked);
  if (dataOnStandardOutput) {
    std::fputs(report.c_str(), stderr);
  } else if (const std::string failure = write(kStandardOutput, report); !failure.empty()) {
    failures.push_back(failure);
  }
  if (failures.empty()) return kExitSuccess;
  for (std::size_t i = 0; i + 1 < failures.size(); ++i) ReportError(failures[i]);
  return fail(failures.back());
}

}  // namespace orv::cli
