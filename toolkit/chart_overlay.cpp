#include "toolkit/chart_overlay.h"

#include <QPainter>

namespace orv {

ChartOverlay::ChartOverlay(QWidget* picture) : QWidget(picture) {
  setObjectName(QStringLiteral("ChartOverlay"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setGeometry(picture->rect());
  hide();
}

void ChartOverlay::SetLine(std::optional<int> x, int top, int bottom) {
  if (x == lineX_ && top == top_ && bottom == bottom_) return;
  lineX_ = x;
  top_ = top;
  bottom_ = bottom;
  ShowWhenNeeded();
}

void ChartOverlay::SetBand(const QString& text) {
  if (text == band_) return;
  band_ = text;
  ShowWhenNeeded();
}

void ChartOverlay::SetCross(std::optional<QPoint> at) {
  if (at == cross_) return;
  cross_ = at;
  ShowWhenNeeded();
}

void ChartOverlay::ShowWhenNeeded() {
  setVisible(lineX_ || !band_.isEmpty() || cross_);
  update();
}

void ChartOverlay::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (lineX_) {
    painter.setPen(kLineColour);
    painter.drawLine(*lineX_, top_, *lineX_, bottom_);
  }
  if (cross_) {
    painter.setPen(QPen(QColor(220, 0, 0), 2));
    const QPoint c = *cross_;
    painter.drawLine(c.x() - kCrossHalf, c.y() - kCrossHalf, c.x() + kCrossHalf, c.y() + kCrossHalf);
    painter.drawLine(c.x() - kCrossHalf, c.y() + kCrossHalf, c.x() + kCrossHalf, c.y() - kCrossHalf);
  }
  if (!band_.isEmpty()) {
    const QRect band(kBandLeft, 0, width() - kBandLeft, kBandHeight);
    painter.fillRect(band, QColor(255, 214, 0));
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(QColor(0, 0, 0));
    painter.drawText(band, Qt::AlignCenter, band_);
  }
}

}  // namespace orv
