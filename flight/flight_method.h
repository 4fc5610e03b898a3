// The two ways to fly the same physics. The classic run (START, the classic table)
// takes explicit-Euler steps of the chosen time step; the accurate run, for studies,
// integrates the continuous equations with an adaptive Dormand-Prince 5(4) method.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "base/flight_data.h"
#include "flight/run_control.h"

namespace orv {

enum class FlightMethod { kEuler, kRk45 };

inline constexpr double kDefaultTolerance = 1e-9;  // relative and absolute, per step of the rk45 run
// The finest tolerance the rk45 run takes: some five units in the last place of a
// double (2.2e-16 each). Below it no step meets the tolerance and the run never ends.
inline constexpr double kFinestTolerance = 1e-15;

struct MethodChoice {
  FlightMethod method = FlightMethod::kEuler;
  double tolerance = kDefaultTolerance;  // rk45 only
};

// The name a user types and reads: "euler", "rk45".
std::string_view MethodName(FlightMethod method);
std::optional<FlightMethod> FindMethod(std::string_view name);

// Whether the run fills the 500 sample rows. The classic run always does; the
// accurate one can leave them for a study that reads only the end of the flight.
enum class SampleRowsWanted { kYes, kNo };

struct FlightOutcome {
  MethodChoice choice;
  std::int64_t steps = 0;                // of every pass
  std::int64_t stepsPerPass = 0;         // Euler: each of its two passes; rk45: its one pass
  std::optional<double> greatestHeight;  // m, the rk45 run's exact apex; Euler's comes from its rows
};

// Flies the flight of `state` with the chosen method (RunFlight or RunAccurateFlight).
FlightOutcome FlyFlight(SharedState& state, const MethodChoice& choice,
                        SampleRowsWanted rows = SampleRowsWanted::kYes, RunControl* control = nullptr);

}  // namespace orv
