#include "flight/flight_summary.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/constants.h"
#include "base/number_text.h"
#include "files/csv_text.h"
#include "flight/sample_record.h"

namespace orv {
namespace {

constexpr std::array<SummaryValue, 6> kValues{{
    {"flight_time", "flight time", Col::kTime, &FlightSummary::flightTime},
    {"range", "range", Col::kRange, &FlightSummary::range},
    {"greatest_height", "greatest height", Col::kHeight, &FlightSummary::greatestHeight},
    {"end_speed", "speed at the end", Col::kSpeed, &FlightSummary::endSpeed},
    {"end_path_angle", "path angle at the end", Col::kPathAngle, &FlightSummary::endPathAngle},
    {"end_kinetic_energy", "kinetic energy at the end", Col::kEnergy, &FlightSummary::endKineticEnergy},
}};

}  // namespace

std::string SummaryValue::JsonUnit() const {
  std::string unit(Unit());
  std::replace(unit.begin(), unit.end(), '/', '_');
  return unit;
}

std::span<const SummaryValue> SummaryValues() { return kValues; }

FlightSummary Summarize(const SharedState& state, const FlightOutcome& outcome) {
  const FlightData& fd = state.fd;
  FlightSummary s;
  s.method = outcome.choice;
  s.stepsPerPass = outcome.stepsPerPass;
  s.steps = outcome.steps;
  s.flightTime = fd.slot[kT];
  s.range = fd.slot[kX];
  s.endSpeed = fd.slot[kV];
  s.endPathAngle = fd.slot[kQ] * kDegreesPerRadian;
  // As a recorded row reckons it, faulting where it overflows: a run without rows
  // (a study's rk45 run) must not report an infinite energy where the Euler run faults.
  s.endKineticEnergy = KineticEnergy(fd);
  // The flight's own heights: the height column reads 0 below 0.
  const double greatest =
      state.RecordedRows > 0 ? std::max(fd.slot[kH0], state.HighestRecordedHeight) : fd.slot[kH0];
  s.greatestHeight = outcome.greatestHeight.value_or(greatest);
  s.speedPassedZeroAt = state.SpeedPassedZeroAt;
  s.launchedBelowEnd = fd.slot[kH0] < fd.slot[kHk];
  return s;
}

FlightSummary Summarize(const SharedState& state, std::int64_t steps) {
  // Both passes fly the same steps.
  return Summarize(state, FlightOutcome{{}, steps, steps / 2, std::nullopt});
}

std::string SpeedPassedZeroWarning(double t) {
  return "the speed passed zero at t = " + FormatGeneral(t, 6, 1, '.') +
         " s; the path-angle equation does not hold there";
}

std::vector<std::string> SummaryWarnings(const FlightSummary& s) {
  std::vector<std::string> warnings;
  if (!std::isnan(s.speedPassedZeroAt)) warnings.push_back(SpeedPassedZeroWarning(s.speedPassedZeroAt));
  if (s.launchedBelowEnd)
    warnings.push_back(
        "launched below the end height: euler flies one step before it looks at the height, rk45 none");
  return warnings;
}

FlightSummary FlySummary(SharedState& state, const FlightData& start, const MethodChoice& method,
                         RunControl* control) {
  state.fd = start;
  return Summarize(state, FlyFlight(state, method, SampleRowsWanted::kNo, control));
}

std::string MethodText(const MethodChoice& method) {
  std::string text(MethodName(method.method));
  if (method.method == FlightMethod::kRk45) {
    text += ", tolerance ";
    AppendCsvNumber(text, method.tolerance, kCsvPoint);
  }
  return text;
}

ScaledValue Scaled(const SummaryValue& v, const FlightSummary& s, const FlightData& fd) {
  const ColumnInfo& info = ColumnInfoOf(v.column);
  const int level = UnitLevel(info, fd);
  const double base = s.*v.member;
  if (level == 0) return {base, info.unit};
  const UnitStep& step = info.steps[static_cast<std::size_t>(level - 1)];
  return {base / step.divisor, step.unit};
}

}  // namespace orv
