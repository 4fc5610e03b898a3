#include "haupt/results_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace orv {
namespace {

constexpr const char* kLineEnd = "\r\n";

struct FieldFormat {
  int column;  // sample column, or -1 for the row number
  int width;
  int decimals;
};

constexpr FieldFormat kFields[] = {
    {-1, 6, 2},   // j
    {0, 8, 2},    // t
    {7, 6, 2},    // X
    {3, 5, 1},    // H
    {1, 5, 1},    // V
    {2, 5, 1},    // E
    {4, 5, 1},    // Q in degrees
    {16, 10, 1},  // m
    {5, 12, 1},   // minus the drag force
};

// Digits of |value| with `decimals` places, rounded halves away from zero. The exact
// decimal expansion is taken 30 places further: a double that is not itself a tie
// lies much further than 1e-30 from one, so the digit after the last place decides.
std::string RoundedDigits(double value, int decimals) {
  char buf[400];  // 309 integer digits of the largest double, a point, 32 places
  const auto res =
      std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed, decimals + 30);
  std::string text(buf, res.ptr);
  const std::size_t point = text.find('.');
  const bool roundUp = text[point + 1 + static_cast<std::size_t>(decimals)] >= '5';
  text.resize(decimals > 0 ? point + 1 + static_cast<std::size_t>(decimals) : point);
  if (roundUp) {
    std::size_t k = text.size();
    while (k > 0) {
      --k;
      if (text[k] == '.') continue;
      if (text[k] != '9') {
        ++text[k];
        break;
      }
      text[k] = '0';
      if (k == 0) text.insert(text.begin(), '1');
    }
  }
  return text;
}

}  // namespace

void AppendFixed(std::string& out, double value, int width, int decimals) {
  std::string text;
  if (std::isfinite(value)) {
    text = RoundedDigits(value, decimals);
    const bool zero = text.find_first_not_of("0.") == std::string::npos;
    if (std::signbit(value) && !zero) text.insert(text.begin(), '-');
  } else {
    text = std::isnan(value) ? "NAN" : (value < 0 ? "-INF" : "INF");
  }
  if (static_cast<int>(text.size()) < width) out.append(static_cast<std::size_t>(width) - text.size(), ' ');
  out += text;
}

std::string FormatResultsTable(const SharedState& state) {
  const std::string& sep = state.FieldSeparator;
  const int rows = std::clamp(state.SampleRows, 0, kSampleRowsMax);
  std::string out;
  out.reserve(static_cast<std::size_t>(rows + 3) * 96);
  out += " ";
  out += kLineEnd;
  out += kResultsHeader;
  out += kLineEnd;
  out += " ";
  out += kLineEnd;
  for (int row = 1; row <= rows; ++row) {
    for (const FieldFormat& f : kFields) {
      out += sep;
      AppendFixed(out, f.column < 0 ? row : state.Sample(f.column, row), f.width, f.decimals);
    }
    out += sep;
    out += sep;
    out += kLineEnd;
  }
  return out;
}

}  // namespace orv
