// Checks of a parsed command line that hold for every command, whatever its options:
// an option's value must not be another option of the command (a forgotten value
// swallows the next option), and an unknown option or command is answered with the
// nearest real one.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace orv::cli {

// Throws UsageError when a value given to an option of `app` or of a command it
// parsed is itself one of that command's options ("--json", "--mass=0.2"). A file
// of such a name is still reachable as "./--json".
void RefuseOptionsAsValues(const CLI::App& app);

// The message for the arguments CLI11 could not place: "unknown option '--mas'; did
// you mean '--mass'?", "unexpected argument 'rn'; did you mean 'run'?".
std::string UnplacedArgumentsMessage(const CLI::App& app);

}  // namespace orv::cli
