// The text of Orvantis_500.txt: a fixed-width table of the sample rows.
#pragma once

#include <string>

#include "base/flight_data.h"

namespace orv {

inline constexpr const char* kResultsHeader =
    "    j        t,s      X,m     H,m   V,m/s  E,J   Q,grad        m,kg         F,N   ";

// Appends `value` rounded to `decimals` places (halves away from zero), with a point
// whatever the locale, a minus sign only when the rounded value is not zero, and
// right-aligned in `width` characters; a wider number is written in full.
void AppendFixed(std::string& out, double value, int width, int decimals);

// The whole table: a blank line, the header, a blank line and one line per sample
// row, each line ending in CR LF.
std::string FormatResultsTable(const SharedState& state);

}  // namespace orv
