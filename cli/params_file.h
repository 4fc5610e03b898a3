// A study's inputs kept in a file: a design (files/design_file.h), one "name = value"
// per line with the option names (cx, mass, v0, ...), blank lines and "#" comments.
#pragma once

#include <string>

#include "files/design_file.h"

namespace orv::cli {

using orv::InputOverrides;

// The values the text names. Throws UsageError "<file>:<line>: ..." for an unknown
// name, a name given twice, a line without "=" or a value that is not a number.
InputOverrides ParseParams(const std::string& text, const std::string& fileName);

// ParseParams of the file's contents; a file that cannot be read is a UsageError.
InputOverrides ReadParamsFile(const std::string& path);

}  // namespace orv::cli
