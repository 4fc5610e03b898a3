// orvantis-cli spread: Monte Carlo draws of the launch around its inputs, and the
// chance that a launch so spread hits a target of a given radius.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cli/input_options.h"
#include "flight/flight_method.h"
#include "flight/spread.h"

namespace orv::cli {

struct SpreadOptions {
  std::string at;               // "X,H"
  std::vector<std::string> sd;  // "NAME=S"
  std::string radius;           // empty: the default
  std::int64_t draws = 10000;
  std::uint64_t seed = 0;
  bool aim = false;
  bool json = false;
  std::string csvPath;
  bool decimalComma = false;
  int jobs = 0;
};

// Returns the exit code: 0 done, 1 with --aim a target out of reach or an output that
// failed, 130 or 143 stopped; throws UsageError.
int ExecuteSpread(const InputOptions& inputOptions, const MethodChoice& method, const SpreadOptions& options);

}  // namespace orv::cli
