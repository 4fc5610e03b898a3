// The pieces of a CSV text (RFC 4180): numbers as the shortest text that reads back
// to the same double, fields quoted where they need it, lines ending in CR LF.
// Spreadsheets under German or Russian settings expect semicolons between fields and
// a decimal comma; the style says which.
#pragma once

#include <string>
#include <string_view>

namespace orv {

struct CsvStyle {
  char separator = ',';
  char decimal = '.';
};

inline constexpr CsvStyle kCsvPoint{',', '.'};
inline constexpr CsvStyle kCsvDecimalComma{';', ','};
inline constexpr std::string_view kCsvLineEnd = "\r\n";

inline CsvStyle CsvStyleFor(bool decimalComma) { return decimalComma ? kCsvDecimalComma : kCsvPoint; }

// std::to_chars' shortest round-trip text ("0.1", "1e-05", "-inf", "nan"), with the
// style's decimal separator.
void AppendCsvNumber(std::string& out, double value, CsvStyle style);

// The text as one field: in double quotes, with inner quotes doubled, when it holds
// the separator, a quote or a line break.
void AppendCsvField(std::string& out, std::string_view text, CsvStyle style);

}  // namespace orv
