// The layout of a chart: plain and signed variants, grid, x axis, axis positions.
#include <gtest/gtest.h>

#include "base/errors.h"
#include "charts/chart_engine.h"
#include "tests/chart_test_queries.h"
#include "tests/chart_test_tables.h"

namespace orv::test {
namespace {

// Time 400 j / 499 (0 to 400 s), height 10 j / 499 (0 to 10 m), 1 elsewhere; row 1,
// which a chart never reads, holds `rowOne`.
std::unique_ptr<SharedState> TimeHeight(double rowOne = -5.0) {
  return TableOf(
      [](int c, int j) {
        if (c == 0) return 400.0 * j / 499;
        if (c == 3) return 10.0 * j / 499;
        return 1.0 + j;
      },
      500, rowOne);
}

std::vector<int> HorizontalGridRows(const CallLog& log, int left, int right) {
  std::vector<int> rows;
  for (const Segment& s : Lines(log, kGrey))
    if (s.x1 == left && s.x2 == right && s.y1 == s.y2) rows.push_back(s.y1);
  return rows;
}

std::vector<int> VerticalGridColumns(const CallLog& log, int bottom, int top) {
  std::vector<int> columns;
  for (const Segment& s : Lines(log, kGrey))
    if (s.y1 == bottom && s.y2 == top && s.x1 == s.x2) columns.push_back(s.x1);
  return columns;
}

// Axis lines: vertical black lines at x from y1 to y2.
bool HasAxis(const CallLog& log, int x, int y1, int y2) { return HasLine(log, kBlack, {x, y1, x, y2}); }

TEST(ChartLayout, PlainHeightOverTime) {
  auto state = TimeHeight();
  RecordingHost host;
  DrawChart(*state, {0, 3}, host, '.');
  ASSERT_EQ(host.pictures, 1);
  EXPECT_EQ(host.lastWidth, 800);
  EXPECT_EQ(host.lastHeight, 600);
  const CallLog& log = host.shown;

  // L = 100, W = 630; grid rows rnd(440 / 7) = 63 apart up from 460, columns at W k / 8.
  EXPECT_EQ(HorizontalGridRows(log, 100, 730), (std::vector<int>{460, 397, 334, 271, 208, 145, 82, 19}));
  EXPECT_EQ(VerticalGridColumns(log, 460, 19),
            (std::vector<int>{100, 179, 258, 336, 415, 494, 572, 651, 730}));

  // x labels k Xmax / 8 at x = 92 + 79 k, y = 469; x title at (415, 490).
  const char* labels[] = {"0", "50", "100", "150", "200", "250", "300", "350", "400"};
  for (int k = 0; k <= 8; ++k) EXPECT_TRUE(HasText(log, {92 + 79 * k, 469, labels[k]})) << k;
  EXPECT_TRUE(HasText(log, {415, 490, "t,s"}));

  // First curve: ticks on the grid rows, labels k (Ymax / 7) 1.1 at x = 100 - 6 - 44 - 13.
  EXPECT_EQ(TickRows(log, 100, -1), (std::vector<int>{460, 397, 334, 271, 208, 145, 82, 19}));
  EXPECT_TRUE(HasText(log, {37, 455, "0"}));
  EXPECT_TRUE(HasText(log, {37, 392, "1.571"}));
  EXPECT_TRUE(HasText(log, {37, 14, "11"}));   // 1.1 Ymax at the top grid row
  EXPECT_TRUE(HasText(log, {13, 46, "H,m"}));  // A(1) + 2, Z - h - 18 with h = 396

  // The curve: 499 points, from the left edge at the first sample's height to (730, 64).
  const auto curves = Polylines(log);
  ASSERT_EQ(curves.size(), 1u);
  ASSERT_EQ(curves[0].size(), 499u);
  EXPECT_EQ(curves[0].front(), (Point{100, 460 - RoundHalfEven(396.0 / 499)}));
  EXPECT_EQ(curves[0][1],
            (Point{100 + RoundHalfEven(630.0 * 2 / 499), 460 - RoundHalfEven(396.0 * 2 / 499)}));
  EXPECT_EQ(curves[0].back(), (Point{730, 64}));

  // No band below a zero line: the only rectangles are the red squares.
  EXPECT_EQ(CallsOf(log, Op::kRectangle).size(), RectanglesFilled(log, kRed).size());
}

TEST(ChartLayout, RowOneIsNeverRead) {
  // Row 1 holds -5 and a huge x; the chart is still plain and scaled to 400.
  auto state = TimeHeight(-5.0);
  state->Sample(0, 1) = 1e9;
  RecordingHost host;
  DrawChart(*state, {0, 3}, host, '.');
  EXPECT_TRUE(HasText(host.shown, {724, 469, "400"}));
  EXPECT_EQ(HorizontalGridRows(host.shown, 100, 730).front(), 460);
}

TEST(ChartLayout, SignedCurveBelowZero) {
  // Path angle from +8 down to -16 degrees: R = 16.
  auto state = TableOf([](int c, int j) { return c == 4 ? 8.0 - 24.0 * j / 499 : 400.0 * j / 499; });
  RecordingHost host;
  DrawChart(*state, {0, 4}, host, '.');
  ASSERT_EQ(host.pictures, 1);
  const CallLog& log = host.shown;

  // The lower band, framed in black on white, drawn first.
  const auto rects = CallsOf(log, Op::kRectangle);
  ASSERT_FALSE(rects.empty());
  EXPECT_EQ((Segment{rects[0].x1, rects[0].y1, rects[0].x2, rects[0].y2}), (Segment{100, 460, 731, 313}));
  EXPECT_EQ(rects[0].pen, kBlack);
  EXPECT_EQ(rects[0].brush, kWhite);

  // Grid only above the zero line 313, rows rnd(293 / 7) = 42 apart.
  EXPECT_EQ(HorizontalGridRows(log, 100, 730), (std::vector<int>{313, 271, 229, 187, 145, 103, 61, 19}));
  EXPECT_EQ(VerticalGridColumns(log, 313, 19).size(), 9u);
  EXPECT_TRUE(HasText(log, {92, 469, "0"}));  // x labels stay under the bottom line

  // The signed axis at A(1) = 11 from 460 up to 166, ticks 33 apart both ways.
  EXPECT_TRUE(HasAxis(log, 11, 460, 166));
  EXPECT_EQ(TickRows(log, 11, +1), (std::vector<int>{280, 346, 247, 379, 214, 412, 181, 445}));
  EXPECT_TRUE(HasText(log, {20, 313, "0.0"}));
  const char* above[] = {"4", "8", "12", "16"};  // k R / 4, and negative below
  const char* below[] = {"-4", "-8", "-12", "-16"};
  for (int k = 1; k <= 4; ++k) {
    EXPECT_TRUE(HasText(log, {17, 313 - 33 * k, above[k - 1]})) << k;
    EXPECT_TRUE(HasText(log, {17, 313 + 33 * k, below[k - 1]})) << k;
  }
  EXPECT_TRUE(HasText(log, {9, 161, "Q,*"}));  // A - 2, Z - 132 - 20

  // Legend on the zero line at L; the curve from +8 (y = 313 - 66) to -16 (y = 445).
  EXPECT_FALSE(CallsOf(log, Op::kEllipse).empty());
  const Call legend = CallsOf(log, Op::kEllipse)[0];
  EXPECT_EQ((Segment{legend.x1, legend.y1, legend.x2, legend.y2}), (Segment{94, 307, 106, 319}));
  const auto curves = Polylines(log);
  ASSERT_EQ(curves.size(), 1u);
  EXPECT_EQ(curves[0].front(), (Point{100, 313 - RoundHalfEven((8.0 - 24.0 / 499) * 132 / 16)}));
  EXPECT_EQ(curves[0].back(), (Point{730, 445}));
}

TEST(ChartLayout, NegativeXGivesSignedChartWithPlainCurve) {
  auto state = TimeHeight();
  state->Sample(0, 7) = -1.0;  // sample 6
  RecordingHost host;
  DrawChart(*state, {0, 3}, host, '.');
  const CallLog& log = host.shown;
  EXPECT_EQ(HorizontalGridRows(log, 100, 730).front(), 313);
  // A plain curve in a signed chart: T = 293, h = rnd(0.9 * 293) = 264.
  EXPECT_EQ(TickRows(log, 100, -1), (std::vector<int>{313, 271, 229, 187, 145, 103, 61, 19}));
  EXPECT_TRUE(HasText(log, {37, 14, "11"}));
  EXPECT_TRUE(HasText(log, {13, 313 - 264 - 18, "H,m"}));
  EXPECT_EQ(Polylines(log)[0].back(), (Point{730, 313 - 264}));
}

TEST(ChartLayout, NotANumberCountsAsNegative) {
  auto state = TimeHeight();
  state->Sample(3, 100) = std::nan("");
  RecordingHost host;
  // No pixel exists for it: the chart stops, but it had chosen the signed layout.
  EXPECT_THROW(DrawChart(*state, {0, 3}, host, '.'), FloatingPointFault);
  EXPECT_EQ(host.pictures, 0);
  EXPECT_EQ(HorizontalGridRows(*host.drawn, 100, 730).front(), 313);
}

TEST(ChartLayout, SixEntriesPlaceFiveAxes) {
  auto state = TableOf([](int c, int j) { return c == 0 ? 400.0 * j / 499 : 10.0 + j % 7; });
  RecordingHost host;
  DrawChart(*state, {0, 3, 1, 2, 13, 10}, host, '.');
  const CallLog& log = host.shown;
  // L = 248, W = 482, step 47: axes at 201 (title only), 154, 107, 60, 13.
  EXPECT_EQ(HorizontalGridRows(log, 248, 730).size(), 8u);
  EXPECT_TRUE(HasText(log, {203, 460 - 396 - 18, "H,m"}));
  for (int x : {154, 107, 60, 13}) {
    EXPECT_TRUE(HasAxis(log, x, 460, 64)) << x;
    EXPECT_EQ(TickRows(log, x, +1), (std::vector<int>{460, 403, 346, 289, 232, 175, 118, 61})) << x;
  }

  // The same columns in a signed chart: 264 pixels, ticks 38 apart.
  state->Sample(0, 2) = -1.0;
  DrawChart(*state, {0, 3, 1, 2, 13, 10}, host, '.');
  for (int x : {154, 107, 60, 13}) {
    EXPECT_TRUE(HasAxis(host.shown, x, 313, 49)) << x;
    EXPECT_EQ(TickRows(host.shown, x, +1), (std::vector<int>{313, 275, 237, 199, 161, 123, 85, 47})) << x;
  }
}

TEST(ChartLayout, ThreeEntries) {
  auto state = TimeHeight();
  RecordingHost host;
  DrawChart(*state, {0, 3, 1}, host, '.');
  // L = 137, step 63: first title at A(1) = 74, second axis at A(2) = 11.
  EXPECT_EQ(HorizontalGridRows(host.shown, 137, 730).size(), 8u);
  EXPECT_TRUE(HasText(host.shown, {76, 460 - 396 - 18, "H,m"}));
  EXPECT_TRUE(HasAxis(host.shown, 11, 460, 64));
  EXPECT_TRUE(HasText(host.shown, {13, 460 - 396 - 20, "V,m/s"}));
}

TEST(ChartLayout, LabelsUseTheDecimalSeparator) {
  auto state = TableOf([](int c, int j) { return c == 0 ? 1.0 * j / 499 : 3.0; });
  RecordingHost host;
  DrawChart(*state, {0, 3}, host, ',');
  EXPECT_TRUE(HasText(host.shown, {92 + 79, 469, "0,125"}));
  EXPECT_TRUE(HasText(host.shown, {37, 392, "0,4714"}));  // 3 / 7 * 1.1
}

}  // namespace
}  // namespace orv::test
