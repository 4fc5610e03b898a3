#include "flight/compared_flight.h"

#include <memory>

#include "flight/flight_summary.h"
#include "flight/start_flight.h"

namespace orv {

ComparedRun FlyComparedRun(const FlightInputs& inputs, const MethodChoice& method, int number,
                           char decimalSeparator, RunControl* control) {
  auto state = std::make_unique<SharedState>();
  ApplyInputs(inputs, state->fd);
  StartFlight(*state, method, control, ResultsSink{});
  return CaptureRun(*state, number, RunInputsOf(inputs, decimalSeparator));
}

std::string ComparisonNote(const MethodChoice& method) { return MethodText(method); }

}  // namespace orv
