#include "flight/sweep_rows.h"

namespace orv {

std::string SweepHeaderText(std::span<const Input> varied, CsvStyle style) {
  std::string header;
  for (const Input input : varied) {
    const InputInfo& info = InfoOf(input);
    std::string heading = info.name;
    if (*info.csvUnit) heading += std::string(" [") + info.csvUnit + "]";
    AppendCsvField(header, heading, style);
    header += style.separator;
  }
  header += "steps per pass";
  for (const SummaryValue& v : SummaryValues()) {
    header += style.separator;
    AppendCsvField(header, std::string(v.label) + " [" + std::string(v.Unit()) + "]", style);
  }
  header += style.separator;
  header += "fault";
  header += kCsvLineEnd;
  return header;
}

void AppendSweepRow(std::string& row, std::span<const double> variedValues, const FlightSummary* summary,
                    std::string_view fault, CsvStyle style) {
  for (const double value : variedValues) {
    AppendCsvNumber(row, value, style);
    row += style.separator;
  }
  if (!summary) {
    for (std::size_t k = 0; k <= SummaryValues().size(); ++k) row += style.separator;
    AppendCsvField(row, fault, style);
    row += kCsvLineEnd;
    return;
  }
  AppendCsvNumber(row, static_cast<double>(summary->stepsPerPass), style);
  for (const SummaryValue& v : SummaryValues()) {
    row += style.separator;
    AppendCsvNumber(row, (*summary).*v.member, style);
  }
  row += style.separator;
  row += kCsvLineEnd;
}

}  // namespace orv
