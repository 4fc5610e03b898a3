#include "base/decimal_grid.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "base/number_text.h"

namespace orv {
namespace {

// A decimal text as an integer times a power of ten.
struct Decimal {
  std::int64_t mantissa = 0;
  int exponent = 0;
};

constexpr int kMaxDigits = 17;  // below 10^17, inside int64 with room to scale

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Exact for texts the field rule accepts with at most kMaxDigits significant digits.
std::optional<Decimal> ExactDecimal(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  Decimal d;
  int digits = 0;
  bool fraction = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '.') {
      fraction = true;
    } else if (IsDigit(c)) {
      if (d.mantissa == 0 && c == '0') {
        if (fraction) --d.exponent;
        continue;
      }
      if (++digits > kMaxDigits) return std::nullopt;
      d.mantissa = d.mantissa * 10 + (c - '0');
      if (fraction) --d.exponent;
    } else {
      break;
    }
  }
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool expNegative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) expNegative = text[i++] == '-';
    int e = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
      e = e * 10 + (text[i] - '0');
      if (e > 400) return std::nullopt;
    }
    d.exponent += expNegative ? -e : e;
  }
  if (negative) d.mantissa = -d.mantissa;
  return d;
}

constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kLargestExactPower = 22;
constexpr std::int64_t kLargestExactInteger = std::int64_t{1} << 53;

// The three texts on one power of ten: FROM + i STEP is then exact integer arithmetic
// and one correctly rounded operation turns it into the double of its decimal text.
struct ExactRange {
  std::int64_t from, to, step;
  int exponent;
};

std::optional<ExactRange> OnCommonExponent(Decimal from, Decimal to, Decimal step) {
  const int e = std::min({from.exponent, to.exponent, step.exponent});
  if (e < -kLargestExactPower) return std::nullopt;
  std::int64_t scaled[3];
  const Decimal parts[3] = {from, to, step};
  for (int k = 0; k < 3; ++k) {
    const int shift = parts[k].exponent - e;
    if (shift > kLargestExactPower) return std::nullopt;
    const double v = static_cast<double>(parts[k].mantissa) * kPowersOfTen[shift];
    if (std::fabs(v) >= static_cast<double>(kLargestExactInteger)) return std::nullopt;
    scaled[k] = parts[k].mantissa;
    for (int s = 0; s < shift; ++s) scaled[k] *= 10;
  }
  if (e > 0 && e > kLargestExactPower) return std::nullopt;
  return ExactRange{scaled[0], scaled[1], scaled[2], e};
}

double ExactValue(std::int64_t n, int exponent) {
  const double v = static_cast<double>(n);  // exact below 2^53
  return exponent < 0 ? v / kPowersOfTen[-exponent] : v * kPowersOfTen[exponent];
}

}  // namespace

std::vector<double> DecimalGrid(std::string_view fromText, std::string_view toText,
                                std::string_view stepText) {
  std::vector<double> values;
  const auto f = ExactDecimal(fromText), t = ExactDecimal(toText), s = ExactDecimal(stepText);
  const auto exact = f && t && s ? OnCommonExponent(*f, *t, *s) : std::nullopt;
  if (exact) {
    const std::int64_t count = (exact->to - exact->from) / exact->step + 1;
    values.reserve(static_cast<std::size_t>(count));
    for (std::int64_t i = 0; i < count; ++i)
      values.push_back(ExactValue(exact->from + i * exact->step, exact->exponent));
    return values;
  }
  // Texts of too many digits: the nearest double arithmetic, with TO kept when the
  // last step lands within rounding of it.
  double from = 0, to = 0, step = 0;
  TextToFloat(fromText, '.', from);
  TextToFloat(toText, '.', to);
  TextToFloat(stepText, '.', step);
  const double span = (to - from) / step;
  const auto count = static_cast<std::int64_t>(std::floor(span * (1 + 1e-12))) + 1;
  for (std::int64_t i = 0; i < count; ++i) values.push_back(from + static_cast<double>(i) * step);
  return values;
}

}  // namespace orv
