#include "charts/comparison_chart.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "base/errors.h"
#include "base/number_text.h"
#include "charts/chart_font.h"
#include "charts/draw_marker.h"
#include "charts/svg_surface.h"

namespace orv {
namespace {

constexpr int kCell = 12;         // font cell height, pixels
constexpr int kEdge = 10;         // free border around everything
constexpr int kTitleRow = 8;      // top of the y title and the note
constexpr int kPlotTop = 28;      // below the title row
constexpr int kRightEdge = 20;    // room for the last x label to stand centred on its tick
constexpr int kTick = 4;          // tick length outside the frame
constexpr int kLabelGap = 6;      // between the frame and a label
constexpr int kXTitleBelow = 22;  // from the bottom frame line to the x title
constexpr int kLegendBelow = 42;  // from the bottom frame line to the legend's first row
constexpr int kLegendRow = 16;
constexpr int kSampleLine = 20;  // the line of a legend entry
constexpr int kSampleText = 26;  // from an entry's left to its text
constexpr int kMarkerSize = 6;
constexpr int kRing = 7;  // half-width of the ring around an extreme point
constexpr int kSpacedMarkers = 10;
constexpr int kMaxXDivisions = 10;
constexpr int kMaxYDivisions = 8;
constexpr Color kGridColor{200, 200,
                           200};  // lighter than the classic charts' grid: up to eight curves lie on it

// Eight colours and markers that stay apart on white, in print and for the common
// colour-vision deficiencies as far as eight can.
constexpr std::array<CurveStyle, kMaxComparedCurves> kStyles{{
    {{0, 70, 200}, 6},    // blue, red square
    {{200, 30, 30}, 14},  // red, black circle
    {{0, 140, 60}, 12},   // green, yellow triangle
    {{150, 0, 170}, 7},   // violet, green square
    {{230, 120, 0}, 13},  // orange, aqua triangle
    {{0, 150, 160}, 1},   // teal, crossed yellow square
    {{120, 80, 20}, 16},  // brown, aqua circle
    {{0, 0, 0}, 10},      // black, red bar
}};

int FacePixels() { return ChartFaceForCell(kCell).pixelSize; }
int Width(const std::string& text) { return ChartTextWidth(text, FacePixels()); }

// To the nearest pixel, halves to the even neighbour, as the classic charts round.
int Pixel(double v) { return static_cast<int>(std::nearbyint(std::clamp(v, -1e6, 1e6))); }

double Power10(int e) { return std::pow(10.0, std::abs(e)); }

// n * mantissa * 10^exponent with one rounding where the power is exact.
double ScaledValue(long long n, int mantissa, int exponent) {
  const double units = static_cast<double>(n) * mantissa;
  return exponent >= 0 ? units * Power10(exponent) : units / Power10(exponent);
}

struct Ticks {
  RoundScale scale;
  long long firstIndex = 0;
  int mantissa = 1, exponent = 0;
  double Value(int i) const { return ScaledValue(firstIndex + i, mantissa, exponent); }
};

Ticks ChooseTicks(double low, double high, int maxDivisions) {
  if (!std::isfinite(low) || !std::isfinite(high)) throw InputFault("An axis needs finite ends");
  if (low > high) std::swap(low, high);
  const double magnitude = std::max(std::abs(low), std::abs(high));
  if (high - low <= magnitude * 1e-12) {  // one value: a range around it
    const double half = magnitude == 0 ? 1 : magnitude / 10;
    low -= half;
    high += half;
  }
  const int e0 = static_cast<int>(std::floor(std::log10((high - low) / maxDivisions)));
  for (int e = e0 - 1; e <= e0 + 2; ++e) {
    for (int m : {1, 2, 5}) {
      const double step = ScaledValue(1, m, e);
      const double lowIndex = std::floor(low / step + 1e-9), highIndex = std::ceil(high / step - 1e-9);
      const double divisions = highIndex - lowIndex;
      if (divisions < 1 || divisions > maxDivisions) continue;
      Ticks t;
      t.firstIndex = static_cast<long long>(lowIndex);
      t.mantissa = m;
      t.exponent = e;
      t.scale.step = step;
      t.scale.first = t.Value(0);
      t.scale.divisions = static_cast<int>(divisions);
      t.scale.decimals = std::max(0, -e);
      return t;
    }
  }
  throw InputFault("No round scale fits the axis");  // not reached for finite ends
}

// Maps a value of [first, last] onto [from, to] pixels.
struct AxisMap {
  double first, last;
  int from, to;
  int operator()(double v) const { return from + Pixel((v - first) / (last - first) * (to - from)); }
};

std::string PointText(double x, double y, char separator) {
  // Appended piece by piece: GCC 12 at -O3 warns falsely about a chain of + here.
  std::string text(1, '(');
  text += FormatGeneral(x, 4, 2, separator);
  text += separator == ',' ? "; " : ", ";
  text += FormatGeneral(y, 4, 2, separator);
  text += ')';
  return text;
}

struct Extent {
  double xLow = INFINITY, xHigh = -INFINITY, yLow = INFINITY, yHigh = -INFINITY;
  bool Empty() const { return xLow > xHigh; }
};

Extent ExtentOf(const ComparisonChart& chart) {
  Extent e;
  for (const ChartCurve& c : chart.curves) {
    const std::size_t n = std::min(c.x.size(), c.y.size());
    for (std::size_t i = 0; i < n; ++i) {
      if (!std::isfinite(c.x[i]) || !std::isfinite(c.y[i])) continue;
      e.xLow = std::min(e.xLow, c.x[i]);
      e.xHigh = std::max(e.xHigh, c.x[i]);
      e.yLow = std::min(e.yLow, c.y[i]);
      e.yHigh = std::max(e.yHigh, c.y[i]);
    }
  }
  return e;
}

void LayOutCurve(const ChartCurve& curve, int index, int curveCount, const AxisMap& mapX, const AxisMap& mapY,
                 const ComparisonLayout& lay, char separator, CurveLayout& out) {
  const std::size_t n = std::min(curve.x.size(), curve.y.size());
  std::vector<std::size_t> source;  // the curve's own index of each drawn point
  bool gap = false;
  for (std::size_t i = 0; i < n; ++i) {
    if (!std::isfinite(curve.x[i]) || !std::isfinite(curve.y[i])) {
      gap = !out.points.empty();
      continue;
    }
    out.points.push_back({mapX(curve.x[i]), mapY(curve.y[i])});
    out.breakBefore.push_back(gap);
    source.push_back(i);
    gap = false;
  }
  const std::size_t count = out.points.size();
  if (count == 0) return;

  if (curve.markers == MarkerPlacement::kEveryPoint) {
    out.markers = out.points;
  } else {
    // Ten markers spread along the points, each curve shifted by its share of a
    // spacing so that curves lying on one another still show every marker.
    const double shift = static_cast<double>(index + 1) / (curveCount + 1);
    std::size_t previous = count;
    for (int k = 0; k < kSpacedMarkers; ++k) {
      const auto at = static_cast<std::size_t>((k + shift) * static_cast<double>(count) / kSpacedMarkers);
      if (at == previous || at >= count) continue;
      out.markers.push_back(out.points[at]);
      previous = at;
    }
  }

  if (curve.markExtremes) {
    std::size_t lowest = 0, highest = 0;
    for (std::size_t k = 1; k < count; ++k) {
      if (curve.y[source[k]] < curve.y[source[lowest]]) lowest = k;
      if (curve.y[source[k]] > curve.y[source[highest]]) highest = k;
    }
    for (std::size_t k : {lowest, highest}) {
      if (k == lowest && k == highest && !out.extremes.empty()) break;
      const Point p = out.points[k];
      const std::string text = PointText(curve.x[source[k]], curve.y[source[k]], separator);
      const int w = Width(text);
      const int x = std::clamp(p.x - w / 2, lay.left + 2, std::max(lay.left + 2, lay.right - 1 - w));
      // Above the highest point and below the lowest, on the other side where the
      // frame leaves no room.
      const int above = p.y - kRing - 1 - kCell, below = p.y + kRing + 2;
      const bool fitsAbove = above >= lay.top + 2, fitsBelow = below + kCell <= lay.bottom - 1;
      const int y = (k == highest && fitsAbove) || !fitsBelow ? above : below;
      out.extremes.push_back(p);
      out.extremeLabels.push_back({{x, std::clamp(y, lay.top + 2, lay.bottom - 1 - kCell)}, text});
    }
  }
}

}  // namespace

CurveStyle CurveStyleOf(int k) {
  return kStyles[static_cast<std::size_t>(std::clamp(k, 0, kMaxComparedCurves - 1))];
}

RoundScale RoundTicks(double low, double high, int maxDivisions) {
  return ChooseTicks(low, high, maxDivisions).scale;
}

std::string TickText(double value, int decimals, char decimalSeparator) {
  // Beyond these a fixed label runs to hundreds of digits (or zeros): the fields'
  // exponent form ("2.5E7", "5E-5"), whose 15 digits tell any two ticks apart.
  constexpr double kLargestFixed = 1e6, kSmallestFixed = 1e-4;
  constexpr int kDigits = 15;
  if (std::abs(value) > kLargestFixed || (value != 0 && std::abs(value) < kSmallestFixed))
    return FormatGeneral(value, kDigits, 1, decimalSeparator);
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                    std::clamp(decimals, 0, 30));
  std::string text(buffer, result.ptr);
  if (text.find_first_not_of("-0.") == std::string::npos && text.front() == '-') text.erase(0, 1);  // no "-0"
  std::replace(text.begin(), text.end(), '.', decimalSeparator);
  return text;
}

ComparisonLayout LayOutComparison(const ComparisonChart& chart, char decimalSeparator) {
  if (chart.curves.size() > static_cast<std::size_t>(kMaxComparedCurves))
    throw InputFault("A comparison shows at most " + std::to_string(kMaxComparedCurves) + " curves, not " +
                     std::to_string(chart.curves.size()));
  const Extent extent = ExtentOf(chart);
  if (extent.Empty()) throw InputFault("There is no point to draw");

  ComparisonLayout lay;
  lay.chart = &chart;
  const Ticks xt = ChooseTicks(extent.xLow, extent.xHigh, kMaxXDivisions);
  const Ticks yt = ChooseTicks(extent.yLow, extent.yHigh, kMaxYDivisions);
  lay.xScale = xt.scale;
  lay.yScale = yt.scale;

  std::vector<std::string> yTexts;
  int yLabelWidth = 0;
  for (int i = 0; i <= yt.scale.divisions; ++i) {
    yTexts.push_back(TickText(yt.Value(i), yt.scale.decimals, decimalSeparator));
    yLabelWidth = std::max(yLabelWidth, Width(yTexts.back()));
  }

  // The legend under the plot: two columns when every entry fits half the width.
  std::vector<int> entries;
  int widest = 0;
  for (std::size_t c = 0; c < chart.curves.size(); ++c) {
    if (chart.curves[c].legend.empty()) continue;
    entries.push_back(static_cast<int>(c));
    widest = std::max(widest, Width(chart.curves[c].legend));
  }

  lay.left = kEdge + yLabelWidth + kLabelGap;
  lay.top = kPlotTop;
  lay.right = kComparisonWidth - 1 - kRightEdge;
  const int halfWidth = (lay.right - lay.left) / 2;
  const bool twoColumns = entries.size() > 1 && kSampleText + widest <= halfWidth - kLabelGap;
  const int rows = twoColumns ? static_cast<int>((entries.size() + 1) / 2) : static_cast<int>(entries.size());
  lay.bottom = kComparisonHeight - 1 - kEdge -
               (rows > 0 ? kLegendBelow + rows * kLegendRow - 4 : kXTitleBelow + kCell);

  const AxisMap mapX{xt.scale.first, xt.scale.last(), lay.left, lay.right};
  const AxisMap mapY{yt.scale.first, yt.scale.last(), lay.bottom, lay.top};

  for (int i = 0; i <= xt.scale.divisions; ++i) {
    const double v = xt.Value(i);
    const int px = mapX(v);
    std::string text = TickText(v, xt.scale.decimals, decimalSeparator);
    const int w = Width(text);
    lay.xLabels.push_back({{std::min(px - w / 2, kComparisonWidth - 1 - w), lay.bottom + kLabelGap}, text});
    lay.xTicks.push_back({v, px, std::move(text)});
  }
  for (int i = 0; i <= yt.scale.divisions; ++i) {
    const double v = yt.Value(i);
    const int py = mapY(v);
    const std::string& text = yTexts[static_cast<std::size_t>(i)];
    lay.yLabels.push_back({{lay.left - kLabelGap - Width(text), py - kCell / 2}, text});
    lay.yTicks.push_back({v, py, text});
  }

  lay.yTitle = {{kEdge, kTitleRow}, chart.yTitle};
  lay.xTitle = {{(lay.left + lay.right) / 2 - Width(chart.xTitle) / 2, lay.bottom + kXTitleBelow},
                chart.xTitle};
  lay.note = {{lay.right - Width(chart.note), kTitleRow}, chart.note};

  const int curveCount = static_cast<int>(chart.curves.size());
  lay.curves.resize(chart.curves.size());
  for (int c = 0; c < curveCount; ++c)
    LayOutCurve(chart.curves[static_cast<std::size_t>(c)], c, curveCount, mapX, mapY, lay, decimalSeparator,
                lay.curves[static_cast<std::size_t>(c)]);

  // Down the first column, then the second.
  for (std::size_t k = 0; k < entries.size(); ++k) {
    const int column = rows > 0 ? static_cast<int>(k) / rows : 0;
    const int row = rows > 0 ? static_cast<int>(k) % rows : 0;
    const int x = lay.left + column * halfWidth;
    const int y = lay.bottom + kLegendBelow + row * kLegendRow;
    LegendEntry e;
    e.curve = entries[k];
    e.sampleLeft = {x, y + kCell / 2};
    e.marker = {x + kSampleLine / 2, y + kCell / 2};
    e.label = {{x + kSampleText, y}, chart.curves[static_cast<std::size_t>(e.curve)].legend};
    lay.legend.push_back(std::move(e));
  }
  return lay;
}

void DrawComparison(Surface& s, const ComparisonLayout& lay) {
  if (!lay.chart) throw InputFault("The comparison has no chart to draw");
  const ComparisonChart& chart = *lay.chart;
  s.SetFontHeight(kCell);
  s.SetPenColor(kBlack);
  s.SetBrushColor(kWhite);
  s.Rectangle(lay.left, lay.top, lay.right + 1, lay.bottom + 1);

  s.SetPenColor(kGridColor);
  for (const AxisTick& t : lay.xTicks) {
    if (t.pixel <= lay.left || t.pixel >= lay.right) continue;
    s.MoveTo(t.pixel, lay.top + 1);
    s.LineTo(t.pixel, lay.bottom);
  }
  for (const AxisTick& t : lay.yTicks) {
    if (t.pixel <= lay.top || t.pixel >= lay.bottom) continue;
    s.MoveTo(lay.left + 1, t.pixel);
    s.LineTo(lay.right, t.pixel);
  }

  s.SetPenColor(kBlack);
  for (const AxisTick& t : lay.xTicks) {
    s.MoveTo(t.pixel, lay.bottom + 1);
    s.LineTo(t.pixel, lay.bottom + 1 + kTick);
  }
  for (const AxisTick& t : lay.yTicks) {
    s.MoveTo(lay.left - 1, t.pixel);
    s.LineTo(lay.left - 1 - kTick, t.pixel);
  }
  const auto write = [&s](const PlacedText& t) {
    if (!t.text.empty()) s.TextOut(t.at.x, t.at.y, t.text);
  };
  for (const PlacedText& t : lay.xLabels) write(t);
  for (const PlacedText& t : lay.yLabels) write(t);
  write(lay.xTitle);
  write(lay.yTitle);
  write(lay.note);

  for (std::size_t c = 0; c < lay.curves.size(); ++c) {
    const CurveLayout& curve = lay.curves[c];
    const CurveStyle style = chart.curves[c].style;
    s.SetPenColor(style.color);
    for (std::size_t k = 0; k < curve.points.size(); ++k) {
      const Point p = curve.points[k];
      if (k == 0 || curve.breakBefore[k]) {
        s.MoveTo(p.x, p.y);
      } else {
        s.LineTo(p.x, p.y);
      }
    }
    // A lone point or the last one gets its end pixel too.
    if (!curve.points.empty()) s.LineTo(curve.points.back().x + 1, curve.points.back().y);
  }
  for (std::size_t c = 0; c < lay.curves.size(); ++c) {
    const CurveLayout& curve = lay.curves[c];
    const CurveStyle style = chart.curves[c].style;
    for (const Point p : curve.extremes) {
      s.SetPenColor(style.color);
      s.SetBrushColor(kWhite);
      s.Ellipse(p.x - kRing, p.y - kRing, p.x + kRing + 1, p.y + kRing + 1);
    }
    for (const Point p : curve.markers) DrawMarker(s, p.x, p.y, style.markerKind, kMarkerSize);
    s.SetBrushColor(kWhite);
    for (const PlacedText& t : curve.extremeLabels) write(t);
  }

  for (const LegendEntry& e : lay.legend) {
    const CurveStyle style = chart.curves[static_cast<std::size_t>(e.curve)].style;
    s.SetPenColor(style.color);
    s.MoveTo(e.sampleLeft.x, e.sampleLeft.y);
    s.LineTo(e.sampleLeft.x + kSampleLine, e.sampleLeft.y);
    DrawMarker(s, e.marker.x, e.marker.y, style.markerKind, kMarkerSize);
    s.SetBrushColor(kWhite);
    write(e.label);
  }
}

void ShowComparison(ChartHost& host, const ComparisonChart& chart, char decimalSeparator) {
  const ComparisonLayout layout = LayOutComparison(chart, decimalSeparator);
  std::unique_ptr<Surface> surface = host.CreateSurface(kComparisonWidth, kComparisonHeight);
  DrawComparison(*surface, layout);
  host.ShowPicture(*surface);
}

std::string ComparisonSvg(const ComparisonChart& chart, char decimalSeparator) {
  SvgChartHost host;
  ShowComparison(host, chart, decimalSeparator);
  return std::move(host.svg);
}

}  // namespace orv
