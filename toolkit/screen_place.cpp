#include "toolkit/screen_place.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <algorithm>

namespace orv {
namespace {

// The start of the window along one side: `designed` when [designed, designed +
// size) lies in [first, first + room); else the nearest start that does, or
// `first` when the window is larger.
int Fit(int designed, int size, int first, int room) {
  if (size >= room) return first;
  return std::clamp(designed, first, first + room - size);
}

}  // namespace

void PlaceOnScreen(QWidget* window, QPoint designed) {
  QScreen* screen = QGuiApplication::screenAt(designed);
  if (!screen) screen = window->screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QSize outer = window->frameGeometry().size();
  window->move(Fit(designed.x(), outer.width(), area.left(), area.width()),
               Fit(designed.y(), outer.height(), area.top(), area.height()));
}

ScreenPlace::ScreenPlace(QWidget* window, std::optional<QPoint> designed)
    : QObject(window), window_(window), designed_(designed) {
  if (designed_) PlaceOnScreen(window_, *designed_);
  window_->installEventFilter(this);
}

// Placed before it shows, and again when it first shows, once a window manager
// has given it its frame, which may make it larger than the room at the designed
// place. Later it stays where the user left it.
bool ScreenPlace::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_ && event->type() == QEvent::Show && !event->spontaneous()) {
    window_->removeEventFilter(this);
    if (!designed_) designed_ = window_->pos();
    PlaceOnScreen(window_, *designed_);
    QTimer::singleShot(0, this, [this] {
      if (window_->isVisible()) PlaceOnScreen(window_, *designed_);
    });
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace orv
