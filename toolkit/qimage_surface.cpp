#include "toolkit/qimage_surface.h"

#include <QBuffer>
#include <QByteArray>
#include <QFontMetrics>
#include <QPolygon>
#include <QString>
#include <algorithm>
#include <cstdlib>

#include "charts/chart_text.h"

namespace orv {
namespace {

QRgb ToRgb(Color c) { return qRgb(c.r, c.g, c.b); }

// Rounds n / d down for d > 0 (128-bit: the operands of a clipped line may exceed 64 bits).
__int128 FloorDiv(__int128 n, __int128 d) {
  __int128 q = n / d;
  if (n % d != 0 && n < 0) --q;
  return q;
}

}  // namespace

QImageSurface::QImageSurface(int width, int height, int scale)
    : image_(width * std::max(scale, 1), height * std::max(scale, 1), QImage::Format_RGB32),
      scale_(std::max(scale, 1)),
      width_(width),
      height_(height),
      pen_(qRgb(0, 0, 0)),
      brush_(qRgb(255, 255, 255)) {
  image_.fill(qRgb(255, 255, 255));
}

QImageSurface::~QImageSurface() = default;

const QImage& QImageSurface::image() const {
  painter_.reset();
  return image_;
}

QPainter& QImageSurface::Painter() {
  if (!painter_) {
    painter_ = std::make_unique<QPainter>(&image_);
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, false);
  }
  return *painter_;
}

void QImageSurface::SetPenColor(Color c) { pen_ = ToRgb(c); }
void QImageSurface::SetBrushColor(Color c) { brush_ = ToRgb(c); }

void QImageSurface::SetFontHeight(int cellPixels) {
  if (cellPixels == cell_) return;
  cell_ = cellPixels;
  fontChosen_ = false;
}

bool QImageSurface::Touches(long long x1, long long y1, long long x2, long long y2) const {
  return x1 < width_ && x2 > 0 && y1 < height_ && y2 > 0 && x1 < x2 && y1 < y2;
}

void QImageSurface::FillRows(long long x1, long long x2, long long y1, long long y2, QRgb rgb) {
  x1 = std::max(x1, 0LL) * scale_;
  y1 = std::max(y1, 0LL) * scale_;
  x2 = std::min<long long>(x2, width_) * scale_;
  y2 = std::min<long long>(y2, height_) * scale_;
  if (x1 >= x2 || y1 >= y2) return;
  uchar* bits = image_.bits();  // detaches from any copy handed out before
  const qsizetype stride = image_.bytesPerLine();
  for (long long y = y1; y < y2; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(bits + y * stride);
    std::fill(row + x1, row + x2, rgb);
  }
}

// Outline on the first and last row and column of [x1, x2) x [y1, y2), interior in
// the brush colour: what the window toolkit's Rectangle(x1, y1, x2, y2) paints.
void QImageSurface::Rectangle(int x1, int y1, int x2, int y2) {
  long long left = std::min(x1, x2), right = std::max(x1, x2);
  long long top = std::min(y1, y2), bottom = std::max(y1, y2);
  if (!Touches(left, top, right, bottom)) return;
  FillRows(left, right, top, top + 1, pen_);
  FillRows(left, right, bottom - 1, bottom, pen_);
  FillRows(left, left + 1, top, bottom, pen_);
  FillRows(right - 1, right, top, bottom, pen_);
  FillRows(left + 1, right - 1, top + 1, bottom - 1, brush_);
}

void QImageSurface::PutPixel(long long x, long long y, QRgb rgb) {
  if (scale_ == 1) {
    reinterpret_cast<QRgb*>(image_.bits() + y * image_.bytesPerLine())[x] = rgb;
    return;
  }
  FillRows(x, x + 1, y, y + 1, rgb);
}

template <class Paint>
void QImageSurface::PaintShape(long long left, long long top, long long right, long long bottom,
                               Paint&& paint) {
  if (scale_ == 1) {
    paint(Painter());
    return;
  }
  // Only the part inside the surface: a shape may reach far beyond it.
  left = std::max(left, 0LL);
  top = std::max(top, 0LL);
  right = std::min<long long>(right, width_);
  bottom = std::min<long long>(bottom, height_);
  if (left >= right || top >= bottom) return;
  QImage piece(static_cast<int>(right - left), static_cast<int>(bottom - top), QImage::Format_ARGB32);
  piece.fill(Qt::transparent);
  {
    QPainter p(&piece);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.translate(static_cast<double>(-left), static_cast<double>(-top));
    paint(p);
  }
  for (int y = 0; y < piece.height(); ++y)
    for (int x = 0; x < piece.width(); ++x) {
      const QRgb rgb = piece.pixel(x, y);
      if (qAlpha(rgb) == 255) PutPixel(left + x, top + y, rgb);
    }
}

void QImageSurface::Ellipse(int x1, int y1, int x2, int y2) {
  long long left = std::min(x1, x2), right = std::max(x1, x2);
  long long top = std::min(y1, y2), bottom = std::max(y1, y2);
  if (!Touches(left, top, right, bottom)) return;
  PaintShape(left, top, right, bottom, [&](QPainter& p) {
    p.setPen(QPen(QColor(pen_), 1));
    p.setBrush(QColor(brush_));
    // The same box as drawRect(x1, y1, x2-x1-1, y2-y1-1): the ellipse stays inside the
    // rectangle with exclusive right and bottom edges.
    p.drawEllipse(QRectF(static_cast<double>(left), static_cast<double>(top),
                         static_cast<double>(right - left - 1), static_cast<double>(bottom - top - 1)));
  });
}

void QImageSurface::MoveTo(int x, int y) { current_ = {x, y}; }

// Bresenham from the current point to (x, y), end pixel excluded. Pixel i (0 <= i < d
// along the major axis) sits at minor offset rnd_down(i * dm / d), the classic choice
// of stepping only when the error is past the half. Only the steps inside the image
// are visited, so a line from far away costs no more than one across the image.
void QImageSurface::LineTo(int x, int y) {
  const long long x0 = current_.x, y0 = current_.y;
  current_ = {x, y};
  const long long dxAbs = std::llabs(x - x0), dyAbs = std::llabs(y - y0);
  const bool xMajor = dxAbs >= dyAbs;
  const long long major = xMajor ? dxAbs : dyAbs;  // pixels drawn
  const long long minor = xMajor ? dyAbs : dxAbs;
  if (major == 0) return;
  const long long majorStart = xMajor ? x0 : y0, minorStart = xMajor ? y0 : x0;
  const int majorSign = (xMajor ? x - x0 : y - y0) > 0 ? 1 : -1;
  const int minorSign = (xMajor ? y - y0 : x - x0) >= 0 ? 1 : -1;
  const long long majorSize = xMajor ? width_ : height_;
  const long long minorSize = xMajor ? height_ : width_;

  // Steps i whose major coordinate majorStart + majorSign * i lies in [0, majorSize).
  long long first = majorSign > 0 ? -majorStart : majorStart - (majorSize - 1);
  long long last = majorSign > 0 ? majorSize - 1 - majorStart : majorStart;
  first = std::max(first, 0LL);
  last = std::min(last, major - 1);
  if (first > last) return;

  // Minor offset of step i: floor((2 i minor + major - 1) / (2 major)), carried on
  // incrementally from `first` with the remainder as the error term.
  const __int128 twoMajor = 2 * static_cast<__int128>(major);
  const __int128 numerator = 2 * static_cast<__int128>(first) * minor + major - 1;
  long long offset = static_cast<long long>(FloorDiv(numerator, twoMajor));
  long long error = static_cast<long long>(numerator - static_cast<__int128>(offset) * twoMajor);
  const long long twoMinor = 2 * minor;
  const long long twoMajorLL = 2 * major;

  uchar* const bits = image_.bits();  // detaches from any copy handed out before
  const qsizetype stride = image_.bytesPerLine();
  for (long long i = first; i <= last; ++i) {
    const long long a = majorStart + majorSign * i;
    const long long b = minorStart + minorSign * offset;
    if (b >= 0 && b < minorSize) {
      const long long px = xMajor ? a : b, py = xMajor ? b : a;
      if (scale_ == 1)
        reinterpret_cast<QRgb*>(bits + py * stride)[px] = pen_;
      else
        PutPixel(px, py, pen_);
    }
    error += twoMinor;
    if (error >= twoMajorLL) {
      error -= twoMajorLL;
      ++offset;
    }
  }
}

// Interior by the odd-even rule, then the outline as the lines from each corner to
// the next (end pixels excluded), so every corner is covered, as with LineTo.
void QImageSurface::Polygon(const Point* points, int count) {
  if (points == nullptr || count < 1) return;
  long long left = points[0].x, right = points[0].x, top = points[0].y, bottom = points[0].y;
  QPolygon polygon;
  polygon.reserve(count);
  for (int i = 0; i < count; ++i) {
    left = std::min<long long>(left, points[i].x);
    right = std::max<long long>(right, points[i].x);
    top = std::min<long long>(top, points[i].y);
    bottom = std::max<long long>(bottom, points[i].y);
    polygon << QPoint(points[i].x, points[i].y);
  }
  if (!Touches(left, top, right + 1, bottom + 1)) return;
  PaintShape(left, top, right + 1, bottom + 1, [&](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(brush_));
    p.drawPolygon(polygon, Qt::OddEvenFill);
  });
  const Point saved = current_;
  current_ = points[count - 1];
  for (int i = 0; i < count; ++i) LineTo(points[i].x, points[i].y);
  current_ = saved;
}

// The nearest installed sans-serif size whose line fits the cell (DejaVu Sans: 10 px
// for a 12-pixel cell); the cell itself is filled by TextOut.
void QImageSurface::ChooseFont() {
  font_ = QFont(QStringLiteral("DejaVu Sans"));
  font_.setStyleHint(QFont::SansSerif);
  font_.setStyleStrategy(QFont::NoAntialias);
  const int cell = cell_ * scale_;  // device pixels
  int pixels = std::max(cell, 1);
  for (;;) {
    font_.setPixelSize(pixels);
    if (pixels == 1 || QFontMetrics(font_).height() <= cell) break;
    --pixels;
  }
  ascent_ = QFontMetrics(font_).ascent();
  fontChosen_ = true;
}

void QImageSurface::TextOut(int x, int y, std::string_view text) {
  if (text.empty()) return;
  if (!fontChosen_) ChooseFont();
  const std::vector<char32_t> characters = ChartTextCharacters(text);
  const QString s = QString::fromUcs4(characters.data(), static_cast<qsizetype>(characters.size()));
  // The cell in pixels: the text's width at full resolution, rounded up.
  const int advance = QFontMetrics(font_).horizontalAdvance(s);
  const int width = (advance + scale_ - 1) / scale_;
  if (!Touches(x, y, static_cast<long long>(x) + width, static_cast<long long>(y) + cell_)) return;
  FillRows(x, static_cast<long long>(x) + width, y, static_cast<long long>(y) + cell_, brush_);
  QPainter& p = Painter();
  p.setFont(font_);
  p.setPen(QColor(Qt::black));
  p.drawText(QPoint(x * scale_, y * scale_ + ascent_), s);
}

std::string PngBytes(const QImage& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG")) return {};
  return bytes.toStdString();
}

}  // namespace orv
