// Which steps the second pass records: the first one, and each step in which
// t / SampleInterval passes an integer while its fraction rose by at most 0.01 since
// the step before (or fell back). Time steps of 2^-10 s keep every time exact.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "flight/flight_run.h"
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

// 493 steps: t / SampleInterval grows by 500/493 a step, so its fraction rises by
// 7/493 (1.4 %) and falls back only where 7 n / 493 passes an integer: these steps
// record, no other after the first.
TEST(Sampling, FractionRisingByMoreThanOnePercentDoesNotRecord) {
  auto state = TimedFlight(493 * kStep);
  RunFlight(*state);
  const int steps[] = {1, 71, 141, 212, 282, 353, 423};
  for (int row = 1; row <= 7; ++row)
    EXPECT_EQ(state->Sample(0, row), steps[row - 1] * kStep) << "row " << row;
  EXPECT_LE(state->RecordedRows, 8);
}

// Fewer steps than rows: each step passes an integer of t / SampleInterval.
TEST(Sampling, FlightOfFewStepsRecordsEachStep) {
  auto state = TimedFlight(3 * kStep);
  RunFlight(*state);
  for (int row = 1; row <= 3; ++row) EXPECT_EQ(state->Sample(0, row), row * kStep);
  EXPECT_EQ(state->Sample(0, 4), 0.0);
  EXPECT_EQ(state->NextRow, 4);
}

// The recorded times, worked out from the rule alone: t summed step by step as the
// run does, a row where the whole part of t / interval grew (or at the first step)
// and its fraction rose by at most 0.01 since the step before; row 500 is overwritten.
std::vector<double> RowTimes(double dt, std::int64_t steps, double interval) {
  std::vector<double> rows;
  double t = 0, previousWhole = -1, previousFraction = 100;
  for (std::int64_t k = 1; k <= steps; ++k) {
    t = t + dt;
    const double quotient = t / interval;
    const double whole = std::trunc(quotient), fraction = quotient - whole;
    if (whole > previousWhole && fraction - previousFraction <= 0.01) {
      if (rows.size() == 500) rows.pop_back();
      rows.push_back(t);
    }
    previousWhole = whole;
    previousFraction = fraction;
  }
  return rows;
}

void ExpectRows(const SharedState& state, const std::vector<double>& rows) {
  ASSERT_EQ(state.RecordedRows, static_cast<int>(rows.size()));
  for (std::size_t i = 0; i < rows.size(); ++i)
    ASSERT_EQ(state.Sample(Col::kTime, static_cast<int>(i) + 1), rows[i]) << "row " << i + 1;
  if (rows.size() < 500) {
    EXPECT_EQ(state.Sample(Col::kTime, static_cast<int>(rows.size()) + 1), 0.0);
  }
}

// Any step size: the rows follow the rule.
TEST(Sampling, RecordsWhereTheQuotientPassesAnInteger) {
  for (double dt : {1e-4, 3e-5, 1.1e-5}) {
    auto state = testing::DefaultState();
    state->fd.dt0() = dt;
    const std::int64_t steps = RunFlight(*state) / 2;
    SCOPED_TRACE(dt);
    ExpectRows(*state, RowTimes(dt, steps, state->SampleInterval));
  }
}

// Around 500 steps and far beyond: the number of rows each flight length gives.
TEST(Sampling, RowsOfShortAndLongFlights) {
  // 400 steps advance t / SampleInterval by 1.25 each: the fraction rises by 0.25
  // and falls back every fourth step, so the first step and every fourth one.
  const std::pair<std::int64_t, int> cases[] = {{400, 101}, {499, 499}, {500, 500}, {501, 500}, {60000, 500}};
  for (auto [steps, rows] : cases) {
    auto state = TimedFlight(static_cast<double>(steps) * kStep);
    ASSERT_EQ(RunFlight(*state), 2 * steps);
    SCOPED_TRACE(steps);
    EXPECT_EQ(state->RecordedRows, rows);
    ExpectRows(*state, RowTimes(kStep, steps, state->SampleInterval));
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
