// The table of the standard atmosphere and the per-step lookup, inline because the
// flight run evaluates it in every step.
#pragma once

#include <array>

#include "physics/atmosphere.h"

namespace orv {
namespace atmosphere_table {

struct Node {
  double alt;    // m
  double temp;   // K
  double pres;   // bar
  double rho;    // kg/m3
  double sound;  // m/s
  double visc;   // poise
};

// The density of nodes 0 and 1 never reaches a result (at or below 0 m the density
// is 1.225 whatever the layer gives); it is set to that value here.
inline constexpr std::array<Node, kAtmosphereNodes> kNodes{{
    {-5000, 320.6, 1.33, 1.225, 359, 0.000194},
    {-1000, 294.65, 1.139, 1.225, 344.11, 0.000182},
    {0, 288.15, 1.013, 1.225, 340.3, 0.00017894},
    {500, 284.9, 0.954, 1.1673, 338.37, 0.00017737},
    {1000, 281.65, 0.8987, 1.1116, 336.43, 0.00017578},
    {1500, 278.4, 0.8455, 1.0581, 334.49, 0.00017419},
    {2000, 275.15, 0.7949, 1.0065, 332.53, 0.0001726},
    {2500, 271.9, 0.7468, 0.9568, 330.56, 0.00017099},
    {3000, 268.65, 0.701, 0.90912, 328.58, 0.00016937},
    {3500, 265.4, 0.657, 0.8632, 326.58, 0.00016775},
    {4000, 262.15, 0.6164, 0.8191, 324.58, 0.00016611},
    {4500, 258.9, 0.57728, 0.7767, 322.56, 0.00016447},
    {5000, 255.65, 0.54019, 0.7361, 320.53, 0.00016281},
    {6000, 249.15, 0.4718, 0.6597, 316.43, 0.00015947},
    {7000, 242.65, 0.4106, 0.5895, 312.27, 0.0001561},
    {8000, 236.15, 0.3559, 0.5251, 308.06, 0.00015268},
    {9000, 229.65, 0.3074, 0.4663, 303.79, 0.00014922},
    {10000, 223.15, 0.2643, 0.4127, 299.46, 0.00014571},
    {11000, 216.65, 0.2263, 0.3639, 295.07, 0.00014216},
    {12000, 216.65, 0.1933, 0.3108, 295.07, 0.00014216},
    {14000, 216.65, 0.141, 0.2267, 295.07, 0.00014216},
    {16000, 216.65, 0.1028, 0.1654, 295.07, 0.00014216},
    {18000, 216.65, 0.07504, 0.12068, 295.07, 0.00014216},
    {20000, 216.65, 0.05474, 0.088, 295.07, 0.00014216},
    {22000, 218.65, 0.03999, 0.06372, 296.43, 0.00014326},
    {25000, 221.65, 0.02511, 0.03946, 298.45, 0.0001449},
    {30000, 226.65, 0.01171, 0.018012, 301.8, 0.0001476},
    {40000, 251.05, 0.002775, 0.003851, 317.63, 0.00016045},
    {50000, 270.65, 0.0007594, 0.0009775, 329.8, 0.00017037},
    {60000, 245.45, 0.0002031, 0.0002883, 314.07, 0.00015756},
    {70000, 217.45, 4.634e-5, 7.424e-5, 295.61, 0.0001426},
    {80000, 196.65, 8.862e-6, 1.57e-5, 281.12, 0.00013095},
    {90000, 186.87, 1.835e-6, 3.416e-6, 274.71, 0.00012647},
    {100000, 195.08, 3.2011e-7, 5.604e-7, 274.71, 0.00012647},
    {120000, 360, 2.538e-8, 2.222e-8, 274.71, 0.00012647},
    {150000, 627.54, 4.742e-9, 2.196e-9, 274.71, 0.00012647},
    {200000, 854.56, 8.473e-10, 2.541e-10, 274.71, 0.00012647},
    {1000000, 1000.56, 7.51e-10, 3.56e-14, 274.71, 0.00012647},
}};

// A layer as the interpolation uses it: the lower node and the differences to the
// upper one. Each difference is the same double the formula v_high - v_low gives at
// run time, so v = v_low + f * dv is unchanged by taking it from here.
struct Layer {
  double low;   // m
  double high;  // m
  double span;  // m, high - low
  double temp, dTemp;
  double pres, dPres;
  double rho, dRho;
  double sound, dSound;
  double visc, dVisc;
};

constexpr std::array<Layer, kAtmosphereLayers> MakeLayers() {
  std::array<Layer, kAtmosphereLayers> layers{};
  for (int k = 0; k < kAtmosphereLayers; ++k) {
    const Node& a = kNodes[k];
    const Node& b = kNodes[k + 1];
    layers[k] = {a.alt,           b.alt, b.alt - a.alt, a.temp,  b.temp - a.temp,   a.pres,
                 b.pres - a.pres, a.rho, b.rho - a.rho, a.sound, b.sound - a.sound, a.visc,
                 b.visc - a.visc};
  }
  return layers;
}

inline constexpr std::array<Layer, kAtmosphereLayers> kLayers = MakeLayers();

inline constexpr double kSeaLevelDensity = 1.225;  // kg/m3, used at and below 0 m

// The altitudes of nodes 1..36: the upper limits of layers 0..35.
constexpr std::array<double, kAtmosphereLayers - 1> MakeUpperLimits() {
  std::array<double, kAtmosphereLayers - 1> up{};
  for (int k = 0; k < kAtmosphereLayers - 1; ++k) up[k] = kNodes[k + 1].alt;
  return up;
}

inline constexpr std::array<double, kAtmosphereLayers - 1> kUpperLimits = MakeUpperLimits();

}  // namespace atmosphere_table

inline int AtmosphereLayerFrom(double H, int hint) {
  const bool aboveLow = hint == 0 || H > atmosphere_table::kLayers[hint].low;
  const bool upToHigh = hint == kAtmosphereLayers - 1 || H <= atmosphere_table::kLayers[hint].high;
  if (aboveLow && upToHigh) return hint;
  return AtmosphereLayer(H);
}

inline void AtmosphereInLayer(int layer, double H, AirState& air) {
  const atmosphere_table::Layer& L = atmosphere_table::kLayers[layer];
  const double f = (H - L.low) / L.span;  // 0 at the lower node, 1 at the upper one
  air.Temp = L.temp + f * L.dTemp;
  air.Pres = L.pres + f * L.dPres;
  air.Sound = L.sound + f * L.dSound;
  air.Rho = H > 0.0 ? L.rho + f * L.dRho : atmosphere_table::kSeaLevelDensity;
  air.Visc = L.visc + f * L.dVisc;
}

}  // namespace orv
