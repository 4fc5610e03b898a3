#include "toolkit/error_box.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace orv {

void ShowErrorBox(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok,
                  parent);
  box.exec();
}

QString ErrorBoxText(const QString& message) {
  if (message.endsWith(QLatin1Char('.'))) return message;
  return message + QLatin1Char('.');
}

}  // namespace orv
