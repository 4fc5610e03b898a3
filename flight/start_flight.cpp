#include "flight/start_flight.h"

#include "base/errors.h"
#include "files/results_table.h"
#include "files/safe_write.h"

namespace orv {

FlightOutcome StartFlight(SharedState& state, const MethodChoice& method, RunControl* control,
                          const ResultsSink& sink) {
  const FlightOutcome outcome = FlyFlight(state, method, SampleRowsWanted::kYes, control);
  // The run may have ended just as the user cancelled: nothing is written then.
  if (control && control->cancel.load(std::memory_order_relaxed)) throw RunCancelled();
  if (sink) sink(FormatResultsTable(state));
  return outcome;
}

std::int64_t StartFlight(SharedState& state, RunControl* control, const ResultsSink& sink) {
  return StartFlight(state, MethodChoice{}, control, sink).steps;
}

std::int64_t StartFlight(SharedState& state, RunControl* control, const std::string& resultsPath) {
  // The window's START: a fifo, device or socket in the results file's place is
  // refused, never waited on.
  return StartFlight(state, control, [&resultsPath](const std::string& table) {
    WriteFileSafely(resultsPath, table, SystemFileOps(), NonRegular::kRefuse);
  });
}

}  // namespace orv
