// The curves of a chart: divisions, markers, titles by unit flag, the left edge.
#include <gtest/gtest.h>

#include "charts/chart_catalogue.h"
#include "charts/chart_engine.h"
#include "tests/chart_test_queries.h"
#include "tests/chart_test_tables.h"
#include "tests/default_run.h"

namespace orv::test {
namespace {

int Count(const std::vector<int>& v) { return static_cast<int>(v.size()); }

TEST(ChartCurves, DefaultChartDivisions) {
  auto state = orv::testing::DefaultRun();
  RecordingHost host;
  DrawChart(*state, DefaultChartRequest(), host, '.');
  ASSERT_EQ(host.pictures, 1);
  const CallLog& log = host.shown;
  // Signed (the path angle and minus the drag are negative): zero line 313.
  // Height, curve 1 at L = 248: 7 divisions on the grid rows.
  EXPECT_EQ(TickRows(log, 248, -1), (std::vector<int>{313, 271, 229, 187, 145, 103, 61, 19}));
  // Speed, curve 2 at 154: plain, 7 divisions of rnd(264 / 7) = 38.
  EXPECT_EQ(TickRows(log, 154, +1), (std::vector<int>{313, 275, 237, 199, 161, 123, 85, 47}));
  // Path angle, curve 3 at 107: signed, 4 each way 33 apart.
  EXPECT_EQ(Count(TickRows(log, 107, +1)), 8);
  EXPECT_TRUE(HasLine(log, kBlack, {107, 460, 107, 166}));
  EXPECT_TRUE(HasText(log, {116, 313, "0.0"}));
  // Kinetic energy, curve 4 at 60: plain but after a signed curve, so 4 divisions
  // rnd(264 / 4) = 66 apart.
  EXPECT_EQ(TickRows(log, 60, +1), (std::vector<int>{313, 247, 181, 115, 49}));
  EXPECT_TRUE(HasLine(log, kBlack, {60, 313, 60, 49}));
  // Minus the drag, curve 5 at 13: signed.
  EXPECT_TRUE(HasLine(log, kBlack, {13, 460, 13, 166}));
  EXPECT_TRUE(HasText(log, {11, 313 - 132 - 20, "X,N"}));
  EXPECT_TRUE(HasText(log, {22, 313, "0.0"}));
  EXPECT_EQ(Polylines(log).size(), 5u);
  for (const auto& curve : Polylines(log)) EXPECT_EQ(curve.front().x, 248);
  EXPECT_EQ(host.image3Shown, 5);
}

TEST(ChartCurves, PlainLabelsAfterSignedCurve) {
  // Energy over time after a signed curve: labels k Ymax / 4.
  auto state = TableOf([](int c, int j) {
    if (c == 0) return 1.0 * j;
    if (c == 4) return j % 2 ? -2.0 : 2.0;
    return 80.0 * j / 499;
  });
  RecordingHost host;
  DrawChart(*state, {0, 3, 4, 2}, host, '.');
  // n = 4: L = 174, step = rnd(163 / 3) = 54; energy at A(3) = 12.
  for (int k = 0; k <= 4; ++k)
    EXPECT_TRUE(HasText(host.shown, {18, 313 - 66 * k, std::to_string(20 * k)})) << k;
}

// Markers every m-th sample with m = 22 + d, at the sample's own point.
std::vector<int> MarkedSamples(const std::vector<Point>& centres, const std::vector<Point>& curve) {
  std::vector<int> samples;
  for (const Point& c : centres)
    for (std::size_t j = 1; j < curve.size(); ++j)
      if (curve[j] == c) {
        samples.push_back(static_cast<int>(j + 1));
        break;
      }
  return samples;
}

TEST(ChartCurves, MarkersEvery22ndSample) {
  // Height j over time j: every sample has its own point.
  auto state = TableOf([](int c, int j) { return c == 0 ? 1.0 * j : 0.5 * j; });
  RecordingHost host;
  DrawChart(*state, {0, 3}, host, '.');
  auto centres = SquareCentres(host.shown, kRed);
  ASSERT_EQ(centres.size(), 23u);  // the legend and 22 along the curve
  EXPECT_EQ(centres.front(), (Point{100, 460}));
  centres.erase(centres.begin());
  const auto curve = Polylines(host.shown)[0];
  std::vector<int> expected;
  for (int j = 22; j <= 484; j += 22) expected.push_back(j);
  EXPECT_EQ(MarkedSamples(centres, curve), expected);
  EXPECT_EQ(host.image3Shown, 1);
}

TEST(ChartCurves, MarkersEvery19thSampleWithOffsetMinus3) {
  auto state = TableOf([](int c, int j) { return c == 0 ? 1.0 * j : 0.5 * j; });
  RecordingHost host;
  DrawChart(*state, {0, 1}, host, '.');  // speed: lime squares, d = -3
  auto centres = SquareCentres(host.shown, kLime);
  ASSERT_EQ(centres.size(), 27u);
  centres.erase(centres.begin());
  std::vector<int> expected;
  for (int j = 19; j <= 499; j += 19) expected.push_back(j);
  EXPECT_EQ(MarkedSamples(centres, Polylines(host.shown)[0]), expected);
}

TEST(ChartCurves, FirstMarkerAtItsTrueX) {
  // 100 rows: m = 10 + d; speed (d = -3) marks sample 7, 14, ...; the curve itself
  // starts on the left edge but the markers sit on the samples' own x.
  auto state = TableOf([](int c, int j) { return c == 0 ? 50.0 + j : 5.0; }, 100);
  RecordingHost host;
  DrawChart(*state, {0, 1}, host, '.');
  const auto centres = SquareCentres(host.shown, kLime);
  ASSERT_GE(centres.size(), 2u);
  EXPECT_EQ(centres[1].x, 100 + RoundHalfEven(57.0 * 630 / 149));
}

TEST(ChartCurves, CurveStartsOnTheLeftEdge) {
  // Button15: speed (30 down to 5) as x, height as the curve.
  auto state = TableOf([](int c, int j) { return c == 1 ? 30.0 - 25.0 * j / 499 : 2.0; });
  RecordingHost host;
  DrawChart(*state, FindChartButton("Button15")->request, host, '.');
  const auto curve = Polylines(host.shown)[0];
  EXPECT_EQ(curve[0], (Point{100, 64}));
  EXPECT_EQ(curve[1].x, 100 + RoundHalfEven((30.0 - 50.0 / 499) * 630 / (30.0 - 25.0 / 499)));
  EXPECT_TRUE(HasText(host.shown, {415, 490, "V,m/s"}));
}

TEST(ChartCurves, TitlesFollowTheUnitFlags) {
  auto state = TableOf([](int, int j) { return 1.0 * j; });
  RecordingHost host;
  DrawChart(*state, {0, 3}, host, '.');
  EXPECT_TRUE(HasText(host.shown, {13, 46, "H,m"}));
  EXPECT_TRUE(HasText(host.shown, {415, 490, "t,s"}));

  state->fd.HeightInKm = 1;
  state->fd.TimeUnitCode = 2;
  DrawChart(*state, {0, 3}, host, '.');
  EXPECT_TRUE(HasText(host.shown, {13, 46, "H,km"}));  // dy 18 as the first curve
  EXPECT_TRUE(HasText(host.shown, {415, 490, "t,min"}));

  state->fd.TimeUnitCode = 3;
  DrawChart(*state, {0, 1, 3}, host, '.');
  EXPECT_TRUE(HasText(host.shown, {76, 460 - 396 - 42, "V,m/s"}));  // speed first: dy 42
  EXPECT_TRUE(HasText(host.shown, {13, 460 - 396 - 20, "H,km"}));   // later: dy 20
  EXPECT_TRUE(HasText(host.shown, {433, 490, "t,h"}));              // L + rnd(593 / 2)

  // Button10: range on a curve axis, "X,km" over 10 km, aqua boxed minus markers.
  state->fd.RangeInKm = 1;
  DrawChart(*state, FindChartButton("Button10")->request, host, '.');
  EXPECT_TRUE(HasText(host.shown, {15, 460 - 396 - 20, "X,km"}));
  EXPECT_EQ(SquareCentres(host.shown, kAqua).size(), 23u);

  // Range as the x column.
  DrawChart(*state, {7, 3}, host, '.');
  EXPECT_TRUE(HasText(host.shown, {415, 490, "X,km"}));
}

TEST(ChartCurves, MassTitles) {
  auto plain = TableOf([](int, int j) { return 1.0 * j; });
  plain->fd.MassInTonnes = 1;
  RecordingHost host;
  DrawChart(*plain, {0, 16}, host, '.');
  EXPECT_TRUE(HasText(host.shown, {13, 44, "m,t"}));

  auto negative = TableOf([](int c, int j) { return c == 16 ? -1.0 * j : 1.0 * j; });
  negative->fd.MassInTonnes = 1;
  DrawChart(*negative, {0, 16}, host, '.');
  EXPECT_TRUE(HasText(host.shown, {9, 161, "m,kg/s"}));  // A - 2, Z - 132 - 20
}

TEST(ChartCurves, TimeAsCurveHasTitleButNoMarkers) {
  auto state = TableOf([](int, int j) { return 1.0 * j; });
  RecordingHost host;
  DrawChart(*state, {7, 0}, host, '.');
  EXPECT_TRUE(HasText(host.shown, {13, 44, " t,Min"}));
  EXPECT_TRUE(HasText(host.shown, {415, 490, "X,m"}));
  // The legend circle only: no marker shapes, and no x title for a column without one.
  EXPECT_EQ(CallsOf(host.shown, Op::kEllipse).size(), 1u);
  EXPECT_TRUE(CallsOf(host.shown, Op::kRectangle).empty());
  EXPECT_TRUE(CallsOf(host.shown, Op::kPolygon).empty());

  DrawChart(*state, {2, 0}, host, '.');
  EXPECT_TRUE(TextsAtX(host.shown, 415).empty());
}

TEST(ChartCurves, SignedColumnWithoutSignedTitle) {
  auto state = TableOf([](int c, int j) { return c == 2 ? j - 100.0 : 1.0 * j; });
  RecordingHost host;
  DrawChart(*state, {0, 2}, host, '.');
  for (const Text& t : Texts(host.shown)) EXPECT_NE(t.text, "E,J");
  EXPECT_TRUE(HasText(host.shown, {20, 313, "0.0"}));
  // G(3, 1) of k R / 4 with R = 399.
  EXPECT_TRUE(HasText(host.shown, {17, 313 - 33, "99.8"}));
  EXPECT_TRUE(HasText(host.shown, {17, 313 + 4 * 33, "-399"}));
}

}  // namespace
}  // namespace orv::test
