#include "flight/aim.h"

#include <algorithm>
#include <boost/math/tools/toms748_solve.hpp>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>

#include "base/errors.h"
#include "flight/path_flight.h"

namespace orv {
namespace {

constexpr double kNone = -std::numeric_limits<double>::infinity();
// The grid's ends, just inside the open interval of angles.
constexpr double kGridEdge = 1e-3;  // degree
// The root search stops once its bracket is this narrow, degree: far below the
// 0.001 degree the angle is shown to, and above what a tolerance of 1e-9 resolves.
constexpr double kAngleBracket = 1e-10;
constexpr std::uintmax_t kRootIterations = 100;
// Golden-section steps between the best grid point's neighbours: 10 degrees down to
// about 1e-7 degree.
constexpr int kGoldenSteps = 40;

std::vector<double> GridAngles() {
  std::vector<double> angles;
  const double step = (kAimAngleTo - kAimAngleFrom) / kAimGridIntervals;
  angles.push_back(kAimAngleFrom + kGridEdge);
  for (int i = 1; i < kAimGridIntervals; ++i) angles.push_back(kAimAngleFrom + step * i);
  angles.push_back(kAimAngleTo - kGridEdge);
  return angles;
}

FlightInputs AtAngle(FlightInputs inputs, double angle) {
  inputs[static_cast<std::size_t>(Input::kAngle)] = angle;
  return inputs;
}

// How far above the target the path passes at the target's range. A path that ends
// short of the range counts as passing below it, the further below the shorter it
// falls: continuous where a path that lands at the target's range ends, so the
// root search can bracket across it.
double Miss(const RangeCrossing& c, const Target& target) {
  if (c.at) return c.at->H - target.height;
  return std::min(c.end.H - target.height, 0.0) - (target.range - c.end.X);
}

// Miss at `angle`, or NaN for a flight that faults.
double MissAt(SharedState& scratch, const FlightInputs& inputs, const MethodChoice& method, double angle,
              const Target& target, RunControl& control) {
  try {
    return Miss(FlyToRange(scratch, AtAngle(inputs, angle), method, target.range, &control), target);
  } catch (const Fault&) {
    return std::numeric_limits<double>::quiet_NaN();
  }
}

// The greatest of f near the grid's best point: golden section between its neighbours.
template <typename F>
std::pair<double, double> Greatest(const std::vector<double>& angles, const std::vector<double>& values,
                                   F f) {
  std::size_t best = 0;
  for (std::size_t i = 0; i < values.size(); ++i)
    if (values[i] > values[best]) best = i;
  double bestAngle = angles[best], bestValue = values[best];
  if (!(bestValue > kNone)) return {bestAngle, kNone};
  double a = angles[best > 0 ? best - 1 : 0], b = angles[std::min(best + 1, angles.size() - 1)];
  const double ratio = (std::sqrt(5.0) - 1) / 2;
  double c = b - ratio * (b - a), d = a + ratio * (b - a);
  double fc = f(c), fd = f(d);
  for (int step = 0; step < kGoldenSteps; ++step) {
    for (const auto& [x, v] : {std::pair(c, fc), std::pair(d, fd)})
      if (v > bestValue) std::tie(bestAngle, bestValue) = std::pair(x, v);
    if (fc > fd || std::isnan(fd)) {
      b = d, d = c, fd = fc;
      c = b - ratio * (b - a), fc = f(c);
    } else {
      a = c, c = d, fc = fd;
      d = a + ratio * (b - a), fd = f(d);
    }
  }
  return {bestAngle, bestValue};
}

// The last range at which the path is at `height` (none: never), and its greatest height.
struct HeightReach {
  double furthest = kNone, highest = kNone;
};

HeightReach ReachAt(SharedState& scratch, const FlightInputs& inputs, const MethodChoice& method,
                    double angle, double height, RunControl& control) {
  HeightReach reach;
  const PathWatcher watch = [&](const PathSpan& span) {
    reach.highest = std::max({reach.highest, span.from.H, span.to.H});
    if ((span.from.H >= height) != (span.to.H >= height))
      reach.furthest = span.Where(&PathPoint::H, height).X;
    else if (span.to.H == height)
      reach.furthest = span.to.X;
    return true;
  };
  try {
    const PathPoint end = FlyPath(scratch, AtAngle(inputs, angle), method, watch, &control);
    if (end.H >= height) reach.furthest = std::max(reach.furthest, end.X);  // ended in the air above it
  } catch (const Fault&) {
    return {};
  }
  return reach;
}

void FindFurthest(AimResult& result, const FlightInputs& inputs, const MethodChoice& method,
                  const Target& target, const std::vector<double>& angles, int jobs, RunControl& control) {
  std::vector<HeightReach> grid(angles.size());
  ForEachFlight(angles.size(), jobs, control, [&](std::size_t i, SharedState& scratch) {
    grid[i] = ReachAt(scratch, inputs, method, angles[i], target.height, control);
  });
  result.runs += static_cast<int>(angles.size());
  auto scratch = std::make_unique<SharedState>();
  std::vector<double> furthest, highest;
  for (const HeightReach& r : grid) {
    furthest.push_back(r.furthest);
    highest.push_back(r.highest);
  }
  const auto [angle, range] = Greatest(angles, furthest, [&](double a) {
    ++result.runs;
    return ReachAt(*scratch, inputs, method, a, target.height, control).furthest;
  });
  if (range > kNone) {
    result.furthest = range;
    result.furthestAngle = angle;
    return;
  }
  std::tie(result.highestAngle, result.highest) = Greatest(angles, highest, [&](double a) {
    ++result.runs;
    return ReachAt(*scratch, inputs, method, a, target.height, control).highest;
  });
}

}  // namespace

AimResult FindAim(const FlightInputs& inputs, const MethodChoice& method, const Target& target, int jobs,
                  RunControl& control) {
  AimResult result;
  const std::vector<double> angles = GridAngles();
  std::vector<double> miss(angles.size());
  ForEachFlight(angles.size(), jobs, control, [&](std::size_t i, SharedState& scratch) {
    miss[i] = MissAt(scratch, inputs, method, angles[i], target, control);
  });
  result.runs += static_cast<int>(angles.size());

  // Brackets of the solutions: neighbours on either side of the target.
  std::vector<std::pair<double, double>> brackets;
  for (std::size_t i = 0; i + 1 < angles.size(); ++i)
    if (!std::isnan(miss[i]) && !std::isnan(miss[i + 1]) && (miss[i] >= 0) != (miss[i + 1] >= 0))
      brackets.emplace_back(angles[i], angles[i + 1]);
  if (brackets.empty()) {
    // Both solutions may lie between two grid points, close to the furthest reach:
    // the path's highest pass over the range splits them.
    auto scratch = std::make_unique<SharedState>();
    std::vector<double> finite = miss;
    for (double& m : finite)
      if (std::isnan(m)) m = kNone;
    const auto [top, above] = Greatest(angles, finite, [&](double a) {
      ++result.runs;
      const double m = MissAt(*scratch, inputs, method, a, target, control);
      return std::isnan(m) ? kNone : m;
    });
    if (above >= 0) {
      const auto best =
          static_cast<std::size_t>(std::max_element(finite.begin(), finite.end()) - finite.begin());
      const double lower = angles[best > 0 ? best - 1 : 0],
                   upper = angles[std::min(best + 1, angles.size() - 1)];
      if (above == 0) {
        brackets.emplace_back(top, top);
      } else {
        brackets.emplace_back(lower, top);
        brackets.emplace_back(top, upper);
      }
    }
  }

  // Each bracket on a thread of its own: the roots do not depend on one another.
  std::vector<std::optional<AimSolution>> found(brackets.size());
  std::vector<int> runs(brackets.size());
  ForEachFlight(brackets.size(), jobs, control, [&](std::size_t i, SharedState& scratch) {
    const auto f = [&](double angle) {
      ++runs[i];
      const double m = MissAt(scratch, inputs, method, angle, target, control);
      if (std::isnan(m)) throw Fault("a flight of the search faulted");
      return m;
    };
    auto [a, b] = brackets[i];
    try {
      if (a != b) {
        std::uintmax_t iterations = kRootIterations;
        const auto narrow = [](double x, double y) { return std::abs(y - x) <= kAngleBracket; };
        std::tie(a, b) = boost::math::tools::toms748_solve(f, a, b, f(a), f(b), narrow, iterations);
      }
      const double angle = (a + b) / 2;
      ++runs[i];
      const RangeCrossing c = FlyToRange(scratch, AtAngle(inputs, angle), method, target.range, &control);
      if (c.at) found[i] = AimSolution{angle, *c.at, KineticEnergy(c.mass, *c.at)};
    } catch (const Fault&) {
    }
  });
  for (std::size_t i = 0; i < brackets.size(); ++i) {
    result.runs += runs[i];
    if (found[i]) result.solutions.push_back(*found[i]);
  }
  if (result.solutions.empty()) FindFurthest(result, inputs, method, target, angles, jobs, control);
  return result;
}

DangerSpace FindDangerSpace(const FlightInputs& inputs, const MethodChoice& method, const Target& target,
                            double targetHeight, RunControl* control) {
  auto scratch = std::make_unique<SharedState>();
  const double levels[2] = {target.height - targetHeight / 2, target.height + targetHeight / 2};
  DangerSpace space{0, 0};
  bool closed = false;  // the path has left the band beyond the target
  const PathWatcher watch = [&](const PathSpan& span) {
    for (const double level : levels) {
      if ((span.from.H >= level) == (span.to.H >= level)) continue;
      const double X = span.Where(&PathPoint::H, level).X;
      if (X <= target.range)
        space.from = std::max(space.from, X);
      else if (!closed || X < space.to)
        space.to = X, closed = true;
    }
    return span.to.X < target.range || !closed;
  };
  const PathPoint end = FlyPath(*scratch, inputs, method, watch, control);
  if (!closed) space.to = end.X;  // in the band to the end of the flight
  return space;
}

}  // namespace orv
