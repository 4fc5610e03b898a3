#include "cli/summary_report.h"

#include <charconv>

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

std::string SummaryText(const FlightSummary& s, const StepCheck* check) {
  std::string text;
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
  return text;
}

void AddSummaryJson(nlohmann::ordered_json& json, const FlightSummary& s, const StepCheck* check) {
  json["method"] = MethodName(s.method.method);
  if (s.method.method == FlightMethod::kRk45) json["tolerance"] = s.method.tolerance;
  json["steps_per_pass"] = s.stepsPerPass;
  for (const SummaryValue& v : SummaryValues()) json[SummaryKey(v)] = s.*v.member;
  if (check)
    for (const SummaryValue& v : SummaryValues()) json["step_check"][SummaryKey(v)] = check->Error(v);
}

}  // namespace orv::cli
