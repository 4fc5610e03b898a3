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

}  // namespace orv
