#include "cli/summary_report.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "base/number_text.h"

namespace orv::cli {

std::string SummaryKey(const SummaryValue& v) { return std::string(v.key) + "_" + v.JsonUnit(); }

std::string SummaryNumber(double v) {
  constexpr int kSummaryDigits = 10;
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, v, std::chars_format::general, kSummaryDigits).ptr;
  return std::string(text, end);
}

void AppendSummaryLine(std::string& text, const std::string& label, const std::string& value,
                       std::string_view unit) {
  constexpr std::size_t kLabelWidth = 27;
  text += label;
  if (label.size() < kLabelWidth) text.append(kLabelWidth - label.size(), ' ');
  text += value;
  if (!unit.empty()) (text += ' ') += unit;
  text += '\n';
}

namespace {

// Halving the step says nothing of a run whose speed passed zero: there the step
// jumps over a point where the equations do not hold, differently at every step.
bool Certifies(const StepCheck& check) {
  return std::isnan(check.atStep.speedPassedZeroAt) && std::isnan(check.atHalfStep.speedPassedZeroAt);
}

std::vector<std::string> Warnings(const FlightSummary& s, const StepCheck* check) {
  std::vector<std::string> warnings = SummaryWarnings(s);
  if (check && !Certifies(*check))
    warnings.push_back(
        "the step check gives no step error: the speed passed zero in the run at " +
        std::string(std::isnan(check->atStep.speedPassedZeroAt) ? "half the step" : "the step"));
  return warnings;
}

}  // namespace

std::string SummaryText(const FlightSummary& s, const StepCheck* check) {
  std::string text;
  const std::vector<std::string> warnings = Warnings(s, check);
  if (check && !Certifies(*check)) check = nullptr;
  AppendSummaryLine(text, "method", MethodText(s.method), "");
  AppendSummaryLine(text, "steps per pass", std::to_string(s.stepsPerPass), "");
  for (const SummaryValue& v : SummaryValues()) {
    if (!check) {
      AppendSummaryLine(text, v.label, SummaryNumber(s.*v.member), v.Unit());
      continue;
    }
    const ValueAndError rounded = RoundToError(s.*v.member, check->Error(v), '.');
    std::string unit;  // " m", or nothing for a figure without a unit
    if (!std::string_view(v.Unit()).empty()) unit.append(1, ' ').append(v.Unit());
    AppendSummaryLine(text, v.label,
                      rounded.value + unit + " (step error about " + rounded.error + unit + ")", "");
  }
  for (const std::string& warning : warnings) AppendSummaryLine(text, "warning", warning, "");
  return text;
}

void AddSummaryJson(nlohmann::ordered_json& json, const FlightSummary& s, const StepCheck* check) {
  json["method"] = MethodName(s.method.method);
  if (s.method.method == FlightMethod::kRk45) json["tolerance"] = s.method.tolerance;
  json["steps_per_pass"] = s.stepsPerPass;
  for (const SummaryValue& v : SummaryValues()) json[SummaryKey(v)] = s.*v.member;
  if (check && Certifies(*check))
    for (const SummaryValue& v : SummaryValues()) json["step_check"][SummaryKey(v)] = check->Error(v);
  // Only where there is something to say: the keys of an ordinary run stay as they were.
  if (const std::vector<std::string> warnings = Warnings(s, check); !warnings.empty())
    json["warnings"] = warnings;
}

}  // namespace orv::cli
