#include "flight/step_check.h"

#include <exception>
#include <memory>
#include <thread>

#include "base/errors.h"

namespace orv {

namespace {

// The classic run of `start` on a state of its own.
FlightSummary FlyClassic(const FlightData& start, RunControl* control) {
  auto state = std::make_unique<SharedState>();
  return FlySummary(*state, start, MethodChoice{}, control);
}

}  // namespace

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
        check.atStep = FlyClassic(start, &full);
      } catch (...) {
        fullFault = std::current_exception();
      }
    });
    try {
      check.atHalfStep = FlyClassic(WithHalfStep(start), control);
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
