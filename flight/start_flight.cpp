#include "flight/start_flight.h"

#include "base/errors.h"
#include "charts/chart_catalogue.h"
#include "flight/flight_run.h"

namespace orv {

std::int64_t RunFlightAndWriteResults(SharedState& state, RunControl* control,
                                      const std::string& resultsPath) {
  const std::int64_t steps = RunFlight(state, control);
  // The run may have ended just as the user cancelled: nothing is written then.
  if (control && control->cancel.load(std::memory_order_relaxed)) throw RunCancelled();
  WriteResultsFile(state, resultsPath);
  return steps;
}

void StartFlight(SharedState& state, ChartHost& host, char decimalSeparator, const std::string& resultsPath) {
  RunFlightAndWriteResults(state, nullptr, resultsPath);
  DrawChart(state, DefaultChartRequest(), host, decimalSeparator);
}

}  // namespace orv
