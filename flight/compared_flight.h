// One flight of a comparison: flown from its inputs exactly as the command line's run
// flies it (without a results file), and kept in SI base units for the comparison
// chart. The window's accurate comparison and orvantis-cli compare fly here.
#pragma once

#include "base/input_table.h"
#include "charts/compared_runs.h"
#include "flight/flight_method.h"
#include "flight/run_control.h"

namespace orv {

// Throws what the run throws (Fault, RunCancelled).
ComparedRun FlyComparedRun(const FlightInputs& inputs, const MethodChoice& method, int number,
                           char decimalSeparator, RunControl* control = nullptr);

// What the comparison chart says about how its runs were flown: "euler" or
// "rk45, tolerance 1e-09".
std::string ComparisonNote(const MethodChoice& method);

}  // namespace orv
