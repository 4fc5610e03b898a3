// The grid of a sweep: the values of each varied input, every combination in grid
// order (the last --vary changes fastest), and contiguous shards of it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/flight_inputs.h"

namespace orv::cli {

inline constexpr std::int64_t kMaxSweepRuns = 1000000;

struct VaryAxis {
  Input input;
  std::vector<double> values;
};

// "cx, cy, mass, ...": the names an input option or a grid takes.
std::string InputNames();

// "NAME=FROM:TO:STEP": FROM, FROM + STEP, ... up to TO, each value the double that
// its decimal text reads as (0:1:0.1 gives 0.3, not 0.30000000000000004). Throws
// UsageError for an unknown name, a text that is not a number, a STEP of 0 or of the
// wrong sign, or more than kMaxSweepRuns values.
VaryAxis ParseVary(std::string_view option);

// Runs of the whole grid; a UsageError beyond kMaxSweepRuns.
std::int64_t GridSize(const std::vector<VaryAxis>& axes);

// Puts the varied values of run `index` (0-based, grid order) into `inputs`.
void SetGridPoint(const std::vector<VaryAxis>& axes, std::int64_t index, FlightInputs& inputs);

// "K/N" with 1 <= K <= N: block K of N.
struct Shard {
  std::int64_t index = 1;
  std::int64_t count = 1;
};
Shard ParseShard(std::string_view text);

// The runs [first, last) of shard K/N: the grid cut into N contiguous blocks whose
// sizes differ by at most one.
std::pair<std::int64_t, std::int64_t> ShardRange(std::int64_t runs, Shard shard);

}  // namespace orv::cli
