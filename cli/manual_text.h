// The text help2man turns into the manual page: the program's help, then each
// command's, with every group of options under a heading of its own ("Run inputs:")
// so that each becomes a section of the page.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace orv::cli {

std::string ManualText(const CLI::App& app);

}  // namespace orv::cli
