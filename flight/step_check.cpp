#include "flight/step_check.h"

#include <exception>
#include <memory>
#include <thread>

#include "base/errors.h"
#include "flight/flight_run.h"

namespace orv {

FlightSummary FlySummary(const FlightData& start, RunControl* control) {
  auto state = std::make_unique<SharedState>();
  state->fd = start;
  const std::int64_t steps = RunFlight(*state, control);
  return Summarize(*state, steps);
}

FlightData WithHalfStep(const FlightData& start) {
  FlightData half = start;
  half.dt0() /= 2;
  return half;
}

StepCheck CheckTimeStep(const FlightData& start, RunControl* control) {
  StepCheck check;
  std::exception_ptr fullFault;
  // The run at dt / 2 takes twice the steps, so it is the one `control` follows; the
  // run at dt stops with it.
  RunControl full;
  {
    std::jthread fullRun([&] {
      try {
        check.atStep = FlySummary(start, &full);
      } catch (...) {
        fullFault = std::current_exception();
      }
    });
    try {
      check.atHalfStep = FlySummary(WithHalfStep(start), control);
    } catch (const RunCancelled&) {
      full.cancel.store(true, std::memory_order_relaxed);
      throw;
    } catch (...) {
      fullRun.join();  // a fault of the run at dt comes first
      if (fullFault) std::rethrow_exception(fullFault);
      throw;
    }
  }
  if (fullFault) std::rethrow_exception(fullFault);
  return check;
}

}  // namespace orv
