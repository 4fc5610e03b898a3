// How a column of the sample table looks in a chart, from the column table: the
// titles over its y axis and under the x axis, and its markers.
#pragma once

#include <string_view>

#include "base/flight_data.h"
#include "base/sample_columns.h"

namespace orv {

// The chart look of a column; a blank one (no titles, no markers) outside 0..29.
const ColumnStyle& ColumnStyleOf(int column);

// Title of the column as a plain curve under the unit flags of the last run.
std::string_view PlainTitle(int column, const FlightData& fd);

// Title under the x axis; empty for columns that have none.
std::string_view XTitle(int column, const FlightData& fd);

}  // namespace orv
