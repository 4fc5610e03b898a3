// "A default run" for every test and benchmark: the parameter set as the main
// window's activation leaves it with the default values, and the state after START's
// run of it. Both go through the program's own activation and flight code.
#pragma once

#include <memory>

#include "base/flight_data.h"
#include "base/parameter_fields.h"
#include "base/preset_data.h"
#include "flight/flight_run.h"

namespace orv::testing {

// Heap-allocated: the sample table alone is 400 kB.
inline std::unique_ptr<SharedState> DefaultState() {
  auto state = std::make_unique<SharedState>();
  PresetRecord preset;
  StoreDefaultValues(preset);
  ApplyPresetValues(preset, state->fd);
  return state;
}

inline std::unique_ptr<SharedState> DefaultRun() {
  auto state = DefaultState();
  RunFlight(*state);
  return state;
}

}  // namespace orv::testing
