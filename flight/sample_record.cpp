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
  put(kReserved6, 0.0);
  put(kRange, fd.X());
  put(kReserved8, 0.0);
  put(kLoadFactor, fd.nx());
  put(kNetForce, fd.Fin());
  put(kReserved11, 0.0);
  put(kBuoyancyTerm, CheckedAdd(fd.Auftrieb, 1e-9));
  put(kWind, fd.Vwind());
  // A harpoon has no engine and the medium no buoyancy volume: the engine's columns
  // and the volume are 0, as are the reserved columns.
  put(kSpecificImpulse, 0.0);
  put(kThrust, 0.0);
  put(kMass, fd.Mass);
  put(kThrustAccel, CheckedDiv(0.0, fd.Mass));  // m/s2, a fault of its own at a mass of 0
  put(kReserved18, 0.0);
  put(kVolume, 0.0);
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
