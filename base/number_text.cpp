#include "base/number_text.h"

#include <locale.h>
#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>

#include "base/errors.h"

namespace orv {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// strtod follows LC_NUMERIC, which the window toolkit sets from the user's locale;
// the canonical text built below always uses a point, so parse it in the C locale.
double ParseCanonical(const std::string& canonical, bool& overflow) {
  static locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
  double v = strtod_l(canonical.c_str(), nullptr, cLocale);
  overflow = std::isinf(v);
  return v;
}

std::string ConvertMessage(std::string_view text) {
  std::string quoted = "'";
  quoted.append(text);
  quoted += "'";
  return NotANumberMessage(quoted);
}

struct Decimal {
  bool negative = false;
  std::string digits;  // significant digits, no trailing zeros, at least one
  int exponent = 0;    // value = d.ddd * 10^exponent
};

// Rounds |value| to `precision` significant digits, halves away from zero as people
// round on paper (12345 -> 1.235E+04). value must be finite and non-zero.
Decimal ToDecimal(double value, int precision) {
  // 30 digits are far beyond a double's 17, so a tie seen here is a tie of the value.
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 29);
  std::string_view s(buf, static_cast<std::size_t>(res.ptr - buf));
  Decimal d;
  std::size_t i = 0;
  if (s[i] == '-') {
    d.negative = true;
    ++i;
  }
  const std::size_t e = s.find('e');
  std::string all;
  for (std::size_t k = i; k < e; ++k)
    if (IsDigit(s[k])) all += s[k];
  std::from_chars(s.data() + e + (s[e + 1] == '+' ? 2 : 1), s.data() + s.size(), d.exponent);
  d.digits = all.substr(0, static_cast<std::size_t>(precision));
  if (all[static_cast<std::size_t>(precision)] >= '5') {
    int k = precision - 1;
    while (k >= 0 && d.digits[k] == '9') d.digits[k--] = '0';
    if (k >= 0) {
      ++d.digits[k];
    } else {  // 9.99.. rounded up to 10.0..
      d.digits.insert(d.digits.begin(), '1');
      d.digits.pop_back();
      ++d.exponent;
    }
  }
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

std::string Plain(const Decimal& d, char sep) {
  std::string out = d.negative ? "-" : "";
  const int n = static_cast<int>(d.digits.size());
  if (d.exponent >= 0) {
    for (int k = 0; k <= d.exponent; ++k) out += k < n ? d.digits[k] : '0';
    if (n > d.exponent + 1) {
      out += sep;
      out.append(d.digits, static_cast<std::size_t>(d.exponent + 1));
    }
  } else {
    out += '0';
    out += sep;
    out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
    out += d.digits;
  }
  return out;
}

std::string Scientific(const Decimal& d, char sep, int exponentDigits, bool plusSign) {
  std::string out = d.negative ? "-" : "";
  out += d.digits[0];
  if (d.digits.size() > 1) {
    out += sep;
    out.append(d.digits, 1);
  }
  out += 'E';
  if (d.exponent < 0)
    out += '-';
  else if (plusSign)
    out += '+';
  std::string exp = std::to_string(std::abs(d.exponent));
  if (static_cast<int>(exp.size()) < exponentDigits) out.append(exponentDigits - exp.size(), '0');
  return out + exp;
}

std::string NonFinite(double value) {
  if (std::isnan(value)) return "NAN";
  return value > 0 ? "INF" : "-INF";
}

}  // namespace

std::string NotANumberMessage(std::string_view quotedText) {
  return std::string(quotedText) + " is not a valid floating point value";
}

bool TryTextToFloat(std::string_view text, char sep, double& dest) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  std::string canonical;
  if (i < n && (text[i] == '+' || text[i] == '-')) canonical += text[i++];
  std::string intDigits, fracDigits;
  while (i < n && IsDigit(text[i])) intDigits += text[i++];
  bool hasSeparator = false;
  if (i < n && text[i] == sep) {
    hasSeparator = true;
    ++i;
    while (i < n && IsDigit(text[i])) fracDigits += text[i++];
  }
  if (intDigits.empty() && !hasSeparator) return false;  // empty text, lone sign, "E5"
  canonical += intDigits.empty() ? "0" : intDigits;
  canonical += '.';
  canonical += fracDigits.empty() ? "0" : fracDigits;
  if (i < n && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    canonical += 'e';
    if (i < n && (text[i] == '+' || text[i] == '-')) canonical += text[i++];
    std::size_t start = i;
    while (i < n && IsDigit(text[i])) canonical += text[i++];
    if (i == start) return false;
  }
  while (i < n && text[i] == ' ') ++i;
  if (i != n) return false;
  bool overflow = false;
  double v = ParseCanonical(canonical, overflow);
  if (overflow) return false;
  dest = v;
  return true;
}

void TextToFloat(std::string_view text, char sep, double& dest) {
  if (!TryTextToFloat(text, sep, dest)) throw ConvertFault(ConvertMessage(text));
}

std::string FloatToText(double value, char sep) {
  if (!std::isfinite(value)) return NonFinite(value);
  if (value == 0) return "0";
  Decimal d = ToDecimal(value, 15);
  if (d.exponent < -4 || d.exponent >= 15) return Scientific(d, sep, 0, false);
  return Plain(d, sep);
}

std::string ExactText(double value, char sep) {
  if (!std::isfinite(value)) return NonFinite(value);
  if (value == 0) return "0";
  // The shortest scientific text that reads back exactly: its digits and exponent.
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
  const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const std::size_t e = text.find('e');
  Decimal d;
  d.negative = value < 0;
  for (char c : text.substr(0, e))
    if (c >= '0' && c <= '9') d.digits += c;
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), d.exponent);
  if (d.exponent < -4 || d.exponent >= 15) return Scientific(d, sep, 0, false);
  return Plain(d, sep);
}

std::string FormatGeneral(double value, int precision, int exponentDigits, char sep) {
  if (!std::isfinite(value)) return NonFinite(value);
  if (value == 0) return "0";
  Decimal d = ToDecimal(value, precision);
  if (d.exponent < -5 || d.exponent >= precision) return Scientific(d, sep, exponentDigits, true);
  return Plain(d, sep);
}

namespace {

constexpr int kMostDigits = 12;  // beyond, a difference is rounding, not an error

// `value` with `decimals` digits after the separator, never "-0.00".
std::string Fixed(double value, int decimals, char sep) {
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  std::string text(buffer, result.ptr);
  if (text.find_first_not_of("-0.") == std::string::npos && text[0] == '-') text.erase(0, 1);
  if (const std::size_t point = text.find('.'); point != std::string::npos) text[point] = sep;
  return text;
}

}  // namespace

ValueAndError RoundToError(double value, double error, char sep) {
  const double size = std::fabs(error);
  if (!std::isfinite(value)) return {FloatToText(value, sep), "0"};
  if (!(size > 0) || !std::isfinite(size)) return {FormatGeneral(value, kMostDigits, 2, sep), "0"};
  int place = static_cast<int>(std::floor(std::log10(size)));  // of the error's first digit
  double digit = std::round(size / std::pow(10.0, place));
  if (digit >= 10) {
    digit = 1;
    ++place;
  }
  const int valuePlace = value == 0 ? place : static_cast<int>(std::floor(std::log10(std::fabs(value))));
  if (valuePlace - place >= kMostDigits) return {FormatGeneral(value, kMostDigits, 2, sep), "0"};
  const double unit = std::pow(10.0, place);
  if (place >= kMostDigits || std::fabs(value) >= 1e15)  // whole numbers too long to read
    return {FormatGeneral(value, std::max(valuePlace - place + 1, 1), 2, sep),
            FormatGeneral(digit * unit, 1, 2, sep)};
  if (place >= 0) return {Fixed(std::round(value / unit) * unit, 0, sep), Fixed(digit * unit, 0, sep)};
  return {Fixed(value, -place, sep), Fixed(digit * unit, -place, sep)};
}

}  // namespace orv
