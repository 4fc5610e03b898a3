// A sweep's rows: each equals a single run of its inputs, in grid order, the same
// bytes on one thread or two and split into shards, with a faulting run's text in
// its row.
#include "cli/sweep_runner.h"

#include <gtest/gtest.h>

#include <charconv>
#include <memory>
#include <string>
#include <vector>

#include "base/errors.h"
#include "flight/flight_run.h"
#include "flight/flight_summary.h"

namespace orv::cli {
namespace {

SweepPlan PlanOf(std::vector<std::string> vary) {
  SweepPlan plan;
  plan.fixed = DefaultInputs();
  for (const std::string& option : vary) plan.axes.push_back(ParseVary(option));
  plan.first = 0;
  plan.last = GridSize(plan.axes);
  return plan;
}

std::string Sweep(const SweepPlan& plan, int jobs) {
  RunControl control;
  std::string out;
  const SweepResult result = RunSweep(plan, jobs, control, [&](std::string_view row) { out += row; });
  EXPECT_FALSE(result.cancelled);
  EXPECT_EQ(result.runs, plan.last - plan.first);
  return out;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (char c : line) {
    if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

double Number(const std::string& text) {
  double v = 0;
  std::from_chars(text.data(), text.data() + text.size(), v);
  return v;
}

TEST(SweepRunner, RowsEqualSingleRunsInGridOrder) {
  const SweepPlan plan = PlanOf({"angle=-20:40:15", "mass=0.1:0.3:0.1"});
  const std::vector<std::string> rows = Lines(Sweep(plan, 2));
  ASSERT_EQ(rows.size(), 15u);
  auto state = std::make_unique<SharedState>();
  for (std::int64_t i = 0; i < 15; ++i) {
    FlightInputs inputs = plan.fixed;
    SetGridPoint(plan.axes, i, inputs);
    *state = SharedState{};
    ApplyInputs(inputs, state->fd);
    const FlightSummary s = Summarize(*state, FlyFlight(*state, plan.method));

    const std::vector<std::string> f = Fields(rows[static_cast<std::size_t>(i)]);
    ASSERT_EQ(f.size(), 2 + 1 + SummaryValues().size() + 1);
    EXPECT_EQ(Number(f[0]), inputs[static_cast<std::size_t>(Input::kAngle)]);
    EXPECT_EQ(Number(f[1]), inputs[static_cast<std::size_t>(Input::kMass)]);
    EXPECT_EQ(Number(f[2]), static_cast<double>(s.stepsPerPass));
    for (std::size_t k = 0; k < SummaryValues().size(); ++k)
      EXPECT_EQ(Number(f[3 + k]), s.*SummaryValues()[k].member)
          << "row " << i << " " << SummaryValues()[k].key;
    EXPECT_EQ(f.back(), "");
  }
}

TEST(SweepRunner, SameBytesOnOneOrTwoThreadsAndInShards) {
  SweepPlan plan = PlanOf({"v0=5:30:5", "angle=-30:30:20"});
  const std::string one = Sweep(plan, 1);
  EXPECT_EQ(Sweep(plan, 2), one);
  EXPECT_EQ(Sweep(plan, 7), one);
  std::string shards;
  for (std::int64_t k = 1; k <= 3; ++k) {
    SweepPlan shard = plan;
    std::tie(shard.first, shard.last) = ShardRange(GridSize(plan.axes), {k, 3});
    shards += Sweep(shard, 2);
  }
  EXPECT_EQ(shards, one);
}

TEST(SweepRunner, FaultingRunGivesItsTextAndTheSweepGoesOn) {
  // V0 = 0 at angle 0 divides by zero; dt = 0 never advances.
  const SweepPlan plan = PlanOf({"dt=0:1e-3:1e-3", "v0=0:1:1"});
  const std::vector<std::string> rows = Lines(Sweep(plan, 2));
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(Fields(rows[0]).back(),
            "The time step 0 s is not greater than zero, so the flight time would never advance");
  EXPECT_EQ(Fields(rows[2]),
            (std::vector<std::string>{"0.001", "0", "", "", "", "", "", "", "", kDivByZeroText}));
  EXPECT_EQ(Fields(rows[3]).back(), "");
  EXPECT_NE(Fields(rows[3])[2], "");
}

TEST(SweepRunner, HeaderNamesTheVariedInputsAndTheSummary) {
  SweepPlan plan = PlanOf({"area=1e-5:2e-5:1e-5", "cx=1:2:1"});
  plan.style = kCsvDecimalComma;
  EXPECT_EQ(
      SweepHeader(plan),
      "area [m2];cx;steps per pass;flight time [s];range [m];greatest height [m];speed at the end [m/s];"
      "path angle at the end [deg];kinetic energy at the end [J];fault\r\n");
}

TEST(SweepRunner, CancelStopsEveryThread) {
  SweepPlan plan = PlanOf({"angle=0:99:1"});
  plan.fixed[static_cast<std::size_t>(Input::kDt)] = 1e-7;  // each run takes seconds
  RunControl control;
  std::int64_t rows = 0;
  control.cancel = true;
  const SweepResult result = RunSweep(plan, 2, control, [&](std::string_view) { ++rows; });
  EXPECT_TRUE(result.cancelled);
  EXPECT_EQ(rows, 0);
}

}  // namespace
}  // namespace orv::cli
