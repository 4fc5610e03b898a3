// RunFlight with the number of integration steps it took, for the benchmarks.
#pragma once

#include <cstdint>

#include "base/flight_data.h"

namespace orv {

// Exactly RunFlight; returns the steps of both passes together.
std::int64_t RunFlightCountingSteps(SharedState& state);

}  // namespace orv
