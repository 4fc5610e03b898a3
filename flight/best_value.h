// The value of one input that makes a summary figure greatest or smallest: a grid
// over the whole range first, flown on all threads, so that a second hump is not
// missed; then a golden-section search around the best grid point down to the
// tolerance. The answer does not depend on the number of threads.
#pragma once

#include "base/input_table.h"
#include "flight/flight_method.h"
#include "flight/flight_summary.h"
#include "flight/run_control.h"

namespace orv {

inline constexpr int kSearchGridIntervals = 64;          // at most; fewer when the tolerance is coarser
inline constexpr double kDefaultSearchTolerance = 0.01;  // in the searched input's unit

struct BestValueSearch {
  FlightInputs inputs{};  // every input; the one searched is replaced
  Input over = Input::kAngle;
  double from = 0, to = 0;  // from < to, in the input's unit
  double tolerance = kDefaultSearchTolerance;
  const SummaryValue* result = nullptr;  // the figure to make greatest or smallest
  bool maximize = true;
  MethodChoice method;
};

struct BestValue {
  double value = 0;       // the searched input's best value, to the tolerance's decimal place
  FlightSummary summary;  // of the flight there
  int runs = 0;           // flights flown
  // Greater than 0 when the search stopped short of the tolerance because the
  // numbers near the answer are no finer: the width of the last bracket, in the
  // input's unit. The value is then the best point found, unrounded.
  double resolution = 0;
};

// Runs that fault count as the worst. The search looks at the control's cancel flag at
// every step. Throws Fault, with the first grid point's
// message, when every grid point faults, and RunCancelled.
BestValue FindBestValue(const BestValueSearch& search, int jobs, RunControl& control);

}  // namespace orv
