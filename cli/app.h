// The command line of orvantis-cli: its commands and options (CLI11), and what each
// way of ending means as an exit code.
#pragma once

namespace orv::cli {

// Parses the command line and runs the command; returns the exit code: 0 success,
// 1 a fault, 2 a usage error, 130 Ctrl+C.
int RunCommandLine(int argc, char** argv);

}  // namespace orv::cli
