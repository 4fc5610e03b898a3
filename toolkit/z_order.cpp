#include "toolkit/z_order.h"

#include <QVariant>

namespace orv {
namespace {

constexpr const char* kGraphicProperty = "orvGraphicControl";

// Sibling widgets in stacking order, bottom first (Qt keeps children that way).
QList<QWidget*> Siblings(const QWidget* control) {
  QList<QWidget*> list;
  if (!control->parentWidget()) return list;
  for (QObject* child : control->parentWidget()->children())
    if (auto* w = qobject_cast<QWidget*>(child); w && !w->isWindow()) list.append(w);
  return list;
}

QWidget* LowestWindowed(const QWidget* control) {
  for (QWidget* w : Siblings(control))
    if (w != control && !IsGraphic(w)) return w;
  return nullptr;
}

}  // namespace

void MarkGraphic(QWidget* control) { control->setProperty(kGraphicProperty, true); }

bool IsGraphic(const QWidget* control) { return control->property(kGraphicProperty).toBool(); }

void ArrangeLayers(QWidget* window) {
  QList<QWidget*> windowed;
  for (QObject* child : window->children())
    if (auto* w = qobject_cast<QWidget*>(child); w && !w->isWindow() && !IsGraphic(w)) windowed.append(w);
  for (QWidget* w : windowed) w->raise();
}

void BringToFront(QWidget* control) {
  if (!IsGraphic(control)) {
    control->raise();
    return;
  }
  if (QWidget* above = LowestWindowed(control))
    control->stackUnder(above);
  else
    control->raise();
}

void SendToBack(QWidget* control) {
  if (IsGraphic(control)) {
    control->lower();
    return;
  }
  if (QWidget* above = LowestWindowed(control))
    control->stackUnder(above);
  else
    control->raise();
}

}  // namespace orv
