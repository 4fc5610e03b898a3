// "Sweep...": which input to vary, from, to and step (filled around the field's
// value), which figure of the summary to chart, and how to fly; then either sweep
// the grid or find the input's best value for that figure.
#pragma once

#include <QString>
#include <QWidget>
#include <optional>

#include "base/flight_data.h"
#include "base/input_table.h"
#include "flight/flight_summary.h"

namespace orv {

struct SweepChoice {
  enum class Action { kSweep, kFindBest };
  Action action = Action::kSweep;
  Input input = Input::kAngle;           // one with a shown field
  QString from, to, step;                // as typed, with the fields' decimal separator
  const SummaryValue* result = nullptr;  // nullptr: the range
  bool accurate = true;                  // rk45, the studies' method
  bool greatest = true;                  // what "Find the best" looks for
};

// From, to and step around `value`: a round step of about a tenth of it, ten steps
// either side, staying above 0 for a positive value.
void FillAround(SweepChoice& choice, double value, char decimalSeparator);

// The dialog, modal; nullopt when cancelled. `fd` gives the fields' values in force.
std::optional<SweepChoice> AskSweepChoice(QWidget* parent, Language language, const SweepChoice& initial,
                                          const FlightData& fd, char decimalSeparator);

}  // namespace orv
