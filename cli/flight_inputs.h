// The inputs of one flight as the command line reads them. What the inputs are,
// their names and defaults, and how they reach the parameter set is the input
// table's (base/input_table.h).
#pragma once

#include <string_view>

#include "base/input_table.h"

namespace orv::cli {

// A value as the main window's fields read it, with a point for the decimal
// separator whatever the locale. Throws UsageError "<where>: '<text>' is not a
// valid floating point value".
double ParseInputValue(std::string_view where, std::string_view text);

// A range FROM..TO of input `input` that a command searches or sweeps through: a
// UsageError "<where>: ..." when an end is not finite, FROM is not less than TO, the
// width TO - FROM overflows, or, for the launch angle, an end lies outside (-90, 90)
// degrees (straight up or down the path angle's equation has no launch to aim).
void CheckInputRange(std::string_view where, Input input, double from, double to);

}  // namespace orv::cli
