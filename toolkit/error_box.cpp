#include "toolkit/error_box.h"

#include <QGuiApplication>
#include <QMessageBox>

#include "toolkit/screen_place.h"

namespace orv {

void ShowErrorBox(QWidget* parent, const QString& text, const QString& detail) {
  QMessageBox box(QMessageBox::Critical, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok,
                  parent);
  // The text quotes what the user typed: "<b>" must show as typed, not as markup.
  box.setTextFormat(Qt::PlainText);
  if (!detail.isEmpty()) box.setInformativeText(detail.toHtmlEscaped());
  CentreOverParent(&box);
  box.exec();
}

QString MessageText(const std::string& message) {
  QString text = QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size()));
  text.replace(QChar(0), QChar(0x2400));
  return text;
}

QString ErrorBoxText(const QString& message) {
  if (message.endsWith(QLatin1Char('.'))) return message;
  return message + QLatin1Char('.');
}

}  // namespace orv
