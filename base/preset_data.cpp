#include "base/preset_data.h"

namespace orv {

void StoreDefaultValues(PresetRecord& preset) {
  preset.fill(0.0);
  preset[kPresetMass] = 0.18;     // kg
  preset[kPresetArea] = 0.00005;  // m2
  preset[kPresetCx] = 2.1;
  preset[kPresetCy] = 0;
  preset[kPresetH0] = 1.7;      // m
  preset[kPresetV0] = 30.2;     // m/s
  preset[kPresetAngle] = 0;     // degree
  preset[kPresetHk] = 0;        // m
  preset[kPresetTk] = 5.0;      // s
  preset[kPresetDt0] = 0.0001;  // s
  preset[kPresetWind] = 0;      // m/s
}

}  // namespace orv
