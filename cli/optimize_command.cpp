#include "cli/optimize_command.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <nlohmann/json.hpp>

#include "base/errors.h"
#include "base/number_text.h"
#include "base/processors.h"
#include "cli/flight_inputs.h"
#include "cli/interrupt.h"
#include "cli/message_text.h"
#include "cli/output_files.h"
#include "cli/summary_report.h"
#include "cli/sweep_grid.h"
#include "cli/usage_error.h"
#include "flight/best_value.h"

namespace orv::cli {
namespace {

const SummaryValue* FindResult(const std::string& name) {
  for (const SummaryValue& v : SummaryValues())
    if (name == v.key) return &v;
  return nullptr;
}

// "NAME=FROM:TO" into the search.
void ParseOver(const std::string& option, BestValueSearch& search) {
  const std::size_t equals = option.find('=');
  const std::size_t colon = option.find(':', equals == std::string::npos ? 0 : equals);
  if (equals == std::string::npos || colon == std::string::npos ||
      option.find(':', colon + 1) != std::string::npos)
    throw UsageError("--over: expected NAME=FROM:TO, not '" + option + "'");
  const std::string name = option.substr(0, equals);
  const std::optional<Input> input = FindInput(name);
  if (!input) throw UsageError("--over: no input is called '" + name + "' (one of " + InputNames() + ")");
  search.over = *input;
  const std::string where = "--over " + name;
  search.from = ParseInputValue(where, option.substr(equals + 1, colon - equals - 1));
  search.to = ParseInputValue(where, option.substr(colon + 1));
  if (!(search.from < search.to)) throw UsageError("--over " + option + ": FROM must be less than TO");
  CheckInputRange("--over " + option, search.over, search.from, search.to);
}

}  // namespace

std::string ResultNames() {
  std::string names;
  for (const SummaryValue& v : SummaryValues()) names += (names.empty() ? "" : ", ") + std::string(v.key);
  return names;
}

int ExecuteOptimize(const InputOptions& inputOptions, const MethodChoice& method,
                    const OptimizeOptions& options) {
  BestValueSearch search;
  search.inputs = inputOptions.Resolve();
  search.method = method;
  if (options.maximize.empty() == options.minimize.empty())
    throw UsageError("give one of --maximize RESULT and --minimize RESULT");
  search.maximize = !options.maximize.empty();
  const std::string& name = search.maximize ? options.maximize : options.minimize;
  search.result = FindResult(name);
  if (!search.result)
    throw UsageError(std::string(search.maximize ? "--maximize" : "--minimize") + ": no result is called '" +
                     name + "' (one of " + ResultNames() + ")");
  ParseOver(options.over, search);
  const InputInfo& info = InfoOf(search.over);
  if (inputOptions.Given(search.over))
    throw UsageError(std::string("--") + info.name + " is given and searched at once");
  if (!options.tolerance.empty()) {
    search.tolerance = ParseInputValue("--tol", options.tolerance);
    if (!(search.tolerance > 0) || !std::isfinite(search.tolerance))
      throw UsageError("--tol: " + options.tolerance + " is not greater than zero");
  }
  const int jobs = options.jobs > 0 ? options.jobs : UsableProcessors();

  BestValue best;
  if (const auto exit = FlyStudy([&](RunControl& control) { best = FindBestValue(search, jobs, control); },
                                 "every run of the grid faulted; the first: "))
    return *exit;
  if (best.resolution > 0)
    ReportError("the search stopped at the resolution of the numbers near " + FloatToText(best.value, '.') +
                ": its last bracket is " + FloatToText(best.resolution, '.') +
                (*info.unit ? std::string(" ") + info.unit : std::string()) + " wide, wider than --tol " +
                FloatToText(search.tolerance, '.'));

  std::string report;
  if (options.json) {
    nlohmann::ordered_json json;
    json[info.name] = best.value;
    AddSummaryJson(json, best.summary);
    report = json.dump(2) + "\n";
  } else {
    AppendSummaryLine(report, info.name, FloatToText(best.value, '.'), info.unit);
    report += SummaryText(best.summary);
  }
  WriteStandardOutput(report);
  return kExitSuccess;
}

}  // namespace orv::cli
