// What START does after uncovering the chart buttons: the run, the results file,
// the default chart. A fault ends it where it happens.
#pragma once

#include <string>

#include "haupt/chart_engine.h"
#include "base/flight_data.h"
#include "haupt/results_file.h"

namespace orv {

void StartFlight(SharedState& state, ChartHost& host, char decimalSeparator,
                 const std::string& resultsPath = kResultsFileName);

}  // namespace orv
