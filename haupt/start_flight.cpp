#include "haupt/start_flight.h"

#include "haupt/chart_catalogue.h"
#include "haupt/flight_run.h"

namespace orv {

void StartFlight(SharedState& state, ChartHost& host, char decimalSeparator, const std::string& resultsPath) {
  RunFlight(state);
  WriteResultsFile(state, resultsPath);
  DrawChart(state, DefaultChartRequest(), host, decimalSeparator);
}

}  // namespace orv
