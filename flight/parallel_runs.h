// Many flights at once, for the studies (a sweep in the window, the search for the
// best value): each thread flies on a state of its own, and the answers come in the
// order of the input sets whatever the number of threads.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/input_table.h"
#include "flight/flight_method.h"
#include "flight/flight_summary.h"
#include "flight/run_control.h"

namespace orv {

// The inputs as the main window's fields leave them, flown with `method` on
// `scratch` (any earlier contents are overwritten) and summarised. Throws the run's
// fault, or RunCancelled.
FlightSummary FlySummary(SharedState& scratch, const FlightInputs& inputs, const MethodChoice& method,
                         RunControl* control = nullptr);

struct RunAnswer {
  std::optional<FlightSummary> summary;  // none when the run faulted
  std::string fault;                     // then its message
};

// Flies every input set on up to `jobs` threads. `done` (may be null) counts the
// finished runs as they finish. Throws RunCancelled once control.cancel is set.
std::vector<RunAnswer> FlyAll(std::span<const FlightInputs> runs, const MethodChoice& method, int jobs,
                              RunControl& control, std::atomic<std::int64_t>* done = nullptr);

}  // namespace orv
