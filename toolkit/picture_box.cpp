#include "toolkit/picture_box.h"

#include <QPainter>

namespace orv {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::SetPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void PictureBox::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.drawImage(0, 0, picture_);
}

}  // namespace orv
