// Charts that cannot be drawn: undefined scales, requests no button makes, values
// far off the surface.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "base/errors.h"
#include "charts/chart_engine.h"
#include "tests/chart_test_queries.h"
#include "tests/chart_test_tables.h"

namespace orv::test {
namespace {

template <typename Fault>
std::string FaultText(const SharedState& state, const ChartRequest& request, RecordingHost& host) {
  try {
    DrawChart(state, request, host, '.');
  } catch (const Fault& f) {
    return f.what();
  }
  return "no fault";
}

TEST(ChartFaults, NoRunYetIsDivisionByZero) {
  auto state = EmptyState();  // SampleRows = 0
  RecordingHost host;
  EXPECT_EQ(FaultText<FloatingPointFault>(*state, {7, 3, 1, 4, 2, 5}, host), kDivByZeroText);
  EXPECT_EQ(host.pictures, 0);
}

TEST(ChartFaults, NoPositiveXIsDivisionByZero) {
  auto state = TableOf([](int c, int j) { return c == 0 ? -1.0 * j : 1.0; });
  RecordingHost host;
  EXPECT_EQ(FaultText<FloatingPointFault>(*state, {0, 3}, host), kDivByZeroText);
  EXPECT_EQ(host.pictures, 0);
}

TEST(ChartFaults, AllZeroPlainCurveStopsTheChart) {
  auto state = TableOf([](int c, int j) { return c == 1 ? 0.0 : 1.0 * j; });
  RecordingHost host;
  EXPECT_EQ(FaultText<FloatingPointFault>(*state, {0, 3, 1}, host), kDivByZeroText);
  EXPECT_EQ(host.pictures, 0);  // the height curve drawn before is not shown
  EXPECT_EQ(Polylines(*host.drawn).size(), 1u);

  // Zero maximum but negative values: a signed curve, which has a scale.
  state->Sample(1, 50) = -1.0;
  DrawChart(*state, {0, 3, 1}, host, '.');
  EXPECT_EQ(host.pictures, 1);
}

TEST(ChartFaults, PreviousPictureStays) {
  auto good = TableOf([](int, int j) { return 1.0 * j; });
  auto empty = EmptyState();
  RecordingHost host;
  DrawChart(*good, {0, 3}, host, '.');
  const CallLog before = host.shown;
  EXPECT_THROW(DrawChart(*empty, {0, 3}, host, '.'), FloatingPointFault);
  EXPECT_EQ(host.pictures, 1);
  EXPECT_EQ(host.shown.size(), before.size());
}

TEST(ChartFaults, ScaleThatOverflows) {
  auto state = TableOf([](int c, int j) { return c == 0 ? 1e-320 * j : 1.0; });
  RecordingHost host;
  EXPECT_EQ(FaultText<FloatingPointFault>(*state, {0, 3}, host), kOverflowText);
}

TEST(ChartFaults, RequestsNoButtonMakesAreRefused) {
  auto state = TableOf([](int, int j) { return 1.0 * j; });
  RecordingHost host;
  EXPECT_THROW(DrawChart(*state, ChartRequest{}, host, '.'), InputFault);
  EXPECT_THROW(DrawChart(*state, {0}, host, '.'), InputFault);
  EXPECT_THROW(DrawChart(*state, {0, 1, 2, 3, 4, 5, 7, 9, 10}, host, '.'), InputFault);
  EXPECT_THROW(DrawChart(*state, {0, 30}, host, '.'), InputFault);
  EXPECT_THROW(DrawChart(*state, {-1, 3}, host, '.'), InputFault);
  EXPECT_EQ(host.drawn, nullptr);  // refused before a surface was made
  EXPECT_EQ(FaultText<InputFault>(*state, {0, 31}, host), "The sample table has no column 31");

  // Eight entries is the most a chart takes.
  DrawChart(*state, {0, 1, 2, 3, 4, 5, 7, 9}, host, '.');
  EXPECT_EQ(host.pictures, 1);
}

TEST(ChartFaults, TooFewRowsForTheMarkers) {
  // 12 rows: m = rnd(3.46) + d, 0 for speed (d = -3), 3 for height (d = 0).
  auto state = TableOf([](int, int j) { return 1.0 * j; }, 12);
  RecordingHost host;
  EXPECT_THROW(DrawChart(*state, {0, 3, 1}, host, '.'), InputFault);
  EXPECT_EQ(host.pictures, 0);
  DrawChart(*state, {0, 3}, host, '.');
  EXPECT_EQ(SquareCentres(host.shown, kRed).size(), 1u + 3u);  // samples 3, 6, 9

  state->SampleRows = 501;
  EXPECT_THROW(DrawChart(*state, {0, 3}, host, '.'), InputFault);
  state->SampleRows = -1;
  EXPECT_THROW(DrawChart(*state, {0, 3}, host, '.'), InputFault);
}

TEST(ChartFaults, FarAwayValuesAreDrawnWhereTheyFall) {
  // Nothing is clipped by the engine: a sample of -1e300 lands far to the left.
  auto state = TableOf([](int c, int j) { return c == 0 ? (j == 10 ? -1e300 : 1.0 * j) : 1.0 * j; });
  state->Sample(3, 20) = std::numeric_limits<double>::max();
  RecordingHost host;
  DrawChart(*state, {0, 3}, host, '.');
  ASSERT_EQ(host.pictures, 1);
  const auto curve = Polylines(host.shown)[0];
  EXPECT_LT(curve[9].x, -100000000);
}

TEST(ChartFaults, InfiniteSampleHasNoPixel) {
  auto state = TableOf([](int, int j) { return 1.0 * j; });
  state->Sample(3, 20) = std::numeric_limits<double>::infinity();
  RecordingHost host;
  EXPECT_EQ(FaultText<FloatingPointFault>(*state, {0, 3}, host), kInvalidOpText);
  EXPECT_EQ(host.pictures, 0);
}

}  // namespace
}  // namespace orv::test
