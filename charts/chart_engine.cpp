#include "charts/chart_engine.h"

#include <cmath>
#include <string>

#include "base/errors.h"
#include "base/number_text.h"
#include "charts/column_styles.h"
#include "charts/draw_marker.h"

namespace orv {

ChartRequest::ChartRequest(std::initializer_list<int> columns) : count(static_cast<int>(columns.size())) {
  std::size_t i = 0;
  for (int c : columns) {
    if (i == column.size()) break;
    column[i++] = c;
  }
}

ChartRequest::ChartRequest(std::initializer_list<Col> columns) : count(static_cast<int>(columns.size())) {
  std::size_t i = 0;
  for (Col c : columns) {
    if (i == column.size()) break;
    column[i++] = Index(c);
  }
}

namespace {

// Frame used for the layout (pixels): 750 x 500 with a margin of 20.
constexpr int kFrameWidth = 750;
constexpr int kMargin = 20;
constexpr int kBottom = 500 - 2 * kMargin;      // B, bottom line of the plot
constexpr int kPlotHeight = 500 - 3 * kMargin;  // P
constexpr int kFontCell = 12;
constexpr int kLegendHalf = 6;  // the circle behind a legend marker is 12 across

// Samples further off than this are lost off the surface anyway; the bound keeps
// every coordinate sum inside an int.
constexpr double kPixelLimit = 1 << 30;

// rnd(): to the nearest integer, halves to the even neighbour.
int Rnd(double v) {
  if (std::isnan(v)) throw FloatingPointFault(kInvalidOpText);  // no pixel for it
  if (v > kPixelLimit) v = kPixelLimit;
  if (v < -kPixelLimit) v = -kPixelLimit;
  const double f = std::floor(v);
  const double frac = v - f;  // exact for doubles
  double r = f;
  if (frac > 0.5 || (frac == 0.5 && std::fmod(f, 2.0) != 0)) r = f + 1;
  return static_cast<int>(r);
}

// Pixels per unit; a positive maximum so small that the scale overflows is reported
// as the overflow it is.
double Scale(int pixels, double maximum) {
  const double k = pixels / maximum;
  if (std::isinf(k)) throw FloatingPointFault(kOverflowText);
  return k;
}

struct Layout {
  int n = 0;      // entries of the request
  int left = 0;   // L
  int width = 0;  // W
  int step = 0;   // distance between neighbouring curve axes
  int zero = 0;   // Z
  int above = 0;  // T
  int below = 0;  // U
  bool isSigned = false;

  int Axis(int f) const { return left - f * step; }  // A(f)
};

// What a chart of `request` reads: samples 1..M are rows 2..SampleRows.
class Samples {
 public:
  explicit Samples(const SharedState& state) : state_(state), count_(state.SampleRows - 1) {}
  int count() const { return count_; }  // M
  double at(int column, int j) const { return state_.Sample(column, j + 1); }

  double Max(int column) const {  // not less than 0
    double m = 0;
    for (int j = 1; j <= count_; ++j)
      if (at(column, j) > m) m = at(column, j);
    return m;
  }
  double Min(int column) const {  // not more than 0
    double m = 0;
    for (int j = 1; j <= count_; ++j)
      if (at(column, j) < m) m = at(column, j);
    return m;
  }
  bool AnyNegative(int column) const {  // NaN counts as negative
    for (int j = 1; j <= count_; ++j)
      if (!(at(column, j) >= 0)) return true;
    return false;
  }

 private:
  const SharedState& state_;
  int count_;
};

int MarkerSpacing(const SharedState& state, int column) {
  return Rnd(std::sqrt(static_cast<double>(state.SampleRows))) + ColumnStyleOf(column).spacingOffset;
}

// Requests no button produces are refused before anything is drawn.
void CheckRequest(const SharedState& state, const ChartRequest& request) {
  if (request.count < 2 || request.count > 8)
    throw InputFault("A chart needs 2 to 8 columns, not " + std::to_string(request.count));
  for (int i = 0; i < request.count; ++i) {
    const int c = request.column[static_cast<std::size_t>(i)];
    if (c < 0 || c >= kSampleColumns) throw InputFault("The sample table has no column " + std::to_string(c));
  }
  if (state.SampleRows < 0 || state.SampleRows > kSampleRowsMax)
    throw InputFault("The sample table cannot hold " + std::to_string(state.SampleRows) + " rows");
}

// Marker spacing falls below 1 only for tables of fewer than 13 rows, which no run
// leaves behind; checked once the x scale is known to exist.
void CheckMarkerSpacing(const SharedState& state, const ChartRequest& request) {
  for (int f = 1; f < request.count; ++f) {
    const int c = request.column[static_cast<std::size_t>(f)];
    const int m = MarkerSpacing(state, c);
    if (m < 1)
      throw InputFault("Too few sample rows (" + std::to_string(state.SampleRows) + ") to mark column " +
                       std::to_string(c) + " every " + std::to_string(m) + ". sample");
  }
}

Layout MakeLayout(const Samples& samples, const ChartRequest& request) {
  Layout lay;
  lay.n = request.count;
  lay.left = 37 * lay.n + 26;
  lay.width = kFrameWidth - lay.left - kMargin;
  lay.step = Rnd((37.0 * lay.n + 15.0) / (lay.n - 1));
  for (int i = 0; i < lay.n; ++i)
    if (samples.AnyNegative(request.column[static_cast<std::size_t>(i)])) lay.isSigned = true;
  if (lay.isSigned) {
    lay.zero = kBottom - Rnd(kPlotHeight / 3.0);  // 313
    lay.above = Rnd(2.0 * kPlotHeight / 3.0);     // 293
    lay.below = Rnd(kPlotHeight / 3.0);           // 147
  } else {
    lay.zero = kBottom;
    lay.above = kPlotHeight;
    lay.below = kPlotHeight;
  }
  return lay;
}

void Line(Surface& s, int x1, int y1, int x2, int y2) {
  s.MoveTo(x1, y1);
  s.LineTo(x2, y2);
}

void DrawGrid(Surface& s, const Layout& lay) {
  if (lay.isSigned) {  // the band below the zero line, framed
    s.SetPenColor(kBlack);
    s.SetBrushColor(kWhite);
    s.Rectangle(lay.left, kBottom, lay.left + lay.width + 1, kBottom - lay.below);
  }
  s.SetPenColor(kGrey);
  const int row = Rnd(lay.above / 7.0);
  for (int k = 0; k <= 7; ++k)
    Line(s, lay.left, lay.zero - k * row, lay.left + lay.width, lay.zero - k * row);
  for (int k = 0; k <= 8; ++k) {
    const int x = lay.left + Rnd(lay.width * k / 8.0);
    Line(s, x, lay.zero, x, lay.zero - 7 * row);
  }
  s.SetPenColor(kBlack);
}

void DrawXAxisTexts(Surface& s, const Layout& lay, const SharedState& state, int xColumn, double xMax,
                    char sep) {
  s.SetFontHeight(kFontCell);
  s.SetBrushColor(kWhite);
  const std::string_view title = XTitle(xColumn, state.fd);
  if (!title.empty()) s.TextOut(lay.left + Rnd(lay.width / 2.0), kBottom + 30, title);
  const int labelStep = Rnd(lay.width / 8.0);
  for (int k = 0; k <= 8; ++k)
    s.TextOut(lay.left + k * labelStep - 8, kBottom + 9, FormatGeneral(k * xMax / 8, 4, 2, sep));
}

// Draws one curve f of the request: axis, ticks, labels, title, legend, polyline and
// markers. `divisions` is the plain curves' division count, 4 once a signed curve
// has been drawn.
class CurvePainter {
 public:
  CurvePainter(Surface& s, ChartHost& host, const SharedState& state, const Samples& samples,
               const Layout& lay, int xColumn, double kx, char sep)
      : s_(s),
        host_(host),
        state_(state),
        samples_(samples),
        lay_(lay),
        xColumn_(xColumn),
        kx_(kx),
        sep_(sep) {}

  void Draw(int f, int column) {
    const ColumnStyle& style = ColumnStyleOf(column);
    const double yMax = samples_.Max(column);
    const double yMin = samples_.Min(column);
    double ky = 0;
    if (yMin < 0) {
      ky = SignedAxis(f, column, yMax, yMin);
      divisions_ = 4;
    } else {
      ky = PlainAxis(f, column, yMax);
    }
    const int origin = f == 1 ? lay_.left : lay_.Axis(f);
    s_.SetPenColor(kBlack);
    s_.SetBrushColor(kWhite);
    s_.Ellipse(origin - kLegendHalf, lay_.zero - kLegendHalf, origin + kLegendHalf, lay_.zero + kLegendHalf);
    DrawMarker(s_, origin, lay_.zero, style.legend.kind, style.legend.size);
    Polyline(column, ky);
    Markers(column, ky, style.curve);
    s_.SetBrushColor(kWhite);
  }

 private:
  Point At(int column, int j, double ky) const {
    return {lay_.left + Rnd(samples_.at(xColumn_, j) * kx_), lay_.zero - Rnd(samples_.at(column, j) * ky)};
  }

  double PlainAxis(int f, int column, double yMax) {
    if (yMax == 0) throw ChartScaleFault(column, false);  // all samples 0: no scale
    const int h = Rnd(0.9 * lay_.above);
    const double ky = Scale(h, yMax);
    const int d = divisions_;
    const int a = lay_.Axis(f);
    if (f == 1) {
      // The first curve's axis is the grid's left edge: its ticks meet the grid rows,
      // and 1.1 (about 1 / 0.9) turns the curve's scale into the grid's.
      const int r = Rnd(static_cast<double>(lay_.above) / d);
      const int labelX = lay_.left - 6 - Rnd(lay_.step / 2.0) - 13;
      for (int k = 0; k <= d; ++k) {
        Line(s_, lay_.left, lay_.zero - k * r, lay_.left - 3, lay_.zero - k * r);
        s_.TextOut(labelX, lay_.zero - k * r - 5, FormatGeneral(k * (yMax / d) * 1.1, 4, 2, sep_));
      }
    } else {
      Line(s_, a, lay_.zero, a, lay_.zero - h);
      const int tick = Rnd(static_cast<double>(h) / d);
      for (int k = 0; k <= d; ++k) {
        Line(s_, a, lay_.zero - k * tick, a + 3, lay_.zero - k * tick);
        s_.TextOut(a + 6, lay_.zero - k * tick, FormatGeneral(k * yMax / d, 4, 2, sep_));
      }
    }
    s_.SetFontHeight(kFontCell);
    s_.SetBrushColor(kWhite);
    const ColumnStyle& style = ColumnStyleOf(column);
    const int dy = f == 1 ? style.plainDyFirstCurve : style.plainDy;
    s_.TextOut(a + 2 + style.plainDx, lay_.zero - h - dy, PlainTitle(column, state_.fd));
    return ky;
  }

  double SignedAxis(int f, int column, double yMax, double yMin) {
    const int a = lay_.Axis(f);
    Line(s_, a, kBottom, a, kBottom - 2 * lay_.below);
    const int h = Rnd(0.9 * lay_.below);
    const double range = yMax > -yMin ? yMax : -yMin;  // R
    const double ky = Scale(h, range);
    const int tick = Rnd(h / 4.0);
    s_.TextOut(a + 9, lay_.zero, "0.0");
    for (int k = 1; k <= 4; ++k) {
      Line(s_, a, lay_.zero - k * tick, a + 3, lay_.zero - k * tick);
      Line(s_, a, lay_.zero + k * tick, a + 3, lay_.zero + k * tick);
      // Below the zero line the same magnitudes, negative.
      s_.TextOut(a + 6, lay_.zero - k * tick, FormatGeneral(k * range / 4, 3, 1, sep_));
      s_.TextOut(a + 6, lay_.zero + k * tick, FormatGeneral(-k * range / 4, 3, 1, sep_));
    }
    const ColumnStyle& style = ColumnStyleOf(column);
    if (style.signedTitle != nullptr) s_.TextOut(a + style.signedDx, lay_.zero - h - 20, style.signedTitle);
    return ky;
  }

  // Every curve starts on the left edge, at the height of its first sample.
  void Polyline(int column, double ky) {
    const int m = samples_.count();
    if (m < 1) return;
    s_.SetPenColor(kBlack);
    s_.MoveTo(lay_.left, At(column, 1, ky).y);
    for (int j = 2; j <= m; ++j) {
      const Point p = At(column, j, ky);
      s_.LineTo(p.x, p.y);
    }
  }

  void Markers(int column, double ky, MarkerStyle marker) {
    if (samples_.count() < 1) return;
    host_.ShowImage3();
    if (marker.kind == Marker::kNone) return;
    const int spacing = MarkerSpacing(state_, column);
    for (int j = spacing; j <= samples_.count(); j += spacing) {
      const Point p = At(column, j, ky);
      DrawMarker(s_, p.x, p.y, marker.kind, marker.size);
    }
  }

  Surface& s_;
  ChartHost& host_;
  const SharedState& state_;
  const Samples& samples_;
  const Layout& lay_;
  int xColumn_;
  double kx_;
  char sep_;
  int divisions_ = 7;
};

}  // namespace

int ChartPlot::PixelOf(double x) const { return left + Rnd(x * kx); }

int ChartPlot::RowOf(int column, double y) const {
  // The curve's scale as CurvePainter::Draw takes it: its greatest value at 0.9 of
  // the height above the zero line, or of the magnitudes at 0.9 below it.
  const Samples samples(*state);
  const double yMax = samples.Max(column), yMin = samples.Min(column);
  const double ky = yMin < 0 ? Rnd(0.9 * below) / (yMax > -yMin ? yMax : -yMin) : Rnd(0.9 * above) / yMax;
  return zero - Rnd(y * ky);
}

ChartPlot PlotOf(const SharedState& state, const ChartRequest& request) {
  CheckRequest(state, request);
  const Samples samples(state);
  const Layout lay = MakeLayout(samples, request);
  ChartPlot plot;
  plot.left = lay.left;
  plot.width = lay.width;
  plot.top = kBottom - kPlotHeight;
  plot.bottom = kBottom;
  plot.xMax = samples.Max(request.column[0]);
  if (plot.xMax == 0) throw ChartScaleFault(request.column[0], true);
  plot.kx = Scale(lay.width, plot.xMax);
  plot.state = &state;
  plot.zero = lay.zero;
  plot.above = lay.above;
  plot.below = lay.below;
  return plot;
}

void DrawChart(const SharedState& state, const ChartRequest& request, ChartHost& host,
               char decimalSeparator) {
  CheckRequest(state, request);
  const Samples samples(state);
  const Layout lay = MakeLayout(samples, request);

  std::unique_ptr<Surface> surface = host.CreateSurface(kChartWidth, kChartHeight);
  Surface& s = *surface;
  s.SetPenColor(kBlack);
  s.SetBrushColor(kWhite);
  DrawGrid(s, lay);

  // The x axis always starts at 0.
  const int xColumn = request.column[0];
  const double xMax = samples.Max(xColumn);
  if (xMax == 0) throw ChartScaleFault(xColumn, true);  // no run yet, or no positive x
  CheckMarkerSpacing(state, request);
  const double kx = Scale(lay.width, xMax);

  DrawXAxisTexts(s, lay, state, xColumn, xMax, decimalSeparator);
  CurvePainter curves(s, host, state, samples, lay, xColumn, kx, decimalSeparator);
  for (int f = 1; f < lay.n; ++f) curves.Draw(f, request.column[static_cast<std::size_t>(f)]);

  host.ShowPicture(s);
}

}  // namespace orv
