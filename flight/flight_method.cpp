#include "flight/flight_method.h"

#include <array>

#include "flight/accurate_run.h"
#include "flight/flight_run.h"

namespace orv {
namespace {

constexpr std::array<std::string_view, 2> kNames{"euler", "rk45"};

}  // namespace

std::string_view MethodName(FlightMethod method) { return kNames[static_cast<std::size_t>(method)]; }

std::optional<FlightMethod> FindMethod(std::string_view name) {
  for (std::size_t i = 0; i < kNames.size(); ++i)
    if (kNames[i] == name) return static_cast<FlightMethod>(i);
  return std::nullopt;
}

FlightOutcome FlyFlight(SharedState& state, const MethodChoice& choice, SampleRowsWanted rows,
                        RunControl* control) {
  FlightOutcome outcome{choice, 0, 0, std::nullopt};
  if (choice.method == FlightMethod::kEuler) {
    // A study (no rows wanted) stops where the speed passes zero, as the rk45 run does.
    outcome.steps = RunFlight(state, control, SecondPass::kFromCheckpoints,
                              rows == SampleRowsWanted::kNo ? ZeroSpeed::kStop : ZeroSpeed::kFlyOn);
    outcome.stepsPerPass = outcome.steps / 2;  // both passes fly the same steps
    return outcome;
  }
  const AccurateFlight flight =
      RunAccurateFlight(state, choice.tolerance, rows == SampleRowsWanted::kYes, control);
  outcome.steps = flight.steps;
  outcome.stepsPerPass = flight.steps;
  outcome.greatestHeight = flight.greatestHeight;
  return outcome;
}

}  // namespace orv
