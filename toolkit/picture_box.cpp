#include "toolkit/picture_box.h"

#include <QPainter>
#include <cstdlib>

namespace orv {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

namespace {

constexpr int kKeyTolerance = 24;  // per channel

bool NearKey(QRgb pixel, QRgb key) {
  return std::abs(qRed(pixel) - qRed(key)) <= kKeyTolerance &&
         std::abs(qGreen(pixel) - qGreen(key)) <= kKeyTolerance &&
         std::abs(qBlue(pixel) - qBlue(key)) <= kKeyTolerance;
}

}  // namespace

void PictureBox::SetPicture(const QImage& picture) {
  picture_ = picture;
  Prepare();
  update();
}

void PictureBox::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Prepare();
  update();
}

void PictureBox::Prepare() {
  if (!transparent_ || picture_.isNull()) {
    shown_ = picture_;
    return;
  }
  shown_ = picture_.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = shown_.pixel(0, shown_.height() - 1);
  for (int y = 0; y < shown_.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(shown_.scanLine(y));
    for (int x = 0; x < shown_.width(); ++x)
      if (NearKey(row[x], key)) row[x] = qRgba(0, 0, 0, 0);
  }
}

void PictureBox::paintEvent(QPaintEvent*) {
  if (shown_.isNull()) return;
  QPainter painter(this);
  painter.drawImage(0, 0, shown_);
}

}  // namespace orv
