// The data export: every sample the last run recorded as CSV, one row per recorded
// sample and one column per quantity the run fills, headed "time [s]", "range [m]",
// "path angle [deg]", ... as the column table names them. Values are in the units the
// headings name, whatever scaling to km, min or h the run chose (the results file
// keeps the scaled values), written as the shortest text that reads back to the same
// double.
#pragma once

#include <string>

#include "base/flight_data.h"

namespace orv {

// RFC 4180 (commas, a decimal point, CR LF); with `decimalComma`, semicolons and
// decimal commas as spreadsheets under German or Russian settings expect.
std::string FormatCsv(const SharedState& state, bool decimalComma);

}  // namespace orv
