#include "flight/pass_start.h"

namespace orv {

void StartPass(SharedState& state) {
  FlightData& fd = state.fd;
  fd.TimeUnitCode = 0;
  fd.HeightInKm = 0;
  fd.RangeInKm = 0;
  fd.ThrustInKn = 0;
  fd.MassInTonnes = 0;
  fd.RhoMedium = kRhoWater;
  fd.CxCur() = fd.Cx();
  fd.CyCur() = fd.Cy();
  fd.X0() = 0.0;
  fd.X() = fd.X0();
  fd.H() = fd.H0();
  fd.t() = 0.0;
  fd.V() = fd.V0();
  fd.Q0grad() = fd.TTO();
  fd.Q() = fd.Q0grad() / kDegreesPerRadian;  // rad
  fd.Mass = fd.MassaStart();
  fd.SRef = fd.S0;
  fd.Hk() = fd.HkInit();
  state.NextRow = 1;
}

}  // namespace orv
