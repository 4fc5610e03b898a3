#include "toolkit/chart_area.h"

#include <algorithm>
#include <cmath>

#include "base/errors.h"
#include "toolkit/qimage_surface.h"

namespace orv {

// As many device pixels per pixel as the chart area's screen has, so the chart is
// drawn sharp rather than enlarged by the window system.
std::unique_ptr<Surface> ChartArea::CreateSurface(int width, int height) {
  const int scale = std::max(1, static_cast<int>(std::lround(picture_.devicePixelRatioF())));
  return std::make_unique<QImageSurface>(width, height, scale);
}

void ChartArea::ShowPicture(Surface& finished) {
  auto* surface = dynamic_cast<QImageSurface*>(&finished);
  if (!surface) throw InputFault("The chart was not drawn on a surface of the chart area");
  QImage picture = surface->image();
  picture.setDevicePixelRatio(surface->scale());
  picture_.SetPicture(picture);
  picture_.repaint();
}

void ChartArea::ShowImage3() { emblem_.show(); }

}  // namespace orv
