#include "files/results_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include "base/sample_columns.h"

namespace orv {
namespace {

constexpr const char* kLineEnd = "\r\n";

constexpr ResultsField kRowNumberField{0, 6, 2};  // j, before every column's field

// Whether |value| lies exactly halfway between two numbers of `decimals` places: the
// halfway points that a double can hold are the odd multiples of 2^-(decimals + 1).
bool IsTie(double value, int decimals) {
  const double scaled = std::ldexp(std::fabs(value), decimals + 1);  // exact
  return scaled == std::floor(scaled) && std::fmod(scaled, 2.0) == 1.0;
}

// Writes |value| with `decimals` places, halves rounded away from zero, into `buf`;
// returns the end. Apart from a tie the nearest number is unique and to_chars gives
// it; a tie has exactly one more place, a 5, which rounds the last place up.
char* RoundedDigits(double value, int decimals, char* buf, char* end) {
  const bool tie = IsTie(value, decimals);
  char* last =
      std::to_chars(buf, end, std::fabs(value), std::chars_format::fixed, decimals + (tie ? 1 : 0)).ptr;
  if (!tie) return last;
  --last;                     // drop the 5
  if (decimals == 0) --last;  // and the point before it
  for (char* k = last; k-- > buf;) {
    if (*k == '.') continue;
    if (*k != '9') {
      ++*k;
      return last;
    }
    *k = '0';
  }
  // All nines: one more integer digit in front.
  std::copy_backward(buf, last, last + 1);
  *buf = '1';
  return last + 1;
}

}  // namespace

void AppendFixed(std::string& out, double value, int width, int decimals) {
  char buf[400];                 // 309 integer digits of the largest double, a point and the places
  char* const digits = buf + 1;  // room for the sign
  char* begin = digits;
  char* end;
  if (std::isfinite(value)) {
    end = RoundedDigits(value, decimals, digits, buf + sizeof buf - 1);
    const bool zero = std::all_of(digits, end, [](char c) { return c == '0' || c == '.'; });
    if (std::signbit(value) && !zero) *--begin = '-';
  } else {
    const char* text = std::isnan(value) ? "NAN" : value < 0 ? "-INF" : "INF";
    end = std::copy(text, text + std::strlen(text), digits);
  }
  const int length = static_cast<int>(end - begin);
  if (length < width) out.append(static_cast<std::size_t>(width - length), ' ');
  out.append(begin, end);
}

std::string ResultsHeader(const FlightData& fd) {
  std::string header = kResultsHeader;
  for (const Col column : ExportColumns()) {
    const ColumnInfo& info = ColumnInfoOf(column);
    if (info.file.position == 0) break;
    if (UnitLevel(info, fd) == 0) continue;
    const std::string base = std::string(info.symbol) + "," + info.unit;
    const std::string scaled = std::string(info.symbol) + "," + std::string(ScaledUnit(column, fd));
    // The label stands between blanks; a longer one takes blanks before it.
    const std::size_t at = header.find(" " + base + " ");
    if (at == std::string::npos) continue;
    const std::size_t end = at + 1 + base.size();
    const std::size_t width = std::min(std::max(base.size(), scaled.size()), end);
    header.replace(end - width, width, std::string(width - std::min(width, scaled.size()), ' ') + scaled);
  }
  return header;
}

std::string FormatResultsTable(const SharedState& state) {
  const std::string& sep = state.FieldSeparator;
  const int rows = std::clamp(state.SampleRows, 0, kSampleRowsMax);
  std::string out;
  out.reserve(static_cast<std::size_t>(rows + 3) * 96);
  out += " ";
  out += kLineEnd;
  out += ResultsHeader(state.fd);
  out += kLineEnd;
  out += " ";
  out += kLineEnd;
  for (int row = 1; row <= rows; ++row) {
    out += sep;
    AppendFixed(out, row, kRowNumberField.width, kRowNumberField.decimals);
    // The export order starts with the file's columns, in the file's order.
    for (const Col column : ExportColumns()) {
      const ResultsField& f = ColumnInfoOf(column).file;
      if (f.position == 0) break;
      out += sep;
      AppendFixed(out, state.Sample(column, row), f.width, f.decimals);
    }
    out += sep;
    out += sep;
    out += kLineEnd;
  }
  return out;
}

}  // namespace orv
