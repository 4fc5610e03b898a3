// The comparison chart's geometry as data: round ticks, their pixels and labels, the
// legend's names and places, the markers and the ringed extremes; then what reaches
// the surface, and the CSV of kept runs against the run's own export.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "charts/chart_font.h"
#include "charts/compared_runs.h"
#include "charts/comparison_chart.h"
#include "files/csv_export.h"
#include "tests/default_run.h"
#include "tests/recording_surface.h"

namespace orv {
namespace {

std::vector<std::string> Labels(const std::vector<AxisTick>& ticks) {
  std::vector<std::string> out;
  for (const AxisTick& t : ticks) out.push_back(t.label);
  return out;
}

int TextWidth(const std::string& text) { return ChartTextWidth(text, ChartFaceForCell(12).pixelSize); }

// A run whose samples are given, not flown: x in the range column, y in the height column.
ComparedRun GivenRun(int number, std::vector<RunInput> inputs, const std::vector<double>& x,
                     const std::vector<double>& y) {
  ComparedRun run;
  run.number = number;
  run.inputs = std::move(inputs);
  run.rows = static_cast<int>(x.size());
  run.samples.assign(x.size() * kSampleColumns, 0.0);
  for (std::size_t r = 0; r < x.size(); ++r) {
    run.samples[r * kSampleColumns + Index(Col::kRange)] = x[r];
    run.samples[r * kSampleColumns + Index(Col::kHeight)] = y[r];
  }
  return run;
}

std::vector<RunInput> Inputs(const char* v0, const char* angle, const char* mass) {
  return {{"cx", "2.1", ""}, {"v0", v0, "m/s"}, {"angle", angle, "deg"}, {"mass", mass, "kg"}};
}

TEST(RoundTicks, TakeTheSmallestStepOfOneTwoOrFiveThatFits) {
  RoundScale s = RoundTicks(0, 37.3, 8);  // 37.3 / 8 = 4.7: steps 1 and 2 need too many
  EXPECT_EQ(s.first, 0);
  EXPECT_EQ(s.step, 5);
  EXPECT_EQ(s.divisions, 8);
  EXPECT_EQ(s.decimals, 0);

  s = RoundTicks(0, 9.87, 10);
  EXPECT_EQ(s.step, 1);
  EXPECT_EQ(s.divisions, 10);

  s = RoundTicks(-0.73, 0.41, 8);  // 0.1 would need 13 divisions: 0.2 from -0.8 to 0.6
  EXPECT_DOUBLE_EQ(s.first, -0.8);
  EXPECT_DOUBLE_EQ(s.step, 0.2);
  EXPECT_EQ(s.divisions, 7);
  EXPECT_EQ(s.decimals, 1);

  s = RoundTicks(0.18, 0.18, 8);  // one value: 0.162 .. 0.198 around it
  EXPECT_DOUBLE_EQ(s.first, 0.16);
  EXPECT_DOUBLE_EQ(s.step, 0.005);
  EXPECT_EQ(s.divisions, 8);
  EXPECT_EQ(s.decimals, 3);

  s = RoundTicks(1200, 98000, 10);
  EXPECT_EQ(s.first, 0);
  EXPECT_EQ(s.step, 10000);
  EXPECT_EQ(s.divisions, 10);

  EXPECT_EQ(TickText(-0.6000000000000001, 1, ','), "-0,6");
  EXPECT_EQ(TickText(-0.0, 2, '.'), "0.00");
  EXPECT_EQ(TickText(-0.0, 1, ','), "0,0");  // the zero tick takes the separator too
  EXPECT_EQ(TickText(40000, 0, '.'), "40000");
}

TEST(ComparisonLayout, PlacesTicksLabelsAndLegendAsData) {
  const std::vector<double> x{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  std::vector<double> y1, y2;
  for (double v : x) {
    y1.push_back(v);
    y2.push_back(2 * v);
  }
  const std::vector<ComparedRun> runs{GivenRun(1, Inputs("30.2", "0", "0.18"), x, y1),
                                      GivenRun(2, Inputs("35", "0", "0.2"), x, y2),
                                      GivenRun(3, Inputs("30.2", "0", "0.18"), x, y1)};
  const ComparisonChart chart = ComparisonOfRuns(runs, Col::kRange, Col::kHeight, "", '.');
  EXPECT_EQ(chart.xTitle, "X, m");
  EXPECT_EQ(chart.yTitle, "H, m");
  ASSERT_EQ(chart.curves.size(), 3u);
  EXPECT_EQ(chart.curves[0].legend, "1: v0 = 30.2 m/s, angle = 0 deg, mass = 0.18 kg");
  EXPECT_EQ(chart.curves[1].legend, "2: v0 = 35 m/s, mass = 0.2 kg");
  EXPECT_EQ(chart.curves[2].legend, "3: v0 = 30.2 m/s, angle = 0 deg, mass = 0.18 kg");
  EXPECT_EQ(LegendTexts(std::span(runs).subspan(0, 2), ',')[1], "2: v0 = 35 m/s; mass = 0.2 kg");
  EXPECT_EQ(DifferingAssignments(runs[0], runs[1]), "v0=35 mass=0.2");
  EXPECT_EQ(chart.curves[1].style.color, CurveStyleOf(1).color);

  const ComparisonLayout lay = LayOutComparison(chart, '.');
  // y from 0 to 20 in steps of 5 (2 would need 10 divisions), x from 0 to 10 in steps of 1.
  EXPECT_EQ(Labels(lay.yTicks), (std::vector<std::string>{"0", "5", "10", "15", "20"}));
  EXPECT_EQ(Labels(lay.xTicks),
            (std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
  // The frame: 10 pixels border, the widest y label and 6 pixels; 20 pixels right;
  // 28 on top; the two-column legend of two rows under it.
  EXPECT_EQ(lay.left, 10 + TextWidth("20") + 6);
  EXPECT_EQ(lay.right, 739);
  EXPECT_EQ(lay.top, 28);
  EXPECT_EQ(lay.bottom, 499 - 10 - 42 - 2 * 16 + 4);
  const int height = lay.bottom - lay.top;
  for (int k = 0; k <= 4; ++k)
    EXPECT_EQ(lay.yTicks[k].pixel, lay.bottom - static_cast<int>(std::nearbyint(k * height / 4.0)));
  for (int k = 0; k <= 10; ++k)
    EXPECT_EQ(lay.xTicks[k].pixel,
              lay.left + static_cast<int>(std::nearbyint(k * (lay.right - lay.left) / 10.0)));
  EXPECT_EQ(lay.yLabels[4].at.x, lay.left - 6 - TextWidth("20"));
  EXPECT_EQ(lay.yLabels[4].at.y, lay.top - 6);
  EXPECT_EQ(lay.xLabels[10].at.x, lay.right - TextWidth("10") / 2);
  EXPECT_EQ(lay.xLabels[10].at.y, lay.bottom + 6);

  // Down the first column, then the second; each text 26 pixels after its entry's left.
  ASSERT_EQ(lay.legend.size(), 3u);
  const int half = (lay.right - lay.left) / 2;
  EXPECT_EQ(lay.legend[1].label.at, (Point{lay.left + 26, lay.bottom + 42 + 16}));
  EXPECT_EQ(lay.legend[2].label.at, (Point{lay.left + half + 26, lay.bottom + 42}));
  EXPECT_EQ(lay.legend[2].marker, (Point{lay.left + half + 10, lay.bottom + 42 + 6}));

  // Every point on its pixel; ten spaced markers, the first of three curves shifted by
  // a quarter of a spacing: points 0..7, 9 and 10 of eleven.
  EXPECT_EQ(lay.curves[1].points[5], (Point{lay.xTicks[5].pixel, lay.yTicks[2].pixel}));
  const std::vector<Point>& marks = lay.curves[0].markers;
  ASSERT_EQ(marks.size(), 10u);
  EXPECT_EQ(marks[7], lay.curves[0].points[7]);
  EXPECT_EQ(marks[8], lay.curves[0].points[9]);
  EXPECT_TRUE(lay.curves[0].extremes.empty());

  // On the surface: the white frame first, grid lines inside it, the legend's text.
  test::RecordingSurface surface;
  DrawComparison(surface, lay);
  const test::CallLog& calls = surface.calls();
  const auto frame = std::find_if(calls.begin(), calls.end(),
                                  [](const test::Call& c) { return c.op == test::Op::kRectangle; });
  ASSERT_NE(frame, calls.end());
  EXPECT_EQ((std::array{frame->x1, frame->y1, frame->x2, frame->y2}),
            (std::array{lay.left, lay.top, lay.right + 1, lay.bottom + 1}));
  EXPECT_EQ(frame->brush, kWhite);
  const auto legendText = std::find_if(calls.begin(), calls.end(), [&](const test::Call& c) {
    return c.op == test::Op::kText && c.text == chart.curves[1].legend;
  });
  ASSERT_NE(legendText, calls.end());
  EXPECT_EQ((Point{legendText->x1, legendText->y1}), lay.legend[1].label.at);
  const int gridLines = static_cast<int>(std::count_if(calls.begin(), calls.end(), [](const test::Call& c) {
    return c.op == test::Op::kLineTo && c.pen == Color{200, 200, 200};
  }));
  EXPECT_EQ(gridLines, 9 + 3);  // the inner ticks of both axes
}

TEST(ComparisonLayout, OneCurveMarksEveryPointAndNamesItsExtremes) {
  ComparisonChart chart;
  chart.xTitle = "angle, deg";
  chart.yTitle = "X, m";
  ChartCurve curve;
  curve.x = {10, 20, 30, 40, 50, NAN};
  curve.y = {3, 1, 4, 1, 5.25, 7};
  curve.style = CurveStyleOf(0);
  curve.markers = MarkerPlacement::kEveryPoint;
  curve.markExtremes = true;
  chart.curves.push_back(curve);
  const ComparisonLayout lay = LayOutComparison(chart, ',');
  EXPECT_TRUE(lay.legend.empty());
  EXPECT_EQ(lay.bottom, 499 - 10 - 22 - 12);
  EXPECT_EQ(Labels(lay.yTicks).back(), "6");  // the left-out point counts for nothing
  ASSERT_EQ(lay.curves[0].points.size(), 5u);
  EXPECT_EQ(lay.curves[0].markers, lay.curves[0].points);
  ASSERT_EQ(lay.curves[0].extremes.size(), 2u);
  EXPECT_EQ(lay.curves[0].extremes[0], lay.curves[0].points[1]);  // the first of the two lowest
  EXPECT_EQ(lay.curves[0].extremes[1], lay.curves[0].points[4]);
  EXPECT_EQ(lay.curves[0].extremeLabels[0].text, "(20; 1)");
  EXPECT_EQ(lay.curves[0].extremeLabels[1].text, "(50; 5,25)");
  EXPECT_EQ(lay.curves[0].extremeLabels[1].at.y, lay.curves[0].points[4].y - 8 - 12);
  EXPECT_EQ(lay.curves[0].extremeLabels[0].at.y, lay.curves[0].points[1].y - 8 - 12);  // no room below

  chart.curves.assign(9, curve);
  EXPECT_THROW(LayOutComparison(chart, '.'), InputFault);
  chart.curves.assign(1, ChartCurve{});
  EXPECT_THROW(LayOutComparison(chart, '.'), InputFault);
}

// The kept run's rows are the run's own export, in base units whatever the flags.
TEST(ComparedRuns, CsvRowsAreTheRunsOwnSamples) {
  auto state = testing::DefaultRun();
  state->fd.RangeInKm = 1;  // as a run past 10 km leaves it: the table in km
  for (int row = 1; row <= state->RecordedRows; ++row) state->Sample(Col::kRange, row) /= 1000;
  const std::vector<ComparedRun> runs{CaptureRun(*state, 1, {{"v0", "30.2", "m/s"}})};
  const std::string csv = ComparisonCsv(runs, Col::kRange, Col::kHeight, false);
  const std::string single = FormatCsv(*state, false);  // t, X, H, ...

  std::vector<std::string> lines, singleLines;
  for (auto [text, out] : {std::pair{&csv, &lines}, std::pair{&single, &singleLines}})
    for (std::size_t at = 0, end; (end = text->find("\r\n", at)) != std::string::npos; at = end + 2)
      out->push_back(text->substr(at, end - at));
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(state->RecordedRows) + 1);
  ASSERT_EQ(singleLines.size(), lines.size());
  EXPECT_EQ(lines[0], "run,assignments,range [m],height [m]");
  EXPECT_EQ(FindColumn("range"), Col::kRange);  // as the command line names the columns
  EXPECT_EQ(FindColumn("H"), Col::kHeight);
  EXPECT_EQ(FindColumn("slot1"), std::nullopt);  // reserved, always 0
  for (std::size_t k : {std::size_t{1}, std::size_t{250}, lines.size() - 1}) {
    const std::string& s = singleLines[k];
    const std::size_t c1 = s.find(','), c2 = s.find(',', c1 + 1), c3 = s.find(',', c2 + 1);
    EXPECT_EQ(lines[k], "1,," + s.substr(c1 + 1, c3 - c1 - 1)) << k;
  }
  EXPECT_NEAR(runs[0].At(state->RecordedRows, Col::kRange),
              1000 * state->Sample(Col::kRange, state->RecordedRows), 1e-9);
}

}  // namespace
}  // namespace orv
