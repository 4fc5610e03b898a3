// Where a finished chart goes: the window's chart area, a PNG or SVG file, or a
// test that records the calls. The chart engine draws through this and nothing else.
#pragma once

#include <memory>

#include "base/surface.h"

namespace orv {

constexpr int kChartWidth = 800;   // pixels
constexpr int kChartHeight = 600;  // pixels

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

}  // namespace orv
