#include "flight/step_check.h"

#include <array>
#include <exception>

#include "base/errors.h"
#include "flight/parallel_runs.h"

namespace orv {

FlightData WithHalfStep(const FlightData& start) {
  FlightData half = start;
  half.dt0() /= 2;
  return half;
}

StepCheck CheckTimeStep(const FlightData& start, RunControl* control) {
  StepCheck check;
  const std::array<FlightData, 2> starts{start, WithHalfStep(start)};
  const std::array<FlightSummary*, 2> answers{&check.atStep, &check.atHalfStep};
  std::array<std::exception_ptr, 2> faults;
  // The run at dt / 2 takes twice the steps, so it is the one `control` follows; the
  // run at dt has a control of its own, which a cancel of the other stops too.
  RunControl full, unfollowed;
  RunControl& followed = control ? *control : unfollowed;
  RunHooks hooks;
  hooks.fly = [&](std::int64_t run, std::size_t, SharedState& state) {
    const auto k = static_cast<std::size_t>(run);
    try {
      *answers[k] = FlySummary(state, starts[k], MethodChoice{}, k == 0 ? &full : &followed);
    } catch (const RunCancelled&) {
      full.cancel.store(true, std::memory_order_relaxed);
      throw;
    } catch (const Fault&) {
      faults[k] = std::current_exception();  // thrown below, in the runs' order
    }
  };
  hooks.take = [](std::int64_t, std::size_t) {};
  if (FlyInOrder(0, 2, 2, followed, hooks).cancelled) throw RunCancelled();
  for (const std::exception_ptr& fault : faults)
    if (fault) std::rethrow_exception(fault);
  return check;
}

}  // namespace orv
