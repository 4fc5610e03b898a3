// The program's drawing surface: an off-screen QImage, drawn without antialiasing so
// every pixel is predictable. Whatever falls outside the image is dropped.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <memory>
#include <string>

#include "base/surface.h"

namespace orv {

// Text needs a QGuiApplication (fonts); the other operations do not.
//
// On a screen of `scale` device pixels per pixel (2 on most laptops today) the image
// has `scale` times the size: every pixel of a line, rectangle, ellipse or polygon is
// drawn as a `scale` x `scale` block, exactly the picture of scale 1 enlarged, while
// text is drawn with the full resolution.
class QImageSurface final : public Surface {
 public:
  QImageSurface(int width, int height, int scale = 1);  // all white
  ~QImageSurface() override;
  QImageSurface(const QImageSurface&) = delete;
  QImageSurface& operator=(const QImageSurface&) = delete;

  // The picture drawn so far (ends any painting in progress first), in device
  // pixels: `scale` times the surface's size.
  const QImage& image() const;
  int scale() const { return scale_; }

  void SetPenColor(Color c) override;
  void SetBrushColor(Color c) override;
  void SetFontHeight(int cellPixels) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void Polygon(const Point* points, int count) override;
  void TextOut(int x, int y, std::string_view text) override;

 private:
  QPainter& Painter();
  void FillRows(long long x1, long long x2, long long y1, long long y2, QRgb rgb);  // [x1, x2) x [y1, y2)
  void PutPixel(long long x, long long y, QRgb rgb);
  // Fills a shape that Qt's painter draws: directly at scale 1, else on a pixel-sized
  // piece of its own that is then enlarged block by block.
  template <class Paint>
  void PaintShape(long long left, long long top, long long right, long long bottom, Paint&& paint);
  bool Touches(long long x1, long long y1, long long x2, long long y2) const;  // [x1, x2) x [y1, y2)
  void ChooseFont();

  QImage image_;
  int scale_ = 1;
  int width_ = 0, height_ = 0;  // pixels (image_ has scale_ times as many)
  mutable std::unique_ptr<QPainter> painter_;
  QRgb pen_;
  QRgb brush_;
  Point current_{};
  int cell_ = 12;  // font cell height, pixels
  bool fontChosen_ = false;
  QFont font_;
  int ascent_ = 0;
};

// The picture as PNG bytes; empty when it cannot be encoded.
std::string PngBytes(const QImage& picture);

}  // namespace orv
