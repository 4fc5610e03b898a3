// orvantis-cli run: one flight exactly as START flies it (or with the accurate
// method), its results file, data export and charts, and a short summary.
#pragma once

#include <string>
#include <vector>

#include "cli/chart_outputs.h"
#include "cli/flight_inputs.h"
#include "files/results_file.h"
#include "flight/flight_method.h"

namespace orv::cli {

struct RunOutputs {
  std::string resultsPath = kResultsFileName;  // "-": standard output
  bool noResultsFile = false;
  std::string csvPath;  // empty: none; "-": standard output
  bool decimalComma = false;
  std::vector<ChartOutput> charts;
  bool json = false;
  bool checkStep = false;  // fly again at dt / 2 and report the step's error
};

// Checks the outputs before anything runs: a UsageError for a folder that does not
// exist or for two outputs on standard output.
void CheckRunOutputs(const RunOutputs& outputs);

// Flies with `method`, writes and reports; returns the exit code. A fault of the
// flight writes nothing; a chart that cannot be drawn costs only that chart.
int ExecuteRun(const FlightInputs& inputs, const MethodChoice& method, const RunOutputs& outputs);

}  // namespace orv::cli
