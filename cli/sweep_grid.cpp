#include "cli/sweep_grid.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

#include "cli/usage_error.h"

namespace orv::cli {
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

[[noreturn]] void Fail(std::string_view option, const std::string& why) {
  throw UsageError("--vary " + std::string(option) + ": " + why);
}

}  // namespace

std::string InputNames() {
  std::string names;
  for (const InputInfo& info : InputTable()) names += (names.empty() ? "" : ", ") + std::string(info.name);
  return names;
}

VaryAxis ParseVary(std::string_view option) {
  const std::size_t equals = option.find('=');
  const std::size_t colon1 = option.find(':', equals);
  const std::size_t colon2 = colon1 == std::string_view::npos ? colon1 : option.find(':', colon1 + 1);
  if (equals == std::string_view::npos || colon2 == std::string_view::npos ||
      option.find(':', colon2 + 1) != std::string_view::npos)
    throw UsageError("--vary: expected NAME=FROM:TO:STEP, not '" + std::string(option) + "'");
  const std::string_view name = option.substr(0, equals);
  const std::optional<Input> input = FindInput(name);
  if (!input) Fail(option, "no input is called '" + std::string(name) + "' (one of " + InputNames() + ")");

  const std::string_view texts[3] = {option.substr(equals + 1, colon1 - equals - 1),
                                     option.substr(colon1 + 1, colon2 - colon1 - 1),
                                     option.substr(colon2 + 1)};
  const std::string where = "--vary " + std::string(name);
  const double from = ParseInputValue(where, texts[0]);
  const double to = ParseInputValue(where, texts[1]);
  const double step = ParseInputValue(where, texts[2]);
  if (step == 0) Fail(option, "STEP must not be 0");
  if ((to - from) * step < 0)
    Fail(option,
         std::string("STEP must be ") + (step > 0 ? "negative" : "positive") + " to go from FROM to TO");
  const double span = (to - from) / step;
  if (!(span < static_cast<double>(kMaxSweepRuns)))
    Fail(option, "more than " + std::to_string(kMaxSweepRuns) + " values");

  VaryAxis axis{*input, {}};
  const auto f = ExactDecimal(texts[0]), t = ExactDecimal(texts[1]), s = ExactDecimal(texts[2]);
  const auto exact = f && t && s ? OnCommonExponent(*f, *t, *s) : std::nullopt;
  if (exact) {
    const std::int64_t count = (exact->to - exact->from) / exact->step + 1;
    axis.values.reserve(static_cast<std::size_t>(count));
    for (std::int64_t i = 0; i < count; ++i)
      axis.values.push_back(ExactValue(exact->from + i * exact->step, exact->exponent));
  } else {
    // Texts of too many digits: the nearest double arithmetic, with TO kept when the
    // last step lands within rounding of it.
    const auto count = static_cast<std::int64_t>(std::floor(span * (1 + 1e-12))) + 1;
    for (std::int64_t i = 0; i < count; ++i) axis.values.push_back(from + static_cast<double>(i) * step);
  }
  return axis;
}

std::int64_t GridSize(const std::vector<VaryAxis>& axes) {
  std::int64_t runs = 1;
  for (const VaryAxis& axis : axes) {
    runs *= static_cast<std::int64_t>(axis.values.size());
    if (runs > kMaxSweepRuns)
      throw UsageError("--vary: the grid has more than " + std::to_string(kMaxSweepRuns) +
                       " runs; split the study or use larger steps");
  }
  return runs;
}

void SetGridPoint(const std::vector<VaryAxis>& axes, std::int64_t index, FlightInputs& inputs) {
  for (auto axis = axes.rbegin(); axis != axes.rend(); ++axis) {
    const auto n = static_cast<std::int64_t>(axis->values.size());
    inputs[static_cast<std::size_t>(axis->input)] = axis->values[static_cast<std::size_t>(index % n)];
    index /= n;
  }
}

Shard ParseShard(std::string_view text) {
  const std::size_t slash = text.find('/');
  Shard shard;
  const auto number = [](std::string_view s, std::int64_t& v) {
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    return !s.empty() && r.ec == std::errc{} && r.ptr == s.data() + s.size();
  };
  if (slash == std::string_view::npos || !number(text.substr(0, slash), shard.index) ||
      !number(text.substr(slash + 1), shard.count) || shard.count < 1 || shard.index < 1 ||
      shard.index > shard.count)
    throw UsageError("--shard: expected K/N with 1 <= K <= N, not '" + std::string(text) + "'");
  return shard;
}

std::pair<std::int64_t, std::int64_t> ShardRange(std::int64_t runs, Shard shard) {
  const auto bound = [&](std::int64_t k) {
    return static_cast<std::int64_t>(static_cast<__int128>(runs) * k / shard.count);
  };
  return {bound(shard.index - 1), bound(shard.index)};
}

}  // namespace orv::cli
