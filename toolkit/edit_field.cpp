#include "toolkit/edit_field.h"

#include <QLocale>
#include <algorithm>
#include <string>

#include "base/errors.h"
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

// The fields never take thousands separators, so a point and a comma both can only
// be the decimal separator: "0.2" typed under German settings is 0.2.
void ReadValue(const QLineEdit* field, char decimalSeparator, double& dest) {
  const std::string text = field->text().toStdString();
  std::string read = text;
  std::ranges::replace(read, decimalSeparator == ',' ? '.' : ',', decimalSeparator);
  if (!TryTextToFloat(read, decimalSeparator, dest)) throw ConvertFault(NotANumberMessage("'" + text + "'"));
}

}  // namespace orv
