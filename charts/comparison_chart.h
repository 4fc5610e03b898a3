// A chart of one quantity against another for several curves on common axes: round
// ticks (1, 2 or 5 times a power of ten), a grid, axis titles, each curve in its own
// colour and point marker, and a legend under the plot. The whole geometry (ticks,
// labels, legend, pixel points) is computed as data first (LayOutComparison) and only
// then drawn through a Surface, so the window, PNG and SVG show the same picture and
// the tests read the numbers instead of pixels.
//
// The comparison of kept runs (charts/compared_runs.h) and a study's answer curve
// (one curve, every point marked, its lowest and highest point named) both draw with
// it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/chart_host.h"
#include "base/surface.h"

namespace orv {

// Size of the picture: it fits the window's chart area whole.
constexpr int kComparisonWidth = 760;   // pixels
constexpr int kComparisonHeight = 500;  // pixels
constexpr int kMaxComparedCurves = 8;

// The look of curve k (0..7): its pen colour and its DrawMarker kind.
struct CurveStyle {
  Color color;
  int markerKind = 0;
};
CurveStyle CurveStyleOf(int k);

enum class MarkerPlacement {
  kSpaced,      // about ten markers spread along the curve, shifted from curve to curve
  kEveryPoint,  // a marker on every point (a few points, each one a run)
};

struct ChartCurve {
  std::string legend;        // UTF-8 (charts/chart_text.h); empty: the curve has no legend entry
  std::vector<double> x, y;  // equal lengths; a point with a non-finite coordinate is left out
  CurveStyle style;
  MarkerPlacement markers = MarkerPlacement::kSpaced;
  bool markExtremes = false;  // ring and label the lowest and the highest y
};

struct ComparisonChart {
  std::string xTitle, yTitle;  // UTF-8, with the unit: "X, m"
  std::string note;            // a line above the plot on the right, e.g. how the runs were flown
  std::vector<ChartCurve> curves;
};

// A tick of an axis: its value, its pixel (x for the x axis, y for the y axis) and
// its label.
struct AxisTick {
  double value = 0;
  int pixel = 0;
  std::string label;
};

// Round ticks covering [low, high]: the smallest step of 1, 2 or 5 times a power of
// ten that needs no more than `maxDivisions` divisions; the first tick at or below
// `low`, the last at or above `high`. Equal ends get a range around them.
struct RoundScale {
  double first = 0, step = 1;
  int divisions = 1;
  int decimals = 0;  // digits after the separator that show every tick exactly
  double last() const { return first + divisions * step; }
};
RoundScale RoundTicks(double low, double high, int maxDivisions);

// A tick value as the labels write it: `decimals` digits after the separator, or in
// exponent form ("1.5E300", "5E-5") beyond 1e6 or below 1e-4.
std::string TickText(double value, int decimals, char decimalSeparator);

struct PlacedText {
  Point at;  // top-left of the text's cell
  std::string text;
};

struct LegendEntry {
  int curve = 0;     // index into ComparisonChart::curves
  Point sampleLeft;  // a short line of the curve's colour from here, 20 pixels long ...
  Point marker;      // ... with the curve's marker on its middle
  PlacedText label;
};

struct CurveLayout {
  std::vector<Point> points;      // pixel of every drawn point, in order
  std::vector<bool> breakBefore;  // the line does not reach this point (a left-out point before it)
  std::vector<Point> markers;     // where the curve's markers go
  std::vector<Point> extremes;    // ringed points (lowest, then highest)
  std::vector<PlacedText> extremeLabels;
};

struct ComparisonLayout {
  int left = 0, top = 0, right = 0, bottom = 0;  // the plot's frame lines (inclusive)
  RoundScale xScale, yScale;
  std::vector<AxisTick> xTicks, yTicks;
  std::vector<PlacedText> xLabels, yLabels;  // one per tick
  PlacedText xTitle, yTitle, note;
  std::vector<CurveLayout> curves;  // one per curve of the chart
  std::vector<LegendEntry> legend;
  const ComparisonChart* chart = nullptr;
};

// The geometry of the chart on a kComparisonWidth x kComparisonHeight surface.
// Throws InputFault when there are more than kMaxComparedCurves curves or no curve
// has a single point to draw.
ComparisonLayout LayOutComparison(const ComparisonChart& chart, char decimalSeparator);

// The read-out under the mouse at the surface pixel (x, y): a line on the drawn point
// whose column lies nearest x (of several, the first curve's earliest), and each
// curve's value at that point's x where the curve reaches it, on the straight line
// the chart draws between two drawn neighbours. None outside the plot.
struct ComparisonReadout {
  int x = 0, top = 0, bottom = 0;  // the line, surface pixels
  double xValue = 0;
  std::vector<std::optional<double>> y;  // one per curve
};
std::optional<ComparisonReadout> ComparisonReadoutAt(const ComparisonLayout& layout, int x, int y);

// Draws a layout of LayOutComparison (its chart must still exist) on a white surface.
void DrawComparison(Surface& surface, const ComparisonLayout& layout);

// Lays out, draws on a fresh surface of the host and hands it over.
void ShowComparison(ChartHost& host, const ComparisonChart& chart, char decimalSeparator);

// The chart as an SVG document.
std::string ComparisonSvg(const ComparisonChart& chart, char decimalSeparator);

}  // namespace orv
