// The texts of the window's studies (the time step's check, the sweep and the search
// for the best value) in the three interface languages, UTF-8.
#pragma once

#include <string>
#include <vector>

#include "base/input_table.h"
#include "base/texts3.h"
#include "charts/compared_runs.h"
#include "flight/flight_method.h"
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

// An input as the studies name it in the user's language, with its unit as the
// results frame writes units: "Winkel, Grad" on an axis, "Winkel = 23 Grad" beside a value.
std::string InputAxisTitle(Input input, Language language);
std::string InputAssignment(Input input, const std::string& value, Language language);
// The legend's names and units of a compared run's inputs in the user's language.
void NameInputs(std::vector<RunInput>& inputs, Language language);

// Which method flew: "classic run, dt 0.0001 s" (`dt` the time step in force),
// "accurate run (RK45), tolerance 1E-09".
std::string MethodLabel(const MethodChoice& method, double dt, Language language, char decimalSeparator);
// The same above a chart: in English the command line's words ("rk45, tolerance
// 1e-09", "euler"), so that the window's chart is the command line's byte for byte.
std::string MethodNote(const MethodChoice& method, Language language);

}  // namespace orv
