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

// A dragless 20 t body from 1e8 m at 100 m/s, 400 steps of 10 s to 4000 s: minutes,
// km and tonnes in the table, and steps of 1.25 sample intervals.
inline void ScaledUnitsFlight(FlightData& fd) {
  fd.Cx() = 0;
  fd.H0() = 1e8;
  fd.V0() = 100;
  fd.MassaStart() = 20000;
  fd.dt0() = 10;
  fd.Tk() = 4000;
}

inline std::unique_ptr<SharedState> DefaultRun() {
  auto state = DefaultState();
  RunFlight(*state);
  return state;
}

}  // namespace orv::testing
