#include "cli/flight_summary.h"

#include <algorithm>
#include <array>

#include "base/constants.h"
#include "base/sample_columns.h"
#include "files/csv_text.h"

namespace orv::cli {
namespace {

constexpr std::array<SummaryValue, 6> kValues{{
    {"flight_time", "flight time", "s", "s", &FlightSummary::flightTime},
    {"range", "range", "m", "m", &FlightSummary::range},
    {"greatest_height", "greatest height", "m", "m", &FlightSummary::greatestHeight},
    {"end_speed", "speed at the end", "m/s", "m_s", &FlightSummary::endSpeed},
    {"end_path_angle", "path angle at the end", "deg", "deg", &FlightSummary::endPathAngle},
    {"end_kinetic_energy", "kinetic energy at the end", "J", "J", &FlightSummary::endKineticEnergy},
}};

}  // namespace

std::span<const SummaryValue> SummaryValues() { return kValues; }

FlightSummary Summarize(const SharedState& state, const FlightOutcome& outcome) {
  const FlightData& fd = state.fd;
  FlightSummary s;
  s.method = outcome.choice;
  s.stepsPerPass = outcome.stepsPerPass;
  s.flightTime = fd.slot[kT];
  s.range = fd.slot[kX];
  s.endSpeed = fd.slot[kV];
  s.endPathAngle = fd.slot[kQ] * kDegreesPerRadian;
  s.endKineticEnergy = fd.Mass * fd.slot[kV] * fd.slot[kV] / 2;
  double greatest = fd.slot[kH0];
  for (int row = 1; row <= state.RecordedRows; ++row)
    greatest = std::max(greatest, ToBaseUnit(Col::kHeight, state.Sample(Col::kHeight, row), fd));
  s.greatestHeight = outcome.greatestHeight.value_or(greatest);
  return s;
}

std::string MethodText(const MethodChoice& method) {
  std::string text(MethodName(method.method));
  if (method.method == FlightMethod::kRk45) {
    text += ", tolerance ";
    AppendCsvNumber(text, method.tolerance, kCsvPoint);
  }
  return text;
}

}  // namespace orv::cli
