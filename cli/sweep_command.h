// orvantis-cli sweep: every combination of the varied inputs, one CSV row per run on
// standard output.
#pragma once

#include <string>
#include <vector>

#include "cli/input_options.h"
#include "cli/sweep_grid.h"
#include "flight/flight_method.h"

namespace orv::cli {

struct SweepOptions {
  std::vector<std::string> vary;  // NAME=FROM:TO:STEP, in grid order
  int jobs = 0;                   // 0: UsableProcessors()
  std::string shard;              // "K/N"; empty: the whole grid
  std::string resumePath;         // --resume: the rows go there, after those it holds
  bool count = false;             // print the runs and fly none
  bool noHeader = false;
  bool decimalComma = false;
};

// Returns the exit code.
int ExecuteSweep(const InputOptions& inputOptions, const MethodChoice& method, const SweepOptions& options);

}  // namespace orv::cli
