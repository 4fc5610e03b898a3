// What a run reports on the command line, in its sweeps and in the window's studies:
// steps per pass, and the end of the flight in SI base units (angles in degrees, as
// the inputs), whatever scaling the run chose for its sample table.
#pragma once

#include <cstdint>
#include <span>

#include "base/flight_data.h"

namespace orv {

struct FlightSummary {
  std::int64_t stepsPerPass = 0;
  double flightTime = 0;        // s
  double range = 0;             // m
  double greatestHeight = 0;    // m, of the launch and the recorded samples
  double endSpeed = 0;          // m/s
  double endPathAngle = 0;      // degree
  double endKineticEnergy = 0;  // J
};

// Of a finished run; `steps` are those of both passes, as RunFlight returns them.
FlightSummary Summarize(const SharedState& state, std::int64_t steps);

struct SummaryValue {
  const char* key;       // JSON key and CSV heading: "range"
  const char* label;     // for people: "range"
  const char* unit;      // "m/s"
  const char* jsonUnit;  // the unit as a JSON key's suffix: "m_s"
  double FlightSummary::*member;
};

// The values after the steps per pass, in the order they are reported.
std::span<const SummaryValue> SummaryValues();

}  // namespace orv
