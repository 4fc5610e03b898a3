// The main window's chart area as the chart engine sees it: fresh QImage surfaces,
// and the finished picture handed to the picture control Image1.
#pragma once

#include <QWidget>
#include <memory>

#include "base/chart_host.h"
#include "toolkit/picture_box.h"

namespace orv {

class ChartArea final : public ChartHost {
 public:
  // `picture` is Image1, `emblem` the small picture Image3 over it.
  ChartArea(PictureBox& picture, QWidget& emblem) : picture_(picture), emblem_(emblem) {}

  std::unique_ptr<Surface> CreateSurface(int width, int height) override;
  // Takes a copy of the surface's image; `finished` must come from CreateSurface.
  void ShowPicture(Surface& finished) override;
  void ShowImage3() override;

 private:
  PictureBox& picture_;
  QWidget& emblem_;
};

}  // namespace orv
