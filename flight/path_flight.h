// One flight read along its path rather than at its rows: each step goes to a
// watcher, which may end the flight once it has what it needs. The classic method
// flies the same Euler steps as START's first pass; the accurate one its rk45 steps.
// What the studies of the aim, the range table and the spread ask of a flight.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>

#include "base/input_table.h"
#include "flight/flight_method.h"
#include "flight/path_span.h"
#include "flight/run_control.h"

namespace orv {

// The inputs as the main window's fields leave them (ApplyInputs on a cleared
// `scratch`), flown with `method`, every step to `watcher`. Returns the last point
// flown (the end of the flight, or of the step after which the watcher ended it).
// Throws the run's Fault, or RunCancelled through `control`.
PathPoint FlyPath(SharedState& scratch, const FlightInputs& inputs, const MethodChoice& method,
                  const PathWatcher& watcher, RunControl* control = nullptr);

// Where a flight first reaches range X, or where it ended short of it.
struct RangeCrossing {
  std::optional<PathPoint> at;  // at range X; none when the flight ends before X
  PathPoint end;                // the last point flown
  double mass = 0;              // kg, of the body (for its kinetic energy)
};

// Flies until the path reaches range `X` (and no further). The point at X comes
// from the step's dense output (rk45) or from the straight line between the two
// Euler steps on either side of X.
RangeCrossing FlyToRange(SharedState& scratch, const FlightInputs& inputs, const MethodChoice& method,
                         double X, RunControl* control = nullptr);

// The kinetic energy of `mass` at the point's speed, J.
inline double KineticEnergy(double mass, const PathPoint& p) { return mass * p.V * p.V / 2; }

// Calls fly(i, scratch) for every i in [0, count) on up to `jobs` threads, each
// thread with a parameter set of its own. A throw from `fly` stops the others and
// is rethrown here; so is RunCancelled once control.cancel is set. `done` (may be
// null) counts the calls that returned.
void ForEachFlight(std::size_t count, int jobs, RunControl& control,
                   const std::function<void(std::size_t i, SharedState& scratch)>& fly,
                   std::atomic<std::int64_t>* done = nullptr);

}  // namespace orv
