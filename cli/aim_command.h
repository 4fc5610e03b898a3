// orvantis-cli aim: the launch angles that hit a target point, and the danger space;
// orvantis-cli table: the range table of one flight.
#pragma once

#include <string>

#include "cli/input_options.h"
#include "flight/aim.h"
#include "flight/flight_method.h"

namespace orv::cli {

struct AimOptions {
  std::string at;            // "X,H"
  std::string targetHeight;  // empty: no danger space
  int jobs = 0;              // 0: one per processor
  bool json = false;
};

// Returns the exit code: 0 found, 1 out of reach (the furthest reach named), 130 Ctrl+C
// (143 SIGTERM); throws UsageError.
int ExecuteAim(const InputOptions& inputOptions, const MethodChoice& method, const AimOptions& options);

struct TableOptions {
  std::string every;  // the step of range, m
  std::string to;     // empty: to the end of the flight
  std::string csvPath;
  bool decimalComma = false;
  bool json = false;
};

// Returns the exit code: 0 written, 1 the flight faulted or an output failed, 130 or
// 143 stopped; throws UsageError.
int ExecuteTable(const InputOptions& inputOptions, const MethodChoice& method, const TableOptions& options);

// "--at X,H" read and checked against the inputs in force: a UsageError for a
// target behind the launch point or below the end height.
Target ParseTarget(const std::string& at, const FlightInputs& inputs);

// The message of a target no path reaches.
std::string OutOfReachMessage(const AimResult& result);

// Threads for --jobs N (0: one per processor this process may run on).
int JobsOf(int jobs);

}  // namespace orv::cli
