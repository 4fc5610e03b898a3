// The computation behind START: two explicit-Euler passes through the medium, the
// 500 sample rows and the unit scaling.
#pragma once

#include "base/flight_data.h"

namespace orv {

// Run start, first pass (learns the duration), second pass (records the samples),
// unit scaling. Throws FloatingPointFault at a faulting operation (the state keeps
// what that step had assigned) and InputFault for a time step that would never end.
void RunFlight(SharedState& state);

}  // namespace orv
