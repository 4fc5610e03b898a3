// The text of Orvantis_500.txt and its writing through replaceable file operations.
#pragma once

#include <string>

#include "base/flight_data.h"
#include "haupt/file_ops.h"

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

// WriteResultsFile with the given file operations, written by WriteFileSafely.
void WriteResultsFile(const SharedState& state, const std::string& path, FileOps& ops);

}  // namespace orv
