// orvantis-cli compare: up to eight cases, each a few inputs set over the common
// ones, flown as run flies them and drawn in one comparison chart of one quantity
// against another, with the samples as CSV.
#pragma once

#include <string>
#include <vector>

#include "cli/input_options.h"
#include "flight/flight_method.h"

namespace orv::cli {

struct CompareOptions {
  std::vector<std::string> cases;   // "v0=35 mass=0.2", in order
  std::string x, y;                 // column names or symbols: "range", "H"
  std::vector<std::string> charts;  // paths: SVG, or PNG when it ends in .png
  std::string csvPath;              // "-": standard output; empty: none
  bool decimalComma = false;
};

// The names the quantities go by, for messages and --help: "time, speed, ...".
std::string QuantityNames();

// Returns the exit code: 0, 1 when a case faulted (the others are drawn) or an
// output could not be written, 130 or 143 after Ctrl+C or SIGTERM. Usage errors are thrown as
// UsageError before anything flies.
int ExecuteCompare(const InputOptions& inputOptions, const MethodChoice& method,
                   const CompareOptions& options);

}  // namespace orv::cli
