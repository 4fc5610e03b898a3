#include "sprache/preset_data.h"

namespace orv {

void StoreDefaultValues(PresetRecord& preset) {
  preset.fill(0.0);
  preset[5] = 0.18;     // launch mass, kg
  preset[6] = 0.00005;  // reference area, m2
  preset[7] = 2.1;      // drag coefficient
  preset[8] = 0;        // lift coefficient
  preset[11] = 1.7;     // launch altitude, m
  preset[12] = 30.2;    // launch speed, m/s
  preset[13] = 0;       // launch path angle, degree
  preset[16] = 0;       // end altitude, m
  preset[18] = 5.0;     // end time, s
  preset[19] = 0.0001;  // integration step, s
  preset[20] = 0;       // wind speed, m/s
}

}  // namespace orv
