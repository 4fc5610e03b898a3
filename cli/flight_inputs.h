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

}  // namespace orv::cli
