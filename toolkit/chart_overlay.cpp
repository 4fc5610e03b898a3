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
  setVisible(lineX_ || !band_.isEmpty());
  update();
}

void ChartOverlay::SetBand(const QString& text) {
  if (text == band_) return;
  band_ = text;
  setVisible(lineX_ || !band_.isEmpty());
  update();
}

void ChartOverlay::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (lineX_) {
    painter.setPen(kLineColour);
    painter.drawLine(*lineX_, top_, *lineX_, bottom_);
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
