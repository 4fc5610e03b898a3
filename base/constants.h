// The physical and unit constants of a run, each once, with its unit.
#pragma once

namespace orv {

inline constexpr double kGravity = 9.8;            // m/s2, throughout the run
inline constexpr double kDegreesPerRadian = 57.3;  // degree/rad (not 180/pi: the program's own factor)
inline constexpr double kRhoWater = 1000.0;        // kg/m3, density of the medium
inline constexpr double kSoundWater = 1500.0;      // m/s, speed of sound in the medium
inline constexpr double kSoundHigh = 290.0;        // m/s, speed of sound above kHighAltitude
inline constexpr double kHighAltitude = 120000.0;  // m

// A sampled value above its threshold switches its column to the larger unit.
inline constexpr double kKiloThreshold = 10000.0;    // m, N, kg: km, kN, t
inline constexpr double kMinutesThreshold = 3600.0;  // s: time in minutes
inline constexpr double kHoursThreshold = 36000.0;   // s: time in hours

inline constexpr int kSampleRowsMax = 500;  // rows of the sample table

}  // namespace orv
