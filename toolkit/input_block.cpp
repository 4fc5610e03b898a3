#include "toolkit/input_block.h"

#include <QCoreApplication>
#include <QEvent>

namespace orv {
namespace {

// What a user does to a window, as opposed to what only shows it (painting, the
// pointer passing over it).
bool IsUserAction(const QEvent* event) {
  switch (event->type()) {
    case QEvent::Enter:
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::HoverLeave:
      return false;
    case QEvent::Close:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::ActivationChange:
      return true;
    default:
      return event->isInputEvent();
  }
}

}  // namespace

InputBlock::InputBlock() { QCoreApplication::instance()->installEventFilter(this); }

InputBlock::~InputBlock() { QCoreApplication::instance()->removeEventFilter(this); }

bool InputBlock::eventFilter(QObject* watched, QEvent* event) {
  // A window system's events reach the QWindow first and its widget after; the
  // widget is where they stop.
  if (!watched->isWidgetType() || !IsUserAction(event)) return false;
  const auto* widget = static_cast<QWidget*>(watched);
  if (open_ && (widget == open_ || open_->isAncestorOf(widget))) return false;
  // A dropped close request must also be refused: a close event starts out
  // accepted, and the window would close all the same. Everything else counts as
  // handled, so that it does not travel on to the parent widgets.
  if (event->type() == QEvent::Close)
    event->ignore();
  else
    event->accept();
  return true;
}

}  // namespace orv
