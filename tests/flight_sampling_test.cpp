// Which steps the second pass records: the first one, and each step in which
// t / SampleInterval passes an integer. Time steps of 2^-10 s keep every time exact.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "haupt/flight_run.h"
#include "haupt/flight_run.h"
#include "tests/sim_test_support.h"

namespace orv {
namespace {

constexpr double kStep = 1.0 / 1024;  // s

// The default harpoon, dropped from high up so the end time ends the flight.
std::unique_ptr<SharedState> TimedFlight(double endTime) {
  auto state = testing::DefaultState();
  state->fd.H0() = 10000;
  state->fd.dt0() = kStep;
  state->fd.Tk() = endTime;
  return state;
}

// 512 000 steps: far beyond 50 000, where a 1 % allowance would record every step.
TEST(Sampling, LongFlightKeepsItsRowsEvenlySpaced) {
  auto state = TimedFlight(500.0);  // SampleInterval = 1 s exactly
  RunFlight(*state);
  EXPECT_EQ(state->fd.t(), 500.0);
  EXPECT_EQ(state->SampleInterval, 1.0);
  EXPECT_EQ(state->Sample(0, 1), kStep);  // the first step
  for (int row = 2; row <= 499; ++row) ASSERT_EQ(state->Sample(0, row), row - 1.0) << "row " << row;
  // Row 500 first takes t = 499 and is then overwritten by the last crossing, t = 500.
  EXPECT_EQ(state->Sample(0, 500), 500.0);
  EXPECT_EQ(state->Sample(3, 500), state->fd.H());
  EXPECT_EQ(state->NextRow, 500);
}

// 5000 steps: the fraction grows by 0.1 a step and falls back every tenth step, the
// same rows the 1 % allowance gives.
TEST(Sampling, ShortFlightRecordsEveryTenthStep) {
  auto state = TimedFlight(5000 * kStep);
  RunFlight(*state);
  EXPECT_EQ(state->SampleInterval, 10 * kStep);
  EXPECT_EQ(state->Sample(0, 1), kStep);
  for (int row = 2; row <= 499; ++row)
    ASSERT_EQ(state->Sample(0, row), 10 * (row - 1) * kStep) << "row " << row;
  EXPECT_EQ(state->Sample(0, 500), 5000 * kStep);  // step 4990, then the last step 5000
}

// Fewer steps than rows: each step passes an integer of t / SampleInterval.
TEST(Sampling, FlightOfFewStepsRecordsEachStep) {
  auto state = TimedFlight(3 * kStep);
  RunFlight(*state);
  for (int row = 1; row <= 3; ++row) EXPECT_EQ(state->Sample(0, row), row * kStep);
  EXPECT_EQ(state->Sample(0, 4), 0.0);
  EXPECT_EQ(state->NextRow, 4);
}

// Any step size: the recorded times are those of the steps in which the quotient of
// t (summed step by step, as the run does) by SampleInterval passes an integer.
TEST(Sampling, RecordsWhereTheQuotientPassesAnInteger) {
  for (double dt : {1e-4, 3e-5, 1.1e-5}) {
    auto state = testing::DefaultState();
    state->fd.dt0() = dt;
    const std::int64_t steps = RunFlight(*state) / 2;
    const double interval = state->SampleInterval;
    std::vector<double> rows;
    double t = 0, previous = -1;
    for (std::int64_t k = 1; k <= steps; ++k) {
      t = t + dt;
      const double whole = std::trunc(t / interval);
      if (whole > previous) {
        if (rows.size() == 500) rows.pop_back();
        rows.push_back(t);
      }
      previous = whole;
    }
    ASSERT_EQ(t, state->fd.t());
    ASSERT_GE(rows.size(), 499u) << "dt " << dt;
    for (std::size_t i = 0; i < rows.size(); ++i)
      ASSERT_EQ(state->Sample(0, static_cast<int>(i) + 1), rows[i]) << "dt " << dt << ", row " << i + 1;
  }
}

TEST(Sampling, EveryRunBehavesAsTheFirst) {
  auto state = TimedFlight(700 * kStep);
  RunFlight(*state);
  auto fresh = std::make_unique<SharedState>(*state);
  fresh->TrajectorySamples.fill(0.0);
  RunFlight(*state);  // over its own rows
  RunFlight(*fresh);
  EXPECT_EQ(state->TrajectorySamples, fresh->TrajectorySamples);
}

}  // namespace
}  // namespace orv
