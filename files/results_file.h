// Orvantis_500.txt: the fixed-width table of the 500 sample rows.
#pragma once

#include <string>

#include "base/flight_data.h"
#include "files/file_ops.h"

namespace orv {

inline constexpr const char* kResultsFileName = "Orvantis_500.txt";

// Writes the table to `path` (relative to the current folder by default) through
// WriteFileSafely. Throws InOutFault with the text of the failure; a previous file at
// `path` stays intact.
void WriteResultsFile(const SharedState& state, const std::string& path = kResultsFileName,
                      FileOps& ops = SystemFileOps());

}  // namespace orv
