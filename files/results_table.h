// The text of Orvantis_500.txt: a fixed-width table of the sample rows.
#pragma once

#include <string>

#include "base/flight_data.h"

namespace orv {

// The header of a run without scaled columns.
inline constexpr const char* kResultsHeader =
    "    j        t,s      X,m     H,m   V,m/s  E,J   Q,grad        m,kg         F,N   ";

// The header of the run whose unit flags `fd` holds: a column the run scaled names
// the unit its values are in ("t,min", "X,km", "m,t"), its label ending where the
// base unit's label ends, so the header keeps its 82 characters.
std::string ResultsHeader(const FlightData& fd);

// Appends `value` rounded to `decimals` places (halves away from zero), with a point
// whatever the locale, a minus sign only when the rounded value is not zero, and
// right-aligned in `width` characters; a wider number is written in full.
void AppendFixed(std::string& out, double value, int width, int decimals);

// The whole table: a blank line, the header, a blank line and one line per sample
// row, each line ending in CR LF.
std::string FormatResultsTable(const SharedState& state);

}  // namespace orv
