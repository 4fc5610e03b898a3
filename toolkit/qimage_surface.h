// The program's drawing surface: an off-screen QImage, drawn without antialiasing so
// every pixel is predictable. Whatever falls outside the image is dropped.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <memory>

#include "base/surface.h"

namespace orv {

// Text needs a QGuiApplication (fonts); the other operations do not.
class QImageSurface final : public Surface {
 public:
  QImageSurface(int width, int height);  // all white
  ~QImageSurface() override;
  QImageSurface(const QImageSurface&) = delete;
  QImageSurface& operator=(const QImageSurface&) = delete;

  // The picture drawn so far (ends any painting in progress first).
  const QImage& image() const;

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
  bool Touches(long long x1, long long y1, long long x2, long long y2) const;       // [x1, x2) x [y1, y2)
  void ChooseFont();

  QImage image_;
  mutable std::unique_ptr<QPainter> painter_;
  QRgb pen_;
  QRgb brush_;
  Point current_{};
  int cell_ = 12;  // font cell height, pixels
  bool fontChosen_ = false;
  QFont font_;
  int ascent_ = 0;
};

}  // namespace orv
