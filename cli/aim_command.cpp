#include "cli/aim_command.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>
#include <nlohmann/json.hpp>

#include "base/errors.h"
#include "base/number_text.h"
#include "base/processors.h"
#include "cli/interrupt.h"
#include "cli/message_text.h"
#include "cli/output_files.h"
#include "cli/summary_report.h"
#include "cli/usage_error.h"
#include "files/csv_text.h"
#include "flight/flight_summary.h"
#include "flight/path_flight.h"
#include "flight/range_table.h"

namespace orv::cli {
namespace {

// `x` with `decimals` decimals: the angle to 0.001 degree, as a user sets it.
std::string Fixed(double x, int decimals) {
  char text[400];
  const auto end = std::to_chars(text, text + sizeof text, x, std::chars_format::fixed, decimals).ptr;
  return std::string(text, end);
}

double Positive(const std::string& option, const std::string& text) {
  const double value = ParseInputValue(option, text);
  if (!(value > 0) || !std::isfinite(value))
    throw UsageError(option + ": " + text + " is not greater than zero");
  return value;
}

// The inputs and the method as run --json writes them.
nlohmann::ordered_json InputsJson(const FlightInputs& inputs, const MethodChoice& method) {
  nlohmann::ordered_json json;
  for (const InputInfo& info : InputTable())
    json["inputs"][info.name] = inputs[static_cast<std::size_t>(info.id)];
  json["method"] = MethodName(method.method);
  if (method.method == FlightMethod::kRk45) json["tolerance"] = method.tolerance;
  return json;
}

}  // namespace

int JobsOf(int jobs) { return jobs > 0 ? jobs : UsableProcessors(); }

Target ParseTarget(const std::string& at, const FlightInputs& inputs) {
  const std::size_t comma = at.find(',');
  if (comma == std::string::npos || at.find(',', comma + 1) != std::string::npos)
    throw UsageError("--at: expected X,H (range and height in m), not " + Quoted(at));
  Target target{ParseInputValue("--at", at.substr(0, comma)), ParseInputValue("--at", at.substr(comma + 1))};
  if (!std::isfinite(target.range) || !std::isfinite(target.height))
    throw UsageError("--at: " + Quoted(at) + " is not a point");
  if (!(target.range > 0))
    throw UsageError("--at: the target's range " + FloatToText(target.range, '.') +
                     " m is not ahead of the launch point");
  const double endHeight = inputs[static_cast<std::size_t>(Input::kHk)];
  if (target.height < endHeight)
    throw UsageError("--at: the target's height " + FloatToText(target.height, '.') +
                     " m is below the end height " + FloatToText(endHeight, '.') + " m");
  return target;
}

std::string OutOfReachMessage(const AimResult& result) {
  if (result.furthest)
    return "out of reach: at this height the furthest is " + Fixed(*result.furthest, 3) + " m, at angle " +
           Fixed(*result.furthestAngle, 3);
  return "out of reach: no path rises to this height; the highest is " + Fixed(result.highest, 3) +
         " m, at angle " + Fixed(result.highestAngle, 3);
}

int ExecuteAim(const InputOptions& inputOptions, const MethodChoice& method, const AimOptions& options) {
  const FlightInputs inputs = inputOptions.Resolve();
  const Target target = ParseTarget(options.at, inputs);
  std::optional<double> targetHeight;
  if (!options.targetHeight.empty()) targetHeight = Positive("--target-height", options.targetHeight);

  AimResult aim;
  std::optional<DangerSpace> danger;
  if (const auto exit = FlyStudy([&](RunControl& control) {
        aim = FindAim(inputs, method, target, JobsOf(options.jobs), control);
        if (targetHeight && !aim.solutions.empty()) {
          FlightInputs aimed = inputs;
          aimed[static_cast<std::size_t>(Input::kAngle)] = aim.solutions.front().angle;
          danger = FindDangerSpace(aimed, method, target, *targetHeight, &control);
        }
      }))
    return *exit;
  if (aim.solutions.empty()) {
    ReportError(OutOfReachMessage(aim));
    return kExitFault;
  }

  std::string report;
  if (options.json) {
    nlohmann::ordered_json json = InputsJson(inputs, method);
    json["solutions"] = nlohmann::ordered_json::array();
    for (const AimSolution& s : aim.solutions)
      json["solutions"].push_back({{"angle_deg", s.angle},
                                   {"time_s", s.at.t},
                                   {"speed_m_s", s.at.V},
                                   {"energy_J", s.energy},
                                   {"path_angle_deg", s.at.Q * kDegreesPerRadian}});
    if (danger)
      json["danger_space"] = {{"from_m", danger->from}, {"to_m", danger->to}, {"length_m", danger->Length()}};
    report = json.dump(2) + "\n";
  } else {
    AppendSummaryLine(report, "method", MethodText(method), "");
    for (std::size_t i = 0; i < aim.solutions.size(); ++i) {
      const AimSolution& s = aim.solutions[i];
      const std::string which = aim.solutions.size() == 1 ? "" : i == 0 ? " (direct)" : " (lobbed)";
      AppendSummaryLine(report, "launch angle" + which, Fixed(s.angle, 3), "degrees");
      AppendSummaryLine(report, "  time to the target", SummaryNumber(s.at.t), "s");
      AppendSummaryLine(report, "  speed there", SummaryNumber(s.at.V), "m/s");
      AppendSummaryLine(report, "  energy there", SummaryNumber(s.energy), "J");
      AppendSummaryLine(report, "  path angle there", SummaryNumber(s.at.Q * kDegreesPerRadian), "degrees");
    }
    if (danger)
      AppendSummaryLine(report, "danger space",
                        SummaryNumber(danger->from) + " m to " + SummaryNumber(danger->to) + " m, " +
                            SummaryNumber(danger->Length()),
                        "m");
  }
  WriteStandardOutput(report);  // its Fault ends the command with status 1 (app.cpp reports it)
  return kExitSuccess;
}

int ExecuteTable(const InputOptions& inputOptions, const MethodChoice& method, const TableOptions& options) {
  const FlightInputs inputs = inputOptions.Resolve();
  const double step = Positive("--every", options.every);
  std::optional<double> to;
  if (!options.to.empty()) {
    to = ParseInputValue("--to", options.to);
    if (!(*to >= 0) || !std::isfinite(*to)) throw UsageError("--to: " + options.to + " is not a range (m)");
    if (*to / step > kRangeTableRowsMax)
      throw UsageError("--every " + options.every + " --to " + options.to + ": more than " +
                       FloatToText(kRangeTableRowsMax, '.') + " rows");
  }
  if (!options.csvPath.empty()) CheckOutputPath("--csv", options.csvPath);

  std::vector<RangeRow> rows;
  double speedPassedZeroAt = 0;
  if (const auto exit = FlyStudy([&](RunControl& control) {
        // Without --to the landing bounds the rows; the flight's range says how many.
        if (!to) {
          const RangeCrossing far =
              FlyToRange(*std::make_unique<SharedState>(), inputs, method, HUGE_VAL, &control);
          if (far.end.X / step > kRangeTableRowsMax)
            throw UsageError("--every " + options.every + ": more than " +
                             FloatToText(kRangeTableRowsMax, '.') + " rows to the landing at " +
                             SummaryNumber(far.end.X) + " m");
        }
        rows = RangeTable(inputs, method, step, to, &control, &speedPassedZeroAt);
      }))
    return *exit;

  if (!options.csvPath.empty()) {
    if (const std::string failure =
            WriteOutputOrSay(options.csvPath, RangeTableCsv(rows, CsvStyleFor(options.decimalComma)));
        !failure.empty()) {
      ReportError(failure);
      return kExitFault;
    }
  }
  // The table ends where the speed passed zero, not at a landing: said beside the rows.
  const std::optional<std::string> warning =
      std::isnan(speedPassedZeroAt) ? std::nullopt : std::optional(SpeedPassedZeroWarning(speedPassedZeroAt));
  if (warning && !options.json) ReportError("warning: " + *warning + ", and the table ends there");
  if (options.csvPath == kStandardOutput) return kExitSuccess;
  std::string report;
  if (options.json) {
    nlohmann::ordered_json json = InputsJson(inputs, method);
    json["rows"] = nlohmann::ordered_json::array();
    for (const RangeRow& row : rows) {
      nlohmann::ordered_json r;
      for (const RangeColumn& c : RangeColumns()) r[c.jsonKey] = row.*c.member;
      json["rows"].push_back(r);
    }
    if (warning) json["warnings"] = {*warning};
    report = json.dump(2) + "\n";
  } else {
    // Aligned columns, each as wide as its widest entry, the unit in the heading.
    std::vector<std::vector<std::string>> cells(rows.size() + 1);
    for (const RangeColumn& c : RangeColumns()) {
      cells[0].push_back(std::string(c.name) + " [" + c.unit + "]");
      for (std::size_t r = 0; r < rows.size(); ++r) cells[r + 1].push_back(SummaryNumber(rows[r].*c.member));
    }
    std::vector<std::size_t> width(RangeColumns().size());
    for (const auto& line : cells)
      for (std::size_t c = 0; c < line.size(); ++c) width[c] = std::max(width[c], line[c].size());
    for (const auto& line : cells) {
      for (std::size_t c = 0; c < line.size(); ++c) {
        if (c > 0) report += "  ";
        report.append(width[c] - line[c].size(), ' ') += line[c];
      }
      report += '\n';
    }
  }
  WriteStandardOutput(report);  // its Fault ends the command with status 1 (app.cpp reports it)
  return kExitSuccess;
}

}  // namespace orv::cli
