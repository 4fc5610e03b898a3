// What a run amounts to at a glance: the method that flew it, steps per pass, and the end of the flight in
// the sample columns' base units (angles in degrees, as the inputs), whatever scaling the run chose for its
// sample table. The command line prints it, the sweep writes it a row per run, and the main window shows it
// in its results frame.
#pragma once

#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/flight_data.h"
#include "base/sample_columns.h"
#include "flight/flight_method.h"
#include "flight/run_control.h"

namespace orv {

struct FlightSummary {
  MethodChoice method;
  std::int64_t stepsPerPass = 0;
  std::int64_t steps = 0;     // of every pass, as FlightOutcome counts them
  double flightTime = 0;      // s
  double range = 0;           // m
  double greatestHeight = 0;  // m, the rk45 run's apex, or the highest of the launch and the recorded samples
  double endSpeed = 0;        // m/s
  double endPathAngle = 0;    // degree
  double endKineticEnergy = 0;                                          // J
  double speedPassedZeroAt = std::numeric_limits<double>::quiet_NaN();  // s; NaN where it did not
  bool launchedBelowEnd = false;  // the launch height below the end height
};

// What a reader of the figures must know, one sentence each, in English: where the
// speed passed zero, a launch below the end height. Empty for most runs.
std::vector<std::string> SummaryWarnings(const FlightSummary& s);
// The first of them, for any figure of a flight whose speed passed zero at `t` (s).
std::string SpeedPassedZeroWarning(double t);

// Of a finished run, as FlyFlight reports it. Throws FloatingPointFault where a figure
// overflows (the kinetic energy of an enormous mass), as a recorded row does.
FlightSummary Summarize(const SharedState& state, const FlightOutcome& outcome);
// Of a finished classic run; `steps` are those of both passes, as RunFlight returns them.
FlightSummary Summarize(const SharedState& state, std::int64_t steps);

// Flies the parameter set `start` with `method` on `state` (nothing of its earlier
// contents shapes the run) and summarises the flight. Only the end is wanted, so an
// rk45 run fills no rows. Throws the run's fault, or RunCancelled.
FlightSummary FlySummary(SharedState& state, const FlightData& start, const MethodChoice& method = {},
                         RunControl* control = nullptr);

// "euler", or "rk45" with its tolerance: "rk45, tolerance 1e-09".
std::string MethodText(const MethodChoice& method);

struct SummaryValue {
  const char* key;    // JSON key and CSV heading: "range"
  const char* label;  // for people, in English: "range"
  Col column;         // the sample column of the same quantity: its unit and its larger units
  double FlightSummary::*member;

  std::string_view Unit() const { return ColumnInfoOf(column).unit; }  // "m/s"
  std::string JsonUnit() const;                                        // as a JSON key's suffix: "m_s"
};

// The values after the steps per pass, in the order they are reported.
std::span<const SummaryValue> SummaryValues();

// A value in the unit the run's flags chose for its column (km, min, h), as the
// sample table and the charts show it.
struct ScaledValue {
  double value = 0;
  std::string_view unit;
};
ScaledValue Scaled(const SummaryValue& v, const FlightSummary& s, const FlightData& fd);

}  // namespace orv
