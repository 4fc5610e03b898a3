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

// The most runs one sweep flies: a whole grid, or one shard of a larger one.
inline constexpr std::int64_t kMaxSweepRuns = 1000000;
// The most runs of a grid however it is sharded: its rows alone would fill some
// 100 GB, and a grid this fine is almost always a mistyped step.
inline constexpr std::int64_t kMaxGridRuns = 1000000000;
// The most values of one input: every value is held in memory.
inline constexpr std::int64_t kMaxAxisValues = 10000000;

struct VaryAxis {
  Input input;
  std::vector<double> values;
};

// "cx, cy, mass, ...": the names an input option or a grid takes.
std::string InputNames();

// "NAME=FROM:TO:STEP": FROM, FROM + STEP, ... up to TO, each value the double that
// its decimal text reads as (0:1:0.1 gives 0.3, not 0.30000000000000004). Throws
// UsageError for an unknown name, a text that is not a number, a STEP of 0 or of the
// wrong sign, or more than kMaxAxisValues values.
VaryAxis ParseVary(std::string_view option);

// Runs of the whole grid; a UsageError beyond kMaxGridRuns.
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
// Shard K/N is exactly shards (K-1)J+1 .. KJ of N*J, for any J: a shard can be split
// further without changing its bytes.
std::pair<std::int64_t, std::int64_t> ShardRange(std::int64_t runs, Shard shard);

// A UsageError when shard `shard` of a grid of `runs` runs (`sharded`: given as
// --shard) has more than kMaxSweepRuns runs, naming the number of shards that would do.
void CheckSweepRuns(std::int64_t runs, Shard shard, bool sharded);

}  // namespace orv::cli
