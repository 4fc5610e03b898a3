#include "flight/spread.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "base/errors.h"
#include "flight/path_flight.h"

namespace orv {
namespace {

// Draws are flown and summed in blocks of this many, each block's sums in draw
// order and the blocks' in block order: the same sums on any number of threads.
constexpr std::int64_t kBlockDraws = 256;
constexpr double kWilsonZ = 1.959963984540054;  // the normal quantile of 97.5 %

// SplitMix64's finaliser: a bijection of 64-bit words that scatters every input bit.
std::uint64_t Mix(std::uint64_t x) {
  x += 0x9e3779b97f4a7c15ULL;
  x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
  x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
  return x ^ (x >> 31);
}

// A double in (0, 1) from the top 53 bits of a word.
double Unit(std::uint64_t x) { return (static_cast<double>(x >> 11) + 0.5) * 0x1p-53; }

struct Sums {
  std::int64_t reached = 0, hits = 0;
  double sum = 0, squares = 0;  // of the height minus the reference

  void Add(const Sums& s) { reached += s.reached, hits += s.hits, sum += s.sum, squares += s.squares; }
  double Sd() const {
    if (reached < 2) return 0;
    const double n = static_cast<double>(reached);
    return std::sqrt(std::max(0.0, (squares - sum * sum / n) / (n - 1)));
  }
};

}  // namespace

double DrawnValue(std::uint64_t seed, std::int64_t draw, Input input, double centre, double sd) {
  if (sd == 0) return centre;
  const std::uint64_t key =
      Mix(Mix(Mix(seed) ^ static_cast<std::uint64_t>(draw)) + static_cast<std::uint64_t>(input));
  // Box and Muller: two uniform numbers give one normal one.
  const double z = std::sqrt(-2 * std::log(Unit(key))) * std::cos(2 * std::numbers::pi * Unit(Mix(key)));
  return centre + sd * z;
}

std::pair<double, double> WilsonInterval(std::int64_t hits, std::int64_t n) {
  if (n <= 0) return {0, 1};
  const double p = static_cast<double>(hits) / static_cast<double>(n), N = static_cast<double>(n);
  const double z2 = kWilsonZ * kWilsonZ;
  const double centre = (p + z2 / (2 * N)) / (1 + z2 / N);
  const double half = kWilsonZ * std::sqrt(p * (1 - p) / N + z2 / (4 * N * N)) / (1 + z2 / N);
  // All or none: the interval ends at 1 or 0 exactly, where rounding would not.
  return {hits == 0 ? 0.0 : std::max(0.0, centre - half), hits == n ? 1.0 : std::min(1.0, centre + half)};
}

std::string SpreadCsv(const SpreadSetup& setup, const SpreadResult& result, CsvStyle style) {
  std::string csv = "draw";
  const auto heading = [&](const std::string& name, std::string_view unit) {
    csv += style.separator;
    AppendCsvField(csv, unit.empty() ? name : name + " [" + std::string(unit) + "]", style);
  };
  for (const InputSpread& s : setup.spreads) heading(InfoOf(s.input).name, InfoOf(s.input).csvUnit);
  heading("height", "m");
  heading("time", "s");
  heading("speed", "m/s");
  csv += kCsvLineEnd;
  for (std::size_t i = 0; i < result.each.size(); ++i) {
    csv += std::to_string(i + 1);
    const auto draw = static_cast<std::int64_t>(i);
    for (const InputSpread& s : setup.spreads) {
      csv += style.separator;
      AppendCsvNumber(
          csv, DrawnValue(setup.seed, draw, s.input, setup.inputs[static_cast<std::size_t>(s.input)], s.sd),
          style);
    }
    const DrawAtTarget& d = result.each[i];
    for (const double v : {d.height, d.time, d.speed}) {
      csv += style.separator;
      if (!std::isnan(v)) AppendCsvNumber(csv, v, style);
    }
    csv += kCsvLineEnd;
  }
  return csv;
}

std::int64_t SpreadFlights(const SpreadSetup& setup) {
  const auto alone = setup.spreads.size() > 1 ? static_cast<std::int64_t>(setup.spreads.size()) : 0;
  return setup.draws * (1 + alone);
}

SpreadResult RunSpread(const SpreadSetup& setup, int jobs, RunControl& control,
                       std::atomic<std::int64_t>* done) {
  // Runs: 0 every input drawn; k > 0 only the spread k - 1 (with one spread input,
  // run 0 is also that input's run).
  const std::size_t runs = setup.spreads.size() > 1 ? setup.spreads.size() + 1 : 1;
  const std::int64_t blocks = (setup.draws + kBlockDraws - 1) / kBlockDraws;
  std::vector<Sums> sums(runs * static_cast<std::size_t>(blocks));
  SpreadResult result;
  result.draws = setup.draws;
  if (setup.keepDraws) result.each.resize(static_cast<std::size_t>(setup.draws));
  // Heights are summed about the target's, which keeps the sums of squares small.
  const double reference = setup.target.height;

  ForEachFlight(
      runs * static_cast<std::size_t>(blocks), jobs, control, [&](std::size_t job, SharedState& scratch) {
        const std::size_t run = job / static_cast<std::size_t>(blocks);
        const std::int64_t block = static_cast<std::int64_t>(job % static_cast<std::size_t>(blocks));
        // Summed here and stored once: neighbouring blocks' sums share a cache line,
        // which two threads writing at every draw would pass to and fro.
        Sums s;
        for (std::int64_t i = block * kBlockDraws; i < std::min(setup.draws, (block + 1) * kBlockDraws);
             ++i) {
          FlightInputs inputs = setup.inputs;
          for (std::size_t k = 0; k < setup.spreads.size(); ++k) {
            if (run > 0 && run - 1 != k) continue;
            const InputSpread& spread = setup.spreads[k];
            double& value = inputs[static_cast<std::size_t>(spread.input)];
            value = DrawnValue(setup.seed, i, spread.input, value, spread.sd);
          }
          DrawAtTarget d{std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::quiet_NaN(),
                         std::numeric_limits<double>::quiet_NaN()};
          try {
            const RangeCrossing c = FlyToRange(scratch, inputs, setup.method, setup.target.range, &control);
            if (c.at) d = {c.at->H, c.at->t, c.at->V};
          } catch (const Fault&) {
          }
          if (!std::isnan(d.height)) {
            const double h = d.height - reference;
            ++s.reached;
            s.hits += std::abs(h) <= setup.radius;
            s.sum += h;
            s.squares += h * h;
          }
          if (run == 0 && setup.keepDraws) result.each[static_cast<std::size_t>(i)] = d;
          if (done) ++*done;
        }
        sums[job] = s;
      });

  std::vector<Sums> total(runs);
  for (std::size_t run = 0; run < runs; ++run)
    for (std::int64_t b = 0; b < blocks; ++b)
      total[run].Add(sums[run * static_cast<std::size_t>(blocks) + static_cast<std::size_t>(b)]);
  const Sums& all = total[0];
  result.hits = all.hits;
  result.notReached = setup.draws - all.reached;
  const double n = static_cast<double>(setup.draws);
  result.hitShare = static_cast<double>(all.hits) / n;
  std::tie(result.hitLow, result.hitHigh) = WilsonInterval(all.hits, setup.draws);
  result.notReachedShare = static_cast<double>(result.notReached) / n;
  result.heightMean = all.reached > 0 ? reference + all.sum / static_cast<double>(all.reached)
                                      : std::numeric_limits<double>::quiet_NaN();
  result.heightSd = all.reached > 0 ? all.Sd() : std::numeric_limits<double>::quiet_NaN();
  for (std::size_t k = 0; k < setup.spreads.size(); ++k)
    result.heightSdByInput.push_back(runs > 1 ? total[k + 1].Sd() : result.heightSd);
  return result;
}

}  // namespace orv
