// orvantis-cli optimize: the value of one input that makes a summary figure
// greatest or smallest, and the run's summary there.
#pragma once

#include <string>

#include "cli/input_options.h"
#include "flight/flight_method.h"

namespace orv::cli {

struct OptimizeOptions {
  std::string maximize, minimize;  // the figure's name; exactly one is given
  std::string over;                // NAME=FROM:TO
  std::string tolerance;           // in the input's unit; empty: the default
  int jobs = 0;                    // 0: UsableProcessors()
  bool json = false;
};

// Returns the exit code: 0 found, 1 every grid point faulted, 130 Ctrl+C (143
// SIGTERM); throws
// UsageError.
int ExecuteOptimize(const InputOptions& inputOptions, const MethodChoice& method,
                    const OptimizeOptions& options);

// "range, flight_time, ...": the names --maximize and --minimize take.
std::string ResultNames();

}  // namespace orv::cli
