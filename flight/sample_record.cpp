#include "flight/sample_record.h"

#include <algorithm>
#include <cmath>

#include "base/sample_columns.h"
#include "physics/fp_check.h"

namespace orv {
namespace {

// A sampled value above a threshold switches its column's unit flag for the rest of
// the pass (time: minutes, then hours).
void RaiseUnitFlags(SharedState& state, int row) {
  for (const ColumnInfo& info : SampleColumns()) {
    if (info.flag == nullptr) continue;
    const double value = state.Sample(info.id, row);
    for (const UnitStep& step : info.steps)
      if (step.code != 0 && value > step.threshold) state.fd.*info.flag = step.code;
  }
}

}  // namespace

double KineticEnergy(const FlightData& fd) {
  return CheckedDiv(CheckedMul(CheckedMul(fd.Mass, fd.slot[kV]), fd.slot[kV]), 2);
}

void RecordSample(SharedState& state) {
  using enum Col;
  FlightData& fd = state.fd;
  const int row = state.NextRow;
  auto put = [&](Col column, double value) { state.Sample(column, row) = value; };

  put(kTime, fd.t());
  put(kSpeed, fd.V());
  put(kEnergy, KineticEnergy(fd));
  put(kHeight, fd.H() < 0.0 ? 0.0 : fd.H());
  state.HighestRecordedHeight = std::max(state.HighestRecordedHeight, fd.H());
  put(kPathAngle, CheckedMul(fd.Q(), kDegreesPerRadian));  // degree
  put(kMinusDrag, -fd.Drag);
  put(kReserved6, fd.slot[kSlot2Reserved]);
  put(kRange, fd.X());
  put(kReserved8, fd.slot[kSlot1Reserved]);
  put(kLoadFactor, fd.nx());
  put(kNetForce, fd.Fin());
  put(kReserved11, state.ReservedColumn11);
  put(kBuoyancyTerm, CheckedAdd(fd.Auftrieb, 1e-9));
  put(kWind, fd.Vwind());
  put(kSpecificImpulse, fd.IudCur());
  put(kThrust, fd.Thrust);
  put(kMass, fd.Mass);
  put(kThrustAccel, CheckedDiv(fd.Thrust, fd.Mass));  // m/s2
  put(kReserved18, fd.slot[kSlot91Reserved]);
  put(kVolume, fd.Volumen);
  put(kBuoyancy, fd.Auftrieb);
  put(kDrag, fd.Drag);
  put(kLift, fd.Lift);
  put(kCxCur, fd.CxCur());
  put(kCyCur, fd.CyCur());
  put(kMach, fd.Mach());
  put(kTemperature, fd.Temp());
  put(kPressure, fd.Pres());
  put(kDensity, fd.Rho());

  RaiseUnitFlags(state, row);

  fd.Re1m() = CheckedDiv(CheckedMul(CheckedMul(fd.Rho(), fd.V()), 1.0), fd.Visc());  // length 1 m
  // Visc is in poise (0.1 Pa s), so Re1m is a tenth of the Reynolds number and the
  // column holds the Reynolds number of 1 m over 10000.
  put(kReynolds, fd.Re1m() / 1000);

  state.RecordedRows = std::max(state.RecordedRows, row);
  state.NextRow = std::min(row + 1, kSampleRowsMax);
}

void ClearSampleTable(SharedState& state) {
  std::fill_n(state.TrajectorySamples.begin(), kSampleColumns * kSampleRowsMax, 0.0);
  state.RecordedRows = 0;
  state.HighestRecordedHeight = -HUGE_VAL;
}

void ScaleSampleUnits(SharedState& state) {
  for (const ColumnInfo& info : SampleColumns()) {
    const int level = UnitLevel(info, state.fd);
    if (level == 0) continue;
    const double divisor = info.steps[static_cast<std::size_t>(level - 1)].divisor;
    for (int row = 1; row <= kSampleRowsMax; ++row) state.Sample(info.id, row) /= divisor;
  }
}

}  // namespace orv
