#include "toolkit/screen_place.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>
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

QMargins& LastFrameSeen() {
  static QMargins margins;
  return margins;
}

}  // namespace

QPoint PlaceInArea(const QRect& area, QSize client, const QMargins& frame, QPoint designed) {
  const QSize outer = client.grownBy(frame);
  return {Fit(designed.x(), outer.width(), area.left(), area.width()),
          Fit(designed.y(), outer.height(), area.top(), area.height())};
}

QPoint CentredOver(const QRect& over, QSize client, const QMargins& frame) {
  const QSize outer = client.grownBy(frame);
  return {over.left() + (over.width() - outer.width()) / 2,
          over.top() + (over.height() - outer.height()) / 2};
}

QMargins FrameMarginsOf(const QWidget* window) {
  const QWindow* handle = window->windowHandle();
  const QMargins own = handle ? handle->frameMargins() : QMargins();
  if (!own.isNull()) LastFrameSeen() = own;
  return own.isNull() ? LastFrameSeen() : own;
}

void PlaceOnScreen(QWidget* window, QPoint designed) {
  QScreen* screen = QGuiApplication::screenAt(designed);
  if (!screen) screen = window->screen();
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  window->move(PlaceInArea(screen->availableGeometry(), window->size(), FrameMarginsOf(window), designed));
}

ScreenPlace::ScreenPlace(QWidget* window, std::optional<QPoint> designed)
    : QObject(window), window_(window), designed_(designed), centred_(!designed) {
  if (designed_) PlaceOnScreen(window_, *designed_);
  window_->installEventFilter(this);
}

void ScreenPlace::Place() {
  placedWith_ = FrameMarginsOf(window_);
  // Centred on the size it has now: a message box takes its size as it shows.
  const QWidget* parent = window_->parentWidget() ? window_->parentWidget()->window() : nullptr;
  if (centred_ && parent && parent->isVisible())
    designed_ = CentredOver(parent->frameGeometry(), window_->size(), placedWith_);
  if (!designed_) designed_ = window_->pos();
  PlaceOnScreen(window_, *designed_);
}

// Placed before it shows (a designed place), and again when it shows, with the frame a window manager
// gave it or, before it has, the frame of the program's other windows. When the
// frame comes later or changes, the window is placed again at its designed place.
bool ScreenPlace::eventFilter(QObject* watched, QEvent* event) {
  if (watched != window_) return QObject::eventFilter(watched, event);
  if (event->type() == QEvent::Show && !event->spontaneous() && !shown_) {
    shown_ = true;
    Place();
    QTimer::singleShot(0, this, [this] {
      if (window_->isVisible()) Place();
    });
  } else if (shown_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
             window_->isVisible() && FrameMarginsOf(window_) != placedWith_) {
    Place();
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace orv
