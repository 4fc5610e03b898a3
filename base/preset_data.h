// The start window's variables: the interface language and the default flight
// values that every activation of the main window copies into the parameter set.
#pragma once

#include <array>
#include <cstdint>

namespace orv {

using PresetRecord = std::array<double, 30>;

// The elements of the record that hold a default value; the others stay 0.
enum PresetElement : int {
  kPresetMass = 5,    // launch mass, kg
  kPresetArea = 6,    // reference area, m2
  kPresetCx = 7,      // drag coefficient
  kPresetCy = 8,      // lift coefficient
  kPresetH0 = 11,     // launch altitude, m
  kPresetV0 = 12,     // launch speed, m/s
  kPresetAngle = 13,  // launch path angle, degree
  kPresetHk = 16,     // end altitude, m
  kPresetTk = 18,     // end time, s
  kPresetDt0 = 19,    // integration step, s
  kPresetWind = 20,   // wind speed, m/s
};

struct SpracheState {
  std::int32_t LanguageNo = 0;  // 1 Russian, 2 German, 3 English; 0 until chosen
  PresetRecord PresetData{};
};

// Writes all thirty elements: the default flight values of the input table
// (base/input_table.h), zeros elsewhere.
void StoreDefaultValues(PresetRecord& preset);

}  // namespace orv
