// Windows at their designed places where they fit: a window keeps its designed
// place wherever the whole window, frame included, lies inside the available area
// of the screen there; elsewhere it moves to the nearest place where it does (the
// area's left or top edge along a side where the window is larger than the area).
// A dialog opens centred over its parent's window, by the same rule.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QWidget>
#include <optional>

namespace orv {

// Where the frame's top-left corner goes: `designed` when the frame (a client of
// `client` with `frame` around it) lies inside `area` there; else the nearest place
// where it does, or the area's edge along a side where the frame is larger.
QPoint PlaceInArea(const QRect& area, QSize client, const QMargins& frame, QPoint designed);

// The frame's top-left corner that centres that frame over the rectangle `over`.
QPoint CentredOver(const QRect& over, QSize client, const QMargins& frame);

// The frame the window system puts around `window`: its own once it has one, else
// the last one seen around another window of the program (a window manager gives
// the frame only after the window shows), else none.
QMargins FrameMarginsOf(const QWidget* window);

// Moves the top-level `window` (its frame's top-left corner, as QWidget::move does)
// to `designed`, or to the nearest place where it fits.
void PlaceOnScreen(QWidget* window, QPoint designed);

// Places `window` in this way now and when it first shows, and again whenever the
// window system changes its frame (a window manager sets it after the window
// shows); a move by the user leaves the frame as it is, and the window stays where
// the user put it. Without a designed place, the window is centred over its
// parent's window when it shows (where it first shows when it has none). Owned by
// the window.
class ScreenPlace : public QObject {
 public:
  ScreenPlace(QWidget* window, std::optional<QPoint> designed);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Place();
  QWidget* window_;
  std::optional<QPoint> designed_;
  bool centred_;  // over the parent's window, on the size the window has when placed
  bool shown_ = false;
  QMargins placedWith_;  // the frame of the last placing
};

// A dialog (an error box, a file dialog, the progress window, a study's answer)
// centred over its parent's window and on the screen.
inline void CentreOverParent(QWidget* dialog) { new ScreenPlace(dialog, std::nullopt); }

}  // namespace orv
