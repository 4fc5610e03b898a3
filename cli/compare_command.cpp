#include "cli/compare_command.h"

#include <cstdio>
#include <memory>
#include <optional>
#include <sstream>

#include "base/errors.h"
#include "base/processors.h"
#include "charts/compared_runs.h"
#include "cli/chart_outputs.h"
#include "cli/interrupt.h"
#include "cli/message_text.h"
#include "cli/output_files.h"
#include "cli/png_module.h"
#include "cli/usage_error.h"
#include "flight/compared_flight.h"
#include "flight/parallel_runs.h"

namespace orv::cli {
namespace {

// Chart labels and the legend on the command line always use a point.
constexpr char kDecimalPoint = '.';

std::string InputNames() {
  std::string names;
  for (const InputInfo& info : InputTable()) names += (names.empty() ? "" : ", ") + std::string(info.name);
  return names;
}

Col ParseQuantity(const char* option, const std::string& name) {
  if (const std::optional<Col> c = FindColumn(name)) return *c;
  throw UsageError(std::string(option) + ": no quantity is called '" + name + "' (" + QuantityNames() + ")");
}

struct Case {
  FlightInputs inputs;
  std::string assignments;  // as given, one blank between them
};

// "v0=35 mass=0.2" over the common inputs.
Case ParseCase(int number, const std::string& text, const FlightInputs& common) {
  const std::string where = "--case " + std::to_string(number);
  Case c{common, {}};
  std::array<bool, kInputCount> given{};
  std::istringstream words(text);
  for (std::string word; words >> word;) {
    const std::size_t equals = word.find('=');
    if (equals == std::string::npos || equals == 0 || equals + 1 == word.size())
      throw UsageError(where + ": expected NAME=VALUE, not '" + word + "'");
    const std::string name = word.substr(0, equals);
    const std::optional<Input> input = FindInput(name);
    if (!input) throw UsageError(where + ": no input is called '" + name + "' (" + InputNames() + ")");
    const auto i = static_cast<std::size_t>(*input);
    if (given[i]) throw UsageError(where + ": " + name + " is given twice");
    given[i] = true;
    c.inputs[i] = ParseInputValue(where + " " + name, word.substr(equals + 1));
    c.assignments += (c.assignments.empty() ? "" : " ") + word;
  }
  return c;
}

}  // namespace

std::string QuantityNames() {
  std::string names;
  for (const ColumnInfo& info : SampleColumns())
    if (info.filled) names += (names.empty() ? "" : ", ") + std::string(ColumnKey(info.id));
  return names;
}

int ExecuteCompare(const InputOptions& inputOptions, const MethodChoice& method,
                   const CompareOptions& options) {
  const Col x = ParseQuantity("--x", options.x);
  const Col y = ParseQuantity("--y", options.y);
  if (options.cases.empty() || options.cases.size() > static_cast<std::size_t>(kMaxComparedCurves))
    throw UsageError("compare: give 1 to " + std::to_string(kMaxComparedCurves) + " --case options, not " +
                     std::to_string(options.cases.size()));
  if (options.charts.empty() && options.csvPath.empty())
    throw UsageError("compare: give --chart PATH, --csv PATH or both");
  for (const std::string& path : options.charts) {
    if (path == kStandardOutput) throw UsageError("--chart: charts go to files, not '-'");
    CheckOutputPath("--chart", path);
    if (EndsWithPng(path) && !PngBuilt())
      throw UsageError(
          "--chart: this orvantis-cli was built without Qt and writes SVG only; give a path "
          "ending in .svg");
  }
  if (!options.csvPath.empty()) CheckOutputPath("--csv", options.csvPath);
  std::vector<NamedOutput> named;
  for (const std::string& path : options.charts) named.push_back({"--chart", path});
  if (!options.csvPath.empty()) named.push_back({"--csv", options.csvPath});
  CheckDistinctOutputs(named);
  const FlightInputs common = inputOptions.Resolve();
  std::vector<Case> cases;
  for (std::size_t k = 0; k < options.cases.size(); ++k)
    cases.push_back(ParseCase(static_cast<int>(k) + 1, options.cases[k], common));

  // Each case flies as run flies it (with --method), without a results file, all of
  // them at once; a case that faults is named, in the order of the cases, and left out.
  struct CaseRun {
    std::optional<ComparedRun> run;
    std::string fault;
  };
  int exitCode = kExitSuccess;
  std::vector<ComparedRun> runs;
  RunControl control;
  const InterruptScope interrupt(control);
  const auto fly = [&](std::int64_t k, SharedState&, CaseRun& slot) {
    slot = {};
    try {
      slot.run = FlyComparedRun(cases[static_cast<std::size_t>(k)].inputs, method, static_cast<int>(k) + 1,
                                kDecimalPoint, &control);
    } catch (const Fault& fault) {
      slot.fault = fault.what();
    }
  };
  const auto take = [&](std::int64_t k, CaseRun& slot) {
    const Case& c = cases[static_cast<std::size_t>(k)];
    if (!slot.run) {
      ReportError("case " + std::to_string(k + 1) + " (" + c.assignments + "): " + slot.fault);
      exitCode = kExitFault;
      return;
    }
    runs.push_back(std::move(*slot.run));
    runs.back().assignments = c.assignments;
  };
  if (FlyInOrder<CaseRun>(0, static_cast<std::int64_t>(cases.size()), UsableProcessors(), control, fly, take)
          .cancelled ||
      Interrupted())
    return InterruptedExitCode();
  if (runs.empty()) return exitCode;

  const auto write = [&exitCode](const std::string& path, const std::string& bytes) {
    try {
      WriteOutput(path, bytes);
    } catch (const Fault& fault) {
      ReportError((path == kStandardOutput ? std::string("standard output") : Quoted(path)) + ": " +
                  fault.what());
      exitCode = kExitFault;
    }
  };
  if (!options.charts.empty()) {
    const ComparisonChart chart = ComparisonOfRuns(runs, x, y, ComparisonNote(method), kDecimalPoint);
    for (const std::string& path : options.charts) {
      try {
        write(path,
              EndsWithPng(path) ? ComparisonPng(chart, kDecimalPoint) : ComparisonSvg(chart, kDecimalPoint));
      } catch (const Fault& fault) {
        ReportError("chart " + Quoted(path) + ": " + fault.what());
        exitCode = kExitFault;
      }
    }
  }
  if (!options.csvPath.empty()) write(options.csvPath, ComparisonCsv(runs, x, y, options.decimalComma));
  return exitCode;
}

}  // namespace orv::cli
