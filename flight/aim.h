// Where to aim: the launch angles whose paths pass through a target point, the
// furthest a path reaches at the target's height when none does, and the danger
// space (how far the target's distance may be misjudged and still hit).
#pragma once

#include <optional>
#include <vector>

#include "base/input_table.h"
#include "flight/flight_method.h"
#include "flight/path_span.h"
#include "flight/run_control.h"

namespace orv {

// A point in the flight's frame: range from the launch point and height as the
// results file has them.
struct Target {
  double range = 0;   // m, greater than zero
  double height = 0;  // m, not below the end height
};

// Launch angles are searched over this open interval, degrees.
inline constexpr double kAimAngleFrom = -90, kAimAngleTo = 90;
// Intervals of the first grid over the angle; each sign change of the miss
// between two neighbours brackets one solution.
inline constexpr int kAimGridIntervals = 36;

struct AimSolution {
  double angle = 0;   // degree
  PathPoint at;       // the body at the target
  double energy = 0;  // J, its kinetic energy there
};

struct AimResult {
  std::vector<AimSolution> solutions;  // lowest angle first: the direct one, then the lobbed one
  // When there are none: the furthest range at which a path is at the target's
  // height, and the angle of that path (none when no path rises to that height; then
  // the greatest height of all and its angle).
  std::optional<double> furthest, furthestAngle;
  double highest = 0, highestAngle = 0;
  int runs = 0;  // flights flown
};

// Every angle in (-90, 90) degrees whose path passes through `target`: a grid of
// flights over the angle on up to `jobs` threads, then Boost.Math's toms748 on the
// height at the target's range minus the target's height. The answer does not
// depend on `jobs`. The angle in `inputs` is replaced. Throws RunCancelled.
AimResult FindAim(const FlightInputs& inputs, const MethodChoice& method, const Target& target, int jobs,
                  RunControl& control);

// The stretch of range around the target over which the path stays within half
// the target's height of the target's centre.
struct DangerSpace {
  double from = 0, to = 0;  // m
  double Length() const { return to - from; }
};

// Of the path flown with `inputs` (aimed through the target), for a target
// `targetHeight` m high. Throws the run's Fault, or RunCancelled.
DangerSpace FindDangerSpace(const FlightInputs& inputs, const MethodChoice& method, const Target& target,
                            double targetHeight, RunControl* control = nullptr);

}  // namespace orv
