// The path between two steps of a flight, for the studies that ask where the body is
// at a given range or height rather than at the recorded rows: the aim, the range
// table, the danger space and the spread. The classic run's path between two Euler
// steps is the straight line between them; the accurate run's is the step's dense
// output, exact to its tolerance.
#pragma once

#include <functional>

#include "physics/motion_step.h"

namespace orv {

// The body at one moment, in the flight's frame: range from the launch point, the
// height as the results file has it; the state a step advances.
using PathPoint = BodyState;

// One step of a flight: from its start to its end (where the flight ends inside the
// step, to that end).
class PathSpan {
 public:
  PathPoint from, to;

  // The point of the span at which the coordinate (&PathPoint::X, &PathPoint::H)
  // takes `value`, which lies between its values at the span's two ends.
  virtual PathPoint Where(double PathPoint::*coordinate, double value) const = 0;

 protected:
  PathSpan(const PathPoint& a, const PathPoint& b) : from(a), to(b) {}
  ~PathSpan() = default;
};

// Called with every step of a flight in turn; returns false to end the flight after
// that step (once a study has what it needs).
using PathWatcher = std::function<bool(const PathSpan&)>;

}  // namespace orv
