#include "flight/best_value.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "base/errors.h"
#include "flight/parallel_runs.h"

namespace orv {
namespace {

constexpr double kWorst = -std::numeric_limits<double>::infinity();

// What the search makes greatest: the figure, or minus the figure; a fault or a
// figure that is not a number is the worst.
double Score(const BestValueSearch& search, const std::optional<FlightSummary>& summary) {
  if (!summary) return kWorst;
  const double v = (*summary).*(search.result->member);
  if (std::isnan(v)) return kWorst;
  return search.maximize ? v : -v;
}

// `x` as the decimal text with as many decimals as the tolerance has, read back: the
// value a user types (23.41, not 23.412345678); `x` itself when the text would not fit.
double ToTolerancePlace(double x, double tolerance) {
  const int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(tolerance))));
  char text[400];
  const auto [end, error] = std::to_chars(text, text + sizeof text, x, std::chars_format::fixed, decimals);
  double rounded = x;
  if (error == std::errc()) std::from_chars(text, end, rounded);
  return rounded;
}

// The narrowest bracket worth splitting near `a` and `b`: a few units in the last
// place of the larger. Below it the inner points no longer differ from the ends.
double Resolution(double a, double b) {
  constexpr double kUlps = 4;
  return kUlps * std::numeric_limits<double>::epsilon() * std::max(std::abs(a), std::abs(b));
}

}  // namespace

BestValue FindBestValue(const BestValueSearch& search, int jobs, RunControl& control) {
  const auto index = static_cast<std::size_t>(search.over);
  const double span = search.to - search.from;
  const int intervals =
      static_cast<int>(std::clamp(std::ceil(span / search.tolerance), 2.0, double{kSearchGridIntervals}));
  std::vector<FlightInputs> grid(static_cast<std::size_t>(intervals) + 1, search.inputs);
  for (int i = 0; i <= intervals; ++i)
    grid[static_cast<std::size_t>(i)][index] =
        i == intervals ? search.to : search.from + span * static_cast<double>(i) / intervals;
  const std::vector<RunAnswer> answers = FlyAll(grid, search.method, jobs, control);

  BestValue best;
  best.runs = static_cast<int>(grid.size());
  int bestPoint = -1;
  double bestScore = kWorst;
  for (int i = 0; i <= intervals; ++i) {
    const std::optional<FlightSummary>& summary = answers[static_cast<std::size_t>(i)].summary;
    if (summary && (bestPoint < 0 || Score(search, summary) > bestScore)) {
      bestPoint = i;
      bestScore = Score(search, summary);
    }
  }
  if (bestPoint < 0) throw Fault(answers.front().fault);
  double bestX = grid[static_cast<std::size_t>(bestPoint)][index];

  // Golden section between the best grid point's neighbours: each step keeps the
  // part of the bracket that holds the better of its two inner points.
  auto state = std::make_unique<SharedState>();
  FlightInputs inputs = search.inputs;
  const auto score = [&](double x) {
    inputs[index] = x;
    ++best.runs;
    std::optional<FlightSummary> summary;
    try {
      summary = FlySummary(*state, StartOf(inputs), search.method, &control);
    } catch (const Fault&) {
    }
    const double s = Score(search, summary);
    if (s > bestScore) {
      bestScore = s;
      bestX = x;
    }
    return s;
  };
  const double ratio = (std::sqrt(5.0) - 1) / 2;
  double a = grid[static_cast<std::size_t>(std::max(bestPoint - 1, 0))][index];
  double b = grid[static_cast<std::size_t>(std::min(bestPoint + 1, intervals))][index];
  double c = b - ratio * (b - a), d = a + ratio * (b - a);
  double fc = score(c), fd = score(d);
  while (b - a > search.tolerance) {
    // Each step is a flight or two, too short to look at the flag itself.
    if (control.cancel.load(std::memory_order_relaxed)) throw RunCancelled();
    if (b - a <= Resolution(a, b) || !(a < c && c < d && d < b)) {
      best.resolution = b - a;
      break;
    }
    if (fc > fd) {
      b = d;
      d = c;
      fd = fc;
      c = b - ratio * (b - a);
      fc = score(c);
    } else {
      a = c;
      c = d;
      fc = fd;
      d = a + ratio * (b - a);
      fd = score(d);
    }
  }

  // The answer as a user would type it, flown once more for its figures; kept
  // unrounded if rounding should land on a fault.
  best.value = best.resolution > 0
                   ? bestX
                   : std::clamp(ToTolerancePlace(bestX, search.tolerance), search.from, search.to);
  inputs[index] = best.value;
  try {
    best.summary = FlySummary(*state, StartOf(inputs), search.method, &control);
  } catch (const Fault&) {
    best.value = bestX;
    inputs[index] = bestX;
    best.summary = FlySummary(*state, StartOf(inputs), search.method, &control);
  }
  ++best.runs;
  return best;
}

}  // namespace orv
