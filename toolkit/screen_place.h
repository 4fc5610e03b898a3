// Windows at their designed places where they fit: a window keeps its designed
// place wherever the whole window, frame included, lies inside the available area
// of the screen there; elsewhere it moves to the nearest place where it does (the
// area's left or top edge along a side where the window is larger than the area).
#pragma once

#include <QPoint>
#include <QWidget>
#include <optional>

namespace orv {

// Moves the top-level `window` (its frame's top-left corner, as QWidget::move does)
// to `designed`, or to the nearest place where it fits. The frame is the one the
// window system gave the window, none before it is shown.
void PlaceOnScreen(QWidget* window, QPoint designed);

// Places `window` in this way now and when it first shows, and once more when the
// window system has put its frame around it; afterwards it stays where the user
// moves it. Without a designed place, the place is where the window first shows
// (a dialog over its parent). Owned by the window.
class ScreenPlace : public QObject {
 public:
  ScreenPlace(QWidget* window, std::optional<QPoint> designed);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  std::optional<QPoint> designed_;
};

// A dialog (an error box, a file dialog, the progress dialog) that fits the screen.
inline void KeepOnScreen(QWidget* dialog) { new ScreenPlace(dialog, std::nullopt); }

}  // namespace orv
