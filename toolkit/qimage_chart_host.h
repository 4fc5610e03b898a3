// A chart host over QImage surfaces off the window: keeps a copy of the last
// finished picture (the window's saved and copied charts, tests, benchmarks).
#pragma once

#include <QImage>
#include <memory>

#include "base/chart_host.h"
#include "toolkit/qimage_surface.h"

namespace orv {

class QImageChartHost final : public ChartHost {
 public:
  std::unique_ptr<Surface> CreateSurface(int width, int height) override {
    return std::make_unique<QImageSurface>(width, height);
  }
  void ShowPicture(Surface& finished) override {
    picture = static_cast<QImageSurface&>(finished).image().copy();
  }
  void ShowImage3() override { ++image3Shown; }

  QImage picture;
  int image3Shown = 0;
};

}  // namespace orv
