#include "haupt/sample_record.h"

#include <algorithm>

#include "subrout/fp_check.h"

namespace orv {

void RecordSample(SharedState& state) {
  FlightData& fd = state.fd;
  const int row = state.NextRow;
  auto put = [&](int column, double value) { state.Sample(column, row) = value; };

  put(0, fd.t());
  put(1, fd.V());
  put(2, CheckedDiv(CheckedMul(CheckedMul(fd.Mass, fd.V()), fd.V()), 2));  // J, kinetic energy
  put(3, fd.H() < 0.0 ? 0.0 : fd.H());
  put(4, CheckedMul(fd.Q(), kDegreesPerRadian));  // degree
  put(5, -fd.Drag);
  put(6, fd.slot[kSlot2Reserved]);
  put(7, fd.X());
  put(8, fd.slot[kSlot1Reserved]);
  put(9, fd.nx());
  put(10, fd.Fin());
  put(11, state.ReservedColumn11);
  put(12, CheckedAdd(fd.Auftrieb, 1e-9));
  put(13, fd.Vwind());
  put(14, fd.IudCur());
  put(15, fd.Thrust);
  put(16, fd.Mass);
  put(17, CheckedDiv(fd.Thrust, fd.Mass));  // m/s2, thrust acceleration
  put(18, fd.slot[kSlot91Reserved]);
  put(19, fd.Volumen);
  put(20, fd.Auftrieb);
  put(21, fd.Drag);
  put(22, fd.Lift);
  put(23, fd.CxCur());
  put(24, fd.CyCur());
  put(25, fd.Mach());
  put(26, fd.Temp());
  put(27, fd.Pres());
  put(28, fd.Rho());

  if (fd.t() > 3600.0) fd.TimeUnitCode = 2;   // minutes
  if (fd.t() > 36000.0) fd.TimeUnitCode = 3;  // hours
  if (fd.H() > 10000.0) fd.HeightInKm = 1;
  if (fd.X() > 10000.0) fd.RangeInKm = 1;
  if (fd.Thrust > 10000.0) fd.ThrustInKn = 1;
  if (fd.Mass > 10000.0) fd.MassInTonnes = 1;

  fd.Re1m() = CheckedDiv(CheckedMul(CheckedMul(fd.Rho(), fd.V()), 1.0), fd.Visc());  // length 1 m
  put(29, fd.Re1m() / 1000);

  state.NextRow = std::min(row + 1, kSampleRowsMax);
}

void ClearSampleTable(SharedState& state) {
  std::fill_n(state.TrajectorySamples.begin(), kSampleColumns * kSampleRowsMax, 0.0);
}

void ScaleSampleUnits(SharedState& state) {
  const FlightData& fd = state.fd;
  auto scale = [&](int column, double divisor) {
    for (int row = 1; row <= kSampleRowsMax; ++row) state.Sample(column, row) /= divisor;
  };
  if (fd.HeightInKm == 1) scale(3, 1000);
  if (fd.TimeUnitCode == 2) scale(0, 60);
  if (fd.TimeUnitCode == 3) scale(0, 3600);
  if (fd.RangeInKm == 1) scale(7, 1000);
  if (fd.ThrustInKn == 1) scale(15, 1000);
  if (fd.MassInTonnes == 1) scale(16, 1000);
}

}  // namespace orv
