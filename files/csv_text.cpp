#include "files/csv_text.h"

#include <algorithm>
#include <charconv>

namespace orv {

void AppendCsvNumber(std::string& out, double value, CsvStyle style) {
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  if (style.decimal != '.') std::replace(buffer, end, '.', style.decimal);
  out.append(buffer, end);
}

void AppendCsvField(std::string& out, std::string_view text, CsvStyle style) {
  if (text.find_first_of(std::string{style.separator, '"', '\r', '\n'}) == std::string_view::npos) {
    out += text;
    return;
  }
  out += '"';
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace orv
