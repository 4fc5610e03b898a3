#include "flight/start_flight.h"

#include "base/errors.h"
#include "files/results_table.h"
#include "files/safe_write.h"
#include "flight/flight_run.h"

namespace orv {

std::int64_t StartFlight(SharedState& state, RunControl* control, const ResultsSink& sink) {
  const std::int64_t steps = RunFlight(state, control);
  // The run may have ended just as the user cancelled: nothing is written then.
  if (control && control->cancel.load(std::memory_order_relaxed)) throw RunCancelled();
  if (sink) sink(FormatResultsTable(state));
  return steps;
}

std::int64_t StartFlight(SharedState& state, RunControl* control, const std::string& resultsPath) {
  return StartFlight(state, control,
                     [&resultsPath](const std::string& table) { WriteFileSafely(resultsPath, table); });
}

}  // namespace orv
