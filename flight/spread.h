// The chance of a hit: Monte Carlo draws of the launch around its inputs, each input
// with a normal spread of its own, and where each drawn path passes the target's
// range. Draw i's random numbers depend only on the seed, i and the input, so the
// answer is the same on any number of threads, and a run of one input alone draws
// the same numbers for it as the run of all.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "base/input_table.h"
#include "files/csv_text.h"
#include "flight/aim.h"
#include "flight/flight_method.h"
#include "flight/run_control.h"

namespace orv {

inline constexpr std::int64_t kSpreadDrawsMax = 10'000'000;
inline constexpr double kDefaultHitRadius = 0.1;  // m

struct InputSpread {
  Input input = Input::kV0;
  double sd = 0;  // standard deviation, in the input's unit
};

struct SpreadSetup {
  FlightInputs inputs{};  // the centre of the draws
  MethodChoice method{FlightMethod::kRk45, kDefaultTolerance};
  Target target;
  double radius = kDefaultHitRadius;  // m: a draw within this of the target's height hits
  std::int64_t draws = 1;
  std::uint64_t seed = 0;
  std::vector<InputSpread> spreads;
  bool keepDraws = false;  // keep every draw's path at the target (for a CSV, a histogram)
};

// One draw at the target's range; NaN everywhere where it does not reach it (or faults).
struct DrawAtTarget {
  double height = 0, time = 0, speed = 0;  // m, s, m/s
};

struct SpreadResult {
  std::int64_t draws = 0, hits = 0, notReached = 0;
  double hitShare = 0, hitLow = 0, hitHigh = 0;  // the share of hits and its 95 % Wilson interval
  double heightMean = 0, heightSd = 0;           // m, of the draws that reach the range
  double notReachedShare = 0;
  // For each spread input alone (in the order given), the standard deviation of the
  // height at the target it causes.
  std::vector<double> heightSdByInput;
  std::vector<DrawAtTarget> each;  // with keepDraws, by draw number
};

// Draw i's value of `input` with spread `sd` around `centre`.
double DrawnValue(std::uint64_t seed, std::int64_t draw, Input input, double centre, double sd);

// The 95 % Wilson score interval of a share of `hits` in `n`.
std::pair<double, double> WilsonInterval(std::int64_t hits, std::int64_t n);

// Flies every draw on up to `jobs` threads; `done` (may be null) counts flights as
// they finish. Throws RunCancelled.
SpreadResult RunSpread(const SpreadSetup& setup, int jobs, RunControl& control,
                       std::atomic<std::int64_t>* done = nullptr);

// One line per draw kept: the draw's number (from 1), each spread input's drawn
// value, and the height, time and speed at the target (empty where it does not reach).
std::string SpreadCsv(const SpreadSetup& setup, const SpreadResult& result, CsvStyle style);

// The flights RunSpread flies: the draws, and again for each input alone where
// there are several.
std::int64_t SpreadFlights(const SpreadSetup& setup);

}  // namespace orv
