#include "toolkit/edit_field.h"

#include <QLocale>

#include "base/number_text.h"

namespace orv {

char LocaleDecimalSeparator() {
  const QString point = QLocale::system().decimalPoint();
  if (point.size() == 1 && point[0].unicode() < 0x80) return static_cast<char>(point[0].unicode());
  return '.';
}

void ShowValue(QLineEdit* field, double value, char decimalSeparator) {
  field->setText(QString::fromStdString(FloatToText(value, decimalSeparator)));
  // From its first character: a text wider than the field shows how it begins.
  field->setCursorPosition(0);
}

void ReadValue(const QLineEdit* field, char decimalSeparator, double& dest) {
  TextToFloat(field->text().toStdString(), decimalSeparator, dest);
}

}  // namespace orv
