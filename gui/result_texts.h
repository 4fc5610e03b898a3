// The texts of the run's results in the main window: the names of the figures of the
// run summary, their units, the frame's heading and the mark of stale results. UTF-8,
// in the three interface languages.
#pragma once

#include <string>
#include <string_view>

#include "base/texts3.h"

namespace orv {

// The name of a summary figure by its key ("range"); "steps_per_pass" for the step
// count. nullptr for a key without names.
const Texts3* FigureName(std::string_view key);
inline constexpr const char* kStepsKey = "steps_per_pass";

// A unit as the column table writes it ("m/s", "km", "deg") in the language; a unit
// without a translation stays as it is.
std::string UnitText(std::string_view unit, Language language);

// What the figures owe to a point where the equations fail, as the command line
// warns of it (in English in its words): the lines' name, the speed passing zero
// (%1: the time with its unit) and a launch below the end height.
struct WarningTexts {
  Texts3 name, speedPassedZero, launchedBelowEnd;
};
const WarningTexts& WarningText();

const Texts3& ResultsHeading();
const Texts3& StaleResultsText();
// Over a chart left from an earlier run because this run's chart could not be drawn.
const Texts3& EarlierChartText();

}  // namespace orv
