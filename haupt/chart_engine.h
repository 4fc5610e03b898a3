// Draws one chart of the sample table: an x column against one to seven curves,
// each on its own scaled axis, on a fresh 800 x 600 surface that is handed to the
// window only when it is complete.
#pragma once

#include <array>
#include <initializer_list>
#include <memory>

#include "haupt/flight_data.h"
#include "toolkit/surface.h"

namespace orv {

// Entry 0 is the x column, entries 1..count-1 the curves in drawing order.
struct ChartRequest {
  std::array<int, 8> column{};
  int count = 0;

  ChartRequest() = default;
  ChartRequest(std::initializer_list<int> columns);  // more than 8 entries: count > 8, refused by DrawChart
};

// What the engine needs from the window that shows the chart.
class ChartHost {
 public:
  virtual ~ChartHost() = default;
  // A white surface of the given size.
  virtual std::unique_ptr<Surface> CreateSurface(int width, int height) = 0;
  // The finished surface replaces the picture of the chart area (Image1).
  virtual void ShowPicture(Surface& finished) = 0;
  // Makes the small emblem picture (Image3) visible.
  virtual void ShowImage3() = 0;
};

constexpr int kChartWidth = 800;
constexpr int kChartHeight = 600;

// Throws FloatingPointFault (division by zero) when the x scale or a plain curve's
// scale is undefined, and InputFault for requests no caller produces; in both cases
// nothing is handed to the host.
void DrawChart(const SharedState& state, const ChartRequest& request, ChartHost& host, char decimalSeparator);

}  // namespace orv
