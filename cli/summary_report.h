// A run's summary as the command line prints it: one line a figure for people, or
// JSON keys with the unit in the name ("range_m") for programs.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "flight/flight_summary.h"
#include "flight/step_check.h"

namespace orv::cli {

// "range_m", "end_speed_m_s".
std::string SummaryKey(const SummaryValue& v);

// A number for people: 10 significant digits hide the last bits of a sum of many
// steps (0.7676, not 0.7675999999999318); --json and CSV keep every digit.
std::string SummaryNumber(double v);

// "label<padding>value unit" and a line end: the layout of every line of the summary.
void AppendSummaryLine(std::string& text, const std::string& label, const std::string& value,
                       std::string_view unit);

// The method, the steps per pass and each figure; with a step check each value is
// cut to the digits that its step error leaves meaningful: "range  6.9396 m (step
// error about 0.0006 m)". A "warning" line follows for each of SummaryWarnings, and
// where the speed passed zero in either run of the step check, the check gives no
// step error (it would certify a jump over a point where the equations fail).
std::string SummaryText(const FlightSummary& s, const StepCheck* check = nullptr);

// The method, the steps per pass and each figure as keys of `json`; with a step
// check also "step_check" with each figure's signed error; "warnings", an array of
// sentences, where the summary has any (see SummaryText).
void AddSummaryJson(nlohmann::ordered_json& json, const FlightSummary& s, const StepCheck* check = nullptr);

}  // namespace orv::cli
