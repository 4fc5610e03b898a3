// The layered standard atmosphere: straight-line interpolation in a table of 38
// altitude nodes from -5000 m to 1 000 000 m.
#pragma once

namespace orv {

inline constexpr int kAtmosphereNodes = 38;
inline constexpr int kAtmosphereLayers = kAtmosphereNodes - 1;  // layer k: node k to node k+1

// The state of the air at one altitude.
struct AirState {
  double Temp = 0;   // K
  double Pres = 0;   // bar (1.013 at sea level)
  double Sound = 0;  // m/s
  double Rho = 0;    // kg/m3
  double Visc = 0;   // poise
};

// Temperature, pressure, speed of sound, density and viscosity at altitude H (m).
// Layer k holds the altitudes above node k up to and including node k+1; the last
// layer continues without limit above 200 000 m and the lowest one continues below
// -5000 m, both along their straight lines. At or below 0 m the density is 1.225.
void StandardAtmosphere(double H, double& Temp, double& Pres, double& Sound, double& Rho, double& Visc);

// The layer that holds H: the same layer as testing layers 0..36 in ascending order,
// with altitudes at or below -5000 m in layer 0.
int AtmosphereLayer(double H);

// Inline in physics/atmosphere_table.h, for the flight run's steps:
//   AtmosphereLayerFrom(H, hint): the same layer, found at once when H still lies in
//     `hint` (the layer of the previous step);
//   AtmosphereInLayer(layer, H, air): the interpolation in a layer that holds H (or
//     layer 0 or 36 beyond the table's ends).

}  // namespace orv
