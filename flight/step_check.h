// How much a run's figures owe to its time step: the same flight again at half the
// step. The explicit Euler step's error is proportional to the step, so halving the
// step takes away half of it: twice the change is the error of the run at the full
// step (Richardson's estimate for a first-order method).
#pragma once

#include "base/flight_data.h"
#include "flight/flight_summary.h"
#include "flight/run_control.h"

namespace orv {

// `start` with its time step halved.
FlightData WithHalfStep(const FlightData& start);

struct StepCheck {
  FlightSummary atStep;      // the run at dt
  FlightSummary atHalfStep;  // the same inputs at dt / 2

  // The estimated error of one summary value of the run at dt: twice the run at dt
  // minus the run at dt / 2.
  double Error(const SummaryValue& value) const {
    return 2 * (atStep.*value.member - atHalfStep.*value.member);
  }
};

// Both runs, on two threads of the one runner; `control` follows the run at dt / 2 and stops
// both. Throws the fault of the run at dt before that of the run at dt / 2, or
// RunCancelled.
StepCheck CheckTimeStep(const FlightData& start, RunControl* control = nullptr);

}  // namespace orv
