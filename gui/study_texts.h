// The texts of the window's studies (the time step's check, the sweep and the search
// for the best value) in the three interface languages, UTF-8.
#pragma once

#include "base/texts3.h"
#include "flight/flight_summary.h"

namespace orv {

// A summary figure's name for people: "range", "дальность", "Reichweite".
const Texts3& SummaryLabel(const SummaryValue& value);

struct StepCheckTexts {
  Texts3 menu;    // the chart menu's entry, also the dialog's title
  Texts3 intro;   // %1: the run's time step, %2: half of it, both with their unit
  Texts3 figure;  // column headings
  Texts3 value;
  Texts3 error;
  Texts3 close;
};
const StepCheckTexts& StepCheckText();

struct SweepTexts {
  Texts3 menu;  // the chart menu's entry, also the dialog's title
  Texts3 input, from, to, step, result;
  Texts3 accurate;  // the accurate method, for studies
  Texts3 greatest, smallest;
  Texts3 sweep, findBest, cancel;
  Texts3 flightOf;    // progress: %1 flights of %2
  Texts3 badStep;     // the step does not lead from From to To
  Texts3 tooMany;     // %1: the most values a sweep of the window takes
  Texts3 greatestAt;  // %1: figure, %2: its value, %3: the input and its value
  Texts3 smallestAt;
  Texts3 bestAt;
  Texts3 use;  // put the value into its field
};
const SweepTexts& SweepText();

}  // namespace orv
