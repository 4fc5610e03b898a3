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

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace orv
