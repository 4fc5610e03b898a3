// The text help2man turns into the manual page: the program's help, then each
// command's, with every group of options under a heading of its own ("Run inputs:")
// so that each becomes a section of the page.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace orv::cli {

// `last` (a paragraph of the program's footer) moves to the end, where the page's
// build makes it a section of its own.
std::string ManualText(const CLI::App& app, const std::string& last);

}  // namespace orv::cli
