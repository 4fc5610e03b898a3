// What START does after uncovering the chart buttons: the run, the results file,
// the default chart. A fault ends it where it happens.
#pragma once

#include <cstdint>
#include <string>

#include "base/flight_data.h"
#include "charts/chart_engine.h"
#include "files/results_file.h"
#include "flight/run_control.h"

namespace orv {

// The run and the results file: the part of START that may take long and so runs
// away from the window thread. With a `control`, a cancel that arrives before the
// file is begun ends it with RunCancelled and leaves the previous file as it was.
// Returns the steps of both passes, as RunFlight does.
std::int64_t RunFlightAndWriteResults(SharedState& state, RunControl* control = nullptr,
                                      const std::string& resultsPath = kResultsFileName);

void StartFlight(SharedState& state, ChartHost& host, char decimalSeparator,
                 const std::string& resultsPath = kResultsFileName);

}  // namespace orv
