#include "toolkit/error_box.h"

#include <QGuiApplication>
#include <QMessageBox>

namespace orv {

void ShowErrorBox(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok,
                  parent);
  // The text quotes what the user typed: "<b>" must show as typed, not as markup.
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

QString ErrorBoxText(const QString& message) {
  if (message.endsWith(QLatin1Char('.'))) return message;
  return message + QLatin1Char('.');
}

}  // namespace orv
