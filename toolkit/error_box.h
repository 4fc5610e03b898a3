// The error box that ends every failed event handler, and the guard that leads
// there. Exceptions never cross Qt's own frames: each handler runs inside RunGuarded.
#pragma once

#include <QString>
#include <QWidget>
#include <exception>
#include <functional>
#include <string>

#include "base/errors.h"

namespace orv {

// Shows a finished error text and an optional line that explains it; the windows
// take one of these so tests can capture the texts instead of blocking on a box.
using ErrorBoxFunction = std::function<void(QWidget* parent, const QString& text, const QString& detail)>;

// The real box: critical icon, one OK button, titled with the application's
// display name, modal over `parent`; the detail, if any, as its informative text.
void ShowErrorBox(QWidget* parent, const QString& text, const QString& detail);

// A message of the program's own (UTF-8, whole even where it holds a NUL, which
// shows as the NUL symbol).
QString MessageText(const std::string& message);

// A fault's message as the box shows it: followed by a full stop (one only).
QString ErrorBoxText(const QString& message);

// Runs one event handler. A fault (orv::Fault and every other std::exception) ends
// the handler where it happened and is shown in the box; the program goes on.
template <class Handler>
void RunGuarded(const ErrorBoxFunction& box, QWidget* parent, Handler&& handler) {
  QString text, detail;
  try {
    handler();
    return;
  } catch (const Fault& f) {
    text = ErrorBoxText(MessageText(f.message()));
    detail = MessageText(f.detail());
  } catch (const std::exception& e) {
    text = ErrorBoxText(QString::fromUtf8(e.what()));
  } catch (...) {
    text = ErrorBoxText(QStringLiteral("Unknown error"));
  }
  try {
    box(parent, text, detail);
  } catch (...) {
    // Nothing is left to tell the user with; the program must still go on.
  }
}

}  // namespace orv
