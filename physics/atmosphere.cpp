#include "physics/atmosphere.h"

#include <algorithm>

#include "physics/atmosphere_table.h"

namespace orv {

int AtmosphereLayer(double H) {
  // The first layer whose upper limit is not below H; beyond node 36 that is layer 36,
  // and below node 1 layer 0, which also takes the altitudes below the table.
  const auto it =
      std::lower_bound(atmosphere_table::kUpperLimits.begin(), atmosphere_table::kUpperLimits.end(), H);
  return static_cast<int>(it - atmosphere_table::kUpperLimits.begin());
}

void StandardAtmosphere(double H, double& Temp, double& Pres, double& Sound, double& Rho, double& Visc) {
  AirState air;
  AtmosphereInLayer(AtmosphereLayer(H), H, air);
  Temp = air.Temp;
  Pres = air.Pres;
  Sound = air.Sound;
  Rho = air.Rho;
  Visc = air.Visc;
}

}  // namespace orv
