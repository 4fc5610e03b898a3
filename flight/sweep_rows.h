// The CSV of a sweep: a heading line, then one row per run in grid order with the
// varied inputs, the run's summary and the fault text of a run that faulted. The
// command line's sweep and the window's write it through these, so the same grid
// gives the same bytes.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "base/input_table.h"
#include "files/csv_text.h"
#include "flight/flight_summary.h"

namespace orv {

// The varied inputs, the summary values, "fault"; ends in CR LF.
std::string SweepHeaderText(std::span<const Input> varied, CsvStyle style);

// One run's row, ending in CR LF: its values of the varied inputs, then its summary,
// or, when `summary` is null, empty fields and the fault's text.
void AppendSweepRow(std::string& row, std::span<const double> variedValues, const FlightSummary* summary,
                    std::string_view fault, CsvStyle style);

}  // namespace orv
