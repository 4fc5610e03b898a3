// A picture control: its picture drawn unscaled from the top-left corner and cut
// at the control's edges; where the picture does not reach, the window shows through.
#pragma once

#include <QImage>
#include <QWidget>

namespace orv {

class PictureBox : public QWidget {
 public:
  explicit PictureBox(QWidget* parent);

  // Takes a copy of `picture` and repaints.
  void SetPicture(const QImage& picture);
  const QImage& Picture() const { return picture_; }

  // A transparent picture lets the window show through wherever it has the colour of
  // its bottom-left pixel (within the few steps a JPEG's compression shifts colours).
  void SetTransparent(bool transparent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Prepare();

  QImage picture_;
  QImage shown_;  // the picture as painted, with its transparent pixels
  bool transparent_ = false;
};

}  // namespace orv
