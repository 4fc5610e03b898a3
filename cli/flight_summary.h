// What a run reports on the command line: the method that flew it, steps per pass,
// and the end of the flight in SI base units (angles in degrees, as the inputs),
// whatever scaling the run chose for its sample table.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "base/flight_data.h"
#include "flight/flight_method.h"

namespace orv::cli {

struct FlightSummary {
  MethodChoice method;
  std::int64_t stepsPerPass = 0;
  double flightTime = 0;        // s
  double range = 0;             // m
  double greatestHeight = 0;    // m, of the launch and the recorded samples
  double endSpeed = 0;          // m/s
  double endPathAngle = 0;      // degree
  double endKineticEnergy = 0;  // J
};

// Of a finished run. The greatest height is the rk45 run's own, or the highest of
// the launch and the recorded samples.
FlightSummary Summarize(const SharedState& state, const FlightOutcome& outcome);

// "euler", or "rk45" with its tolerance: "rk45, tolerance 1e-09".
std::string MethodText(const MethodChoice& method);

struct SummaryValue {
  const char* key;       // JSON key and CSV heading: "range"
  const char* label;     // for people: "range"
  const char* unit;      // "m/s"
  const char* jsonUnit;  // the unit as a JSON key's suffix: "m_s"
  double FlightSummary::*member;
};

// The values after the steps per pass, in the order they are reported.
std::span<const SummaryValue> SummaryValues();

}  // namespace orv::cli
