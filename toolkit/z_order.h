// Stacking of a window's controls in two layers: graphic controls (pictures,
// labels, frames) always lie under windowed ones (buttons, fields, panels, groups);
// bringing to the front or sending to the back moves a control within its layer.
#pragma once

#include <QWidget>

namespace orv {

// Marks `control` as a graphic control; unmarked controls are windowed.
void MarkGraphic(QWidget* control);
bool IsGraphic(const QWidget* control);

// Restacks all children of `window`: graphic ones first, then windowed ones, each
// layer keeping the order in which the controls were created.
void ArrangeLayers(QWidget* window);

// To the top of its layer: a windowed control over all others, a graphic control
// over the other graphic ones but still under every windowed control.
void BringToFront(QWidget* control);

// To the bottom of its layer: a windowed control under the other windowed ones but
// still over every graphic control.
void SendToBack(QWidget* control);

}  // namespace orv
