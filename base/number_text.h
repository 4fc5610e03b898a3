// Numbers as the user types and reads them: the field parser, the fields' general
// format and the chart labels' G(p, e) format. The decimal separator is always an
// argument; only the window code asks the locale for it.
#pragma once

#include <string>
#include <string_view>

namespace orv {

// Parses a whole field text: optional blanks, optional sign, digits, optionally the
// separator and digits, optionally E/e with optional sign and digits, optional
// blanks. A lone separator reads as 0. On success `dest` gets the value; otherwise
// ConvertFault "'<text>' is not a valid floating point value" and `dest` is kept.
void TextToFloat(std::string_view text, char decimalSeparator, double& dest);

// "<quotedText> is not a valid floating point value", the ConvertFault's text for a
// text the caller has quoted its own way.
std::string NotANumberMessage(std::string_view quotedText);

// The same syntax check without throwing; returns false where TextToFloat throws.
bool TryTextToFloat(std::string_view text, char decimalSeparator, double& dest);

// The fields' format: up to 15 significant digits, no trailing zeros, exponent only
// below 0.0001 or beyond 15 integer digits ("5E-5", "1.7", "30.2").
std::string FloatToText(double value, char decimalSeparator);

// G(p, e): at most p significant digits, trailing zeros dropped, plain notation when
// the rounded value has at most p integer digits and a magnitude of at least 0.00001,
// otherwise mantissa, "E", sign and an exponent of at least e digits.
std::string FormatGeneral(double value, int precision, int exponentDigits, char decimalSeparator);

}  // namespace orv
