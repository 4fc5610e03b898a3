#include "cli/spread_command.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "base/errors.h"
#include "base/number_text.h"
#include "cli/aim_command.h"
#include "cli/interrupt.h"
#include "cli/message_text.h"
#include "cli/output_files.h"
#include "cli/summary_report.h"
#include "cli/sweep_grid.h"
#include "cli/usage_error.h"
#include "flight/aim.h"
#include "flight/flight_summary.h"

namespace orv::cli {
namespace {

InputSpread ParseSpread(const std::string& option) {
  const std::size_t equals = option.find('=');
  if (equals == std::string::npos) throw UsageError("--sd: expected NAME=S, not " + Quoted(option));
  const std::string name = option.substr(0, equals);
  const std::optional<Input> input = FindInput(name);
  if (!input) throw UsageError("--sd: no input is called " + Quoted(name) + " (one of " + InputNames() + ")");
  const double sd = ParseInputValue("--sd " + name, option.substr(equals + 1));
  if (!(sd >= 0) || !std::isfinite(sd))
    throw UsageError("--sd " + name + ": " + option.substr(equals + 1) + " is not a spread (0 or more)");
  return {*input, sd};
}

}  // namespace

int ExecuteSpread(const InputOptions& inputOptions, const MethodChoice& method,
                  const SpreadOptions& options) {
  SpreadSetup setup;
  setup.inputs = inputOptions.Resolve();
  setup.method = method;
  setup.target = ParseTarget(options.at, setup.inputs);
  for (const std::string& option : options.sd) {
    const InputSpread spread = ParseSpread(option);
    for (const InputSpread& earlier : setup.spreads)
      if (earlier.input == spread.input)
        throw UsageError(std::string("--sd ") + InfoOf(spread.input).name + " is given twice");
    setup.spreads.push_back(spread);
  }
  if (!options.radius.empty()) {
    setup.radius = ParseInputValue("--radius", options.radius);
    if (!(setup.radius >= 0) || !std::isfinite(setup.radius))
      throw UsageError("--radius: " + options.radius + " is not a radius (0 or more, m)");
  }
  if (options.draws < 1 || options.draws > kSpreadDrawsMax)
    throw UsageError("--n: " + std::to_string(options.draws) + " is not between 1 and " +
                     std::to_string(kSpreadDrawsMax));
  setup.draws = options.draws;
  setup.seed = options.seed;
  setup.keepDraws = !options.csvPath.empty();
  if (!options.csvPath.empty()) CheckOutputPath("--csv", options.csvPath);

  SpreadResult result;
  if (const auto exit = FlyStudy([&](RunControl& control) {
        const int jobs = JobsOf(options.jobs);
        if (options.aim) {
          const AimResult aim = FindAim(setup.inputs, method, setup.target, jobs, control);
          if (aim.solutions.empty()) throw Fault(OutOfReachMessage(aim));
          setup.inputs[static_cast<std::size_t>(Input::kAngle)] = aim.solutions.front().angle;
        }
        result = RunSpread(setup, jobs, control);
      }))
    return *exit;

  if (!options.csvPath.empty()) {
    if (const std::string failure =
            WriteOutputOrSay(options.csvPath, SpreadCsv(setup, result, CsvStyleFor(options.decimalComma)));
        !failure.empty()) {
      ReportError(failure);
      return kExitFault;
    }
  }
  std::string report;
  if (options.json) {
    nlohmann::ordered_json json;
    for (const InputInfo& info : InputTable())
      json["inputs"][info.name] = setup.inputs[static_cast<std::size_t>(info.id)];
    json["method"] = MethodName(method.method);
    if (method.method == FlightMethod::kRk45) json["tolerance"] = method.tolerance;
    json["draws"] = result.draws;
    json["hit_share"] = result.hitShare;
    json["hit_share_low"] = result.hitLow;
    json["hit_share_high"] = result.hitHigh;
    json["height_mean_m"] = result.heightMean;
    json["height_sd_m"] = result.heightSd;
    json["not_reached_share"] = result.notReachedShare;
    json["by_input"] = nlohmann::ordered_json::object();
    for (std::size_t k = 0; k < setup.spreads.size(); ++k)
      json["by_input"][InfoOf(setup.spreads[k].input).name]["height_sd_m"] = result.heightSdByInput[k];
    report = json.dump(2) + "\n";
  } else {
    AppendSummaryLine(report, "method", MethodText(method), "");
    if (options.aim)
      AppendSummaryLine(report, "aimed launch angle",
                        SummaryNumber(setup.inputs[static_cast<std::size_t>(Input::kAngle)]), "degrees");
    AppendSummaryLine(report, "draws", std::to_string(result.draws), "");
    AppendSummaryLine(report, "chance of a hit",
                      SummaryNumber(result.hitShare) + " (95 % interval " + SummaryNumber(result.hitLow) +
                          " to " + SummaryNumber(result.hitHigh) + ")",
                      "");
    AppendSummaryLine(report, "height at the target, mean", SummaryNumber(result.heightMean), "m");
    AppendSummaryLine(report, "  standard deviation", SummaryNumber(result.heightSd), "m");
    for (std::size_t k = 0; k < setup.spreads.size(); ++k)
      AppendSummaryLine(report, std::string("  from ") + InfoOf(setup.spreads[k].input).name + " alone",
                        SummaryNumber(result.heightSdByInput[k]), "m");
    AppendSummaryLine(report, "share not reaching it", SummaryNumber(result.notReachedShare), "");
  }
  if (options.csvPath == kStandardOutput) {
    std::fputs(report.c_str(), stderr);
    return kExitSuccess;
  }
  WriteStandardOutput(report);  // its Fault ends the command with status 1 (app.cpp reports it)
  return kExitSuccess;
}

}  // namespace orv::cli
