// The input options every command shares: one per quantity and --params FILE.
// Later sources win: the defaults, then the parameter file, then the options.
#pragma once

#include <CLI/CLI.hpp>
#include <array>
#include <string>

#include "cli/flight_inputs.h"

namespace orv::cli {

class InputOptions {
 public:
  void AddTo(CLI::App& command);

  // Whether the option of `input` was given on the command line.
  bool Given(Input input) const;

  // The values in force; a UsageError for a value that is not a number.
  FlightInputs Resolve() const;

 private:
  std::array<std::string, kInputCount> texts_;
  std::array<CLI::Option*, kInputCount> options_{};
  std::string paramsPath_;
};

}  // namespace orv::cli
