#include "files/csv_export.h"

#include <span>

#include "base/sample_columns.h"
#include "files/csv_text.h"

namespace orv {

std::string FormatCsv(const SharedState& state, bool decimalComma) {
  const CsvStyle style = CsvStyleFor(decimalComma);
  const std::span<const Col> columns = ExportColumns();
  std::string csv;
  for (std::size_t k = 0; k < columns.size(); ++k) {
    if (k > 0) csv += style.separator;
    AppendCsvField(csv, ColumnHeading(columns[k]), style);
  }
  csv += kCsvLineEnd;
  for (int row = 1; row <= state.RecordedRows; ++row) {
    for (std::size_t k = 0; k < columns.size(); ++k) {
      if (k > 0) csv += style.separator;
      AppendCsvNumber(csv, ToBaseUnit(columns[k], state.Sample(columns[k], row), state.fd), style);
    }
    csv += kCsvLineEnd;
  }
  return csv;
}

}  // namespace orv
