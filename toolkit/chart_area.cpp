#include "toolkit/chart_area.h"

#include "base/errors.h"
#include "toolkit/qimage_surface.h"

namespace orv {

std::unique_ptr<Surface> ChartArea::CreateSurface(int width, int height) {
  return std::make_unique<QImageSurface>(width, height);
}

void ChartArea::ShowPicture(Surface& finished) {
  auto* surface = dynamic_cast<QImageSurface*>(&finished);
  if (!surface) throw InputFault("The chart was not drawn on a surface of the chart area");
  picture_.SetPicture(surface->image());
  picture_.repaint();
}

void ChartArea::ShowImage3() { emblem_.show(); }

}  // namespace orv
