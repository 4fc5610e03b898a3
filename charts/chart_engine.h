// Draws one chart of the sample table: an x column against one to seven curves,
// each on its own scaled axis, on a fresh 800 x 600 surface that is handed to the
// window only when it is complete.
#pragma once

#include <array>
#include <initializer_list>

#include "base/chart_host.h"
#include "base/errors.h"
#include "base/flight_data.h"
#include "base/sample_columns.h"
#include "base/surface.h"

namespace orv {

// Entry 0 is the x column, entries 1..count-1 the curves in drawing order.
struct ChartRequest {
  std::array<int, 8> column{};
  int count = 0;

  ChartRequest() = default;
  ChartRequest(std::initializer_list<Col> columns);
  // Bare column numbers, as a request from outside the program may come (a number
  // outside the table, or more than 8 entries, is refused by DrawChart).
  ChartRequest(std::initializer_list<int> columns);
};

// The division by zero of a scale that does not exist: the x column has no positive
// value, or a plain curve is zero throughout.
class ChartScaleFault final : public FloatingPointFault {
 public:
  ChartScaleFault(int column, bool xAxis)
      : FloatingPointFault(kDivByZeroText), column_(column), xAxis_(xAxis) {}
  int column() const { return column_; }
  bool xAxis() const { return xAxis_; }

 private:
  int column_;
  bool xAxis_;
};

// Throws ChartScaleFault (division by zero) when the x scale or a plain curve's
// scale is undefined, and InputFault for requests no caller produces; in both cases
// nothing is handed to the host.
void DrawChart(const SharedState& state, const ChartRequest& request, ChartHost& host, char decimalSeparator);

// Where the chart of a request puts its samples across, in surface pixels: the plot
// from `left` (x = 0) to `left + width` (x = xMax), between `top` and `bottom`.
struct ChartPlot {
  int left = 0;     // L
  int width = 0;    // W
  int top = 0;      // the highest grid row reaches no higher
  int bottom = 0;   // B
  double xMax = 0;  // the largest x sample, at the right edge
  double kx = 0;    // pixels per x unit

  int PixelOf(double x) const;  // the pixel column DrawChart draws the value x in
  // The pixel row DrawChart draws the value y of curve `column` (one of the request's
  // curves) at, in the table's unit of that column: each curve has its own scale.
  int RowOf(int column, double y) const;

  const SharedState* state = nullptr;
  int zero = 0, above = 0, below = 0;  // the zero line, and the plot's extent above and below it
};

// The plot DrawChart draws for `request` from the table as it is now; throws as
// DrawChart does when the chart has no x scale.
ChartPlot PlotOf(const SharedState& state, const ChartRequest& request);

}  // namespace orv
