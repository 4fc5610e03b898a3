#include "cli/sweep_grid.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

#include "base/decimal_grid.h"
#include "cli/usage_error.h"

namespace orv::cli {
namespace {

[[noreturn]] void Fail(std::string_view option, const std::string& why) {
  throw UsageError("--vary " + std::string(option) + ": " + why);
}

}  // namespace

std::string InputNames() {
  std::string names;
  for (const InputInfo& info : InputTable()) names += (names.empty() ? "" : ", ") + std::string(info.name);
  return names;
}

VaryAxis ParseVary(std::string_view option) {
  const std::size_t equals = option.find('=');
  const std::size_t colon1 = option.find(':', equals);
  const std::size_t colon2 = colon1 == std::string_view::npos ? colon1 : option.find(':', colon1 + 1);
  if (equals == std::string_view::npos || colon2 == std::string_view::npos ||
      option.find(':', colon2 + 1) != std::string_view::npos)
    throw UsageError("--vary: expected NAME=FROM:TO:STEP, not '" + std::string(option) + "'");
  const std::string_view name = option.substr(0, equals);
  const std::optional<Input> input = FindInput(name);
  if (!input) Fail(option, "no input is called '" + std::string(name) + "' (one of " + InputNames() + ")");

  const std::string_view texts[3] = {option.substr(equals + 1, colon1 - equals - 1),
                                     option.substr(colon1 + 1, colon2 - colon1 - 1),
                                     option.substr(colon2 + 1)};
  const std::string where = "--vary " + std::string(name);
  const double from = ParseInputValue(where, texts[0]);
  const double to = ParseInputValue(where, texts[1]);
  const double step = ParseInputValue(where, texts[2]);
  if (step == 0) Fail(option, "STEP must not be 0");
  if ((to - from) * step < 0)
    Fail(option,
         std::string("STEP must be ") + (step > 0 ? "negative" : "positive") + " to go from FROM to TO");
  const double span = (to - from) / step;
  if (!(span < static_cast<double>(kMaxAxisValues)))
    Fail(option, "more than " + std::to_string(kMaxAxisValues) + " values");

  return VaryAxis{*input, DecimalGrid(texts[0], texts[1], texts[2])};
}

std::int64_t GridSize(const std::vector<VaryAxis>& axes) {
  std::int64_t runs = 1;
  for (const VaryAxis& axis : axes) {
    runs *= static_cast<std::int64_t>(axis.values.size());
    if (runs > kMaxGridRuns)
      throw UsageError("--vary: the grid has more than " + std::to_string(kMaxGridRuns) +
                       " runs, whose rows alone would fill some 100 GB; use larger steps");
  }
  return runs;
}

void SetGridPoint(const std::vector<VaryAxis>& axes, std::int64_t index, FlightInputs& inputs) {
  for (auto axis = axes.rbegin(); axis != axes.rend(); ++axis) {
    const auto n = static_cast<std::int64_t>(axis->values.size());
    inputs[static_cast<std::size_t>(axis->input)] = axis->values[static_cast<std::size_t>(index % n)];
    index /= n;
  }
}

Shard ParseShard(std::string_view text) {
  const std::size_t slash = text.find('/');
  Shard shard;
  const auto number = [](std::string_view s, std::int64_t& v) {
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    return !s.empty() && r.ec == std::errc{} && r.ptr == s.data() + s.size();
  };
  if (slash == std::string_view::npos || !number(text.substr(0, slash), shard.index) ||
      !number(text.substr(slash + 1), shard.count) || shard.count < 1 || shard.index < 1 ||
      shard.index > shard.count)
    throw UsageError("--shard: expected K/N with 1 <= K <= N, not '" + std::string(text) + "'");
  return shard;
}

std::pair<std::int64_t, std::int64_t> ShardRange(std::int64_t runs, Shard shard) {
  const auto bound = [&](std::int64_t k) {
    return static_cast<std::int64_t>(static_cast<__int128>(runs) * k / shard.count);
  };
  return {bound(shard.index - 1), bound(shard.index)};
}

void CheckSweepRuns(std::int64_t runs, Shard shard, bool sharded) {
  const auto [first, last] = ShardRange(runs, shard);
  if (last - first <= kMaxSweepRuns) return;
  const std::string shards = std::to_string((runs + kMaxSweepRuns - 1) / kMaxSweepRuns);
  if (!sharded)
    throw UsageError("--vary: the grid has " + std::to_string(runs) + " runs, more than " +
                     std::to_string(kMaxSweepRuns) +
                     " for one sweep; split it with --shard K/N, N at least " + shards);
  throw UsageError("--shard " + std::to_string(shard.index) + "/" + std::to_string(shard.count) + ": " +
                   std::to_string(last - first) + " runs, more than " + std::to_string(kMaxSweepRuns) +
                   " for one sweep; split the grid into at least " + shards + " shards");
}

}  // namespace orv::cli
