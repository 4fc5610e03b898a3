// A sweep's grid: values as their decimal texts read, counts, grid order, shards,
// and the refusals of a STEP that never gets from FROM to TO.
#include "cli/sweep_grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/number_text.h"
#include "cli/usage_error.h"

namespace orv::cli {
namespace {

double Read(const std::string& text) {
  double v = 0;
  TextToFloat(text, '.', v);
  return v;
}

TEST(SweepGrid, ValuesAreTheDoublesOfTheirDecimalTexts) {
  const VaryAxis axis = ParseVary("angle=0:1:0.1");
  EXPECT_EQ(axis.input, Input::kAngle);
  ASSERT_EQ(axis.values.size(), 11u);
  for (int i = 0; i < 10; ++i)
    EXPECT_EQ(axis.values[static_cast<std::size_t>(i)], Read("0." + std::to_string(i))) << i;
  EXPECT_EQ(axis.values[10], 1.0);
  // 0.1 * 3 is 0.30000000000000004; the grid has the 0.3 a field reads.
  EXPECT_EQ(axis.values[3], 0.3);

  const VaryAxis down = ParseVary("v0=30.2:29.9:-0.15");
  EXPECT_EQ(down.values, (std::vector<double>{30.2, 30.05, 29.9}));
  const VaryAxis exponent = ParseVary("dt=1e-4:5E-4:1e-4");
  EXPECT_EQ(exponent.values, (std::vector<double>{1e-4, 2e-4, 3e-4, 4e-4, 5e-4}));
  // TO need not be on the grid; FROM = TO is one run.
  EXPECT_EQ(ParseVary("mass=1:2.5:1").values, (std::vector<double>{1, 2}));
  EXPECT_EQ(ParseVary("mass=7:7:1").values, (std::vector<double>{7}));
}

TEST(SweepGrid, RefusesWhatNeverReachesTo) {
  for (const char* option : {"angle=0:45:0", "angle=0:45:-5", "angle=45:0:5", "angle=0:45", "angle",
                             "speed=0:1:1", "angle=0:abc:1", "angle=0:1e7:1", "angle=0,5:1:1"})
    EXPECT_THROW(ParseVary(option), UsageError) << option;
  try {
    ParseVary("v0=0:abc:1");
    FAIL();
  } catch (const UsageError& e) {
    EXPECT_STREQ(e.what(), "--vary v0: 'abc' is not a valid floating point value");
  }
}

TEST(SweepGrid, GridOrderChangesTheLastAxisFastest) {
  const std::vector<VaryAxis> axes{ParseVary("angle=0:20:10"), ParseVary("v0=1:2:1")};
  ASSERT_EQ(GridSize(axes), 6);
  std::vector<std::pair<double, double>> points;
  for (std::int64_t i = 0; i < 6; ++i) {
    FlightInputs inputs = DefaultInputs();
    SetGridPoint(axes, i, inputs);
    points.emplace_back(inputs[static_cast<std::size_t>(Input::kAngle)],
                        inputs[static_cast<std::size_t>(Input::kV0)]);
    EXPECT_EQ(inputs[static_cast<std::size_t>(Input::kMass)], 0.18);
  }
  EXPECT_EQ(points,
            (std::vector<std::pair<double, double>>{{0, 1}, {0, 2}, {10, 1}, {10, 2}, {20, 1}, {20, 2}}));
}

TEST(SweepGrid, AtMostAMillionRunsASweepAndABillionAGrid) {
  EXPECT_EQ(GridSize({ParseVary("angle=1:1000:1"), ParseVary("v0=1:1000:1")}), 1000000);
  EXPECT_NO_THROW(CheckSweepRuns(1000000, {}, false));
  EXPECT_THROW(CheckSweepRuns(1000001, {}, false), UsageError);
  EXPECT_NO_THROW(CheckSweepRuns(2000000, {1, 2}, true));
  EXPECT_THROW(CheckSweepRuns(2000001, {2, 2}, true), UsageError);
  EXPECT_EQ(GridSize({ParseVary("angle=1:1000:1"), ParseVary("v0=1:1000:1"), ParseVary("mass=1:1000:1")}),
            1000000000);
  EXPECT_THROW(GridSize({ParseVary("angle=1:1000:1"), ParseVary("v0=1:1000:1"), ParseVary("mass=0:1000:1")}),
               UsageError);
}

TEST(SweepGrid, ShardsCutTheGridIntoContiguousBlocks) {
  EXPECT_EQ(ParseShard("2/3").index, 2);
  for (const char* bad : {"0/3", "4/3", "3", "a/b", "1/0", "-1/2", "1/2x"})
    EXPECT_THROW(ParseShard(bad), UsageError);
  for (std::int64_t runs : {0, 1, 7, 10, 1000000})
    for (std::int64_t n : {1, 2, 3, 7, 11}) {
      std::int64_t next = 0;
      for (std::int64_t k = 1; k <= n; ++k) {
        const auto [first, last] = ShardRange(runs, {k, n});
        EXPECT_EQ(first, next);
        EXPECT_LE(last - first, runs / n + 1);
        EXPECT_GE(last - first, runs / n);
        next = last;
      }
      EXPECT_EQ(next, runs);
      // Shard k/n is shards (k-1)j+1 .. kj of n*j.
      for (std::int64_t k = 1; k <= n; ++k)
        for (std::int64_t j : {2, 3, 10}) {
          EXPECT_EQ(ShardRange(runs, {k, n}).first, ShardRange(runs, {(k - 1) * j + 1, n * j}).first);
          EXPECT_EQ(ShardRange(runs, {k, n}).second, ShardRange(runs, {k * j, n * j}).second);
        }
    }
}

}  // namespace
}  // namespace orv::cli
