// The computation behind START: two explicit-Euler passes through the medium, the
// 500 sample rows and the unit scaling.
#pragma once

#include <cstdint>

#include "base/flight_data.h"
#include "flight/run_control.h"

namespace orv {

// Run start, first pass (learns the duration), second pass (records the samples),
// unit scaling. Throws FloatingPointFault at a faulting operation (the state keeps
// what that step had assigned) and InputFault for a time step that would never end.
// With a `control`, another thread can follow the run and stop it: a cancelled run
// throws RunCancelled, leaving the slots at the step it reached. Returns the steps of
// both passes together.
std::int64_t RunFlight(SharedState& state, RunControl* control = nullptr);

}  // namespace orv
