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

// The fields' format with as many significant digits as the value needs to read back
// as the same double, and no more (17 at most): "0.1", "5E-5", "0.30000000000000004".
std::string ExactText(double value, char decimalSeparator);

// G(p, e): at most p significant digits, trailing zeros dropped, plain notation when
// the rounded value has at most p integer digits and a magnitude of at least 0.00001,
// otherwise mantissa, "E", sign and an exponent of at least e digits.
std::string FormatGeneral(double value, int precision, int exponentDigits, char decimalSeparator);

// A value beside an estimate of its error, as people read the pair: the error to one
// significant digit and the value to the same decimal place ("6.9396" and "0.0006"
// for 6.939553 and -0.00058). An error of 0, one that is not finite, or one below
// the value's 12th digit (rounding, not an error) gives the value to 12 significant
// digits and the error "0".
struct ValueAndError {
  std::string value, error;
};
ValueAndError RoundToError(double value, double error, char decimalSeparator);

}  // namespace orv
