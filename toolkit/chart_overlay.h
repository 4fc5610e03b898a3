// What the chart area shows over its picture without drawing into it: the read-out's
// thin vertical line, a band across the top that marks the chart as stale, and the
// small cross of an aimed-at target. The
// picture itself, which the menu saves and copies, never carries either, and neither
// costs the chart's drawing anything.
#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>
#include <optional>

namespace orv {

class ChartOverlay : public QWidget {
 public:
  // Covers `picture` and lets every mouse event through to it.
  explicit ChartOverlay(QWidget* picture);

  // A vertical line at the picture's pixel column x from `top` to `bottom`; none: no line.
  void SetLine(std::optional<int> x, int top = 0, int bottom = 0);
  std::optional<int> LineX() const { return lineX_; }

  // The band's text; an empty text takes the band away.
  void SetBand(const QString& text);
  QString Band() const { return band_; }

  // A small cross centred on the picture's pixel; none: no cross.
  void SetCross(std::optional<QPoint> at);
  std::optional<QPoint> Cross() const { return cross_; }
  static constexpr int kCrossHalf = 5;  // pixels from the centre to each arm's end

  static inline const QColor kLineColour{0, 90, 200};
  // The band lies above the plot's highest grid row and right of every axis label
  // (the plot of a chart of 8 columns begins at x = 322).
  static constexpr int kBandHeight = 18;  // pixels
  static constexpr int kBandLeft = 340;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<int> lineX_;
  int top_ = 0, bottom_ = 0;
  QString band_;
  std::optional<QPoint> cross_;
  void ShowWhenNeeded();
};

}  // namespace orv
