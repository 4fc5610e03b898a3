// Edit fields bound to numbers: the locale's decimal separator, showing a value,
// reading the whole text back.
#pragma once

#include <QLineEdit>

namespace orv {

// The user's decimal separator (QLocale::system()); a point when the locale's is
// not a single ASCII character.
char LocaleDecimalSeparator();

// Shows `value` in the fields' general format, scrolled to its start. QLineEdit raises textChanged only
// when the new text differs from the shown one, which is when the field's change
// handler must run.
void ShowValue(QLineEdit* field, double value, char decimalSeparator);

// Converts the field's whole text into `dest`, with a point or a comma as the decimal
// separator; ConvertFault "'<text>' is not a valid floating point value" when it is
// not a number, and `dest` keeps its value.
void ReadValue(const QLineEdit* field, char decimalSeparator, double& dest);

}  // namespace orv
