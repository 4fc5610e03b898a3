#include "base/preset_data.h"

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

void ApplyPresetValues(const PresetRecord& preset, FlightData& fd) {
  fd.H0() = preset[11];
  fd.V0() = preset[12];
  fd.MassaStart() = preset[5];
  fd.S0 = preset[6];
  fd.Cx() = preset[7];
  fd.Cy() = preset[8];
  fd.TTO() = preset[13];
  fd.Tk() = fd.TkInit() = preset[18];
  fd.HkInit() = preset[16];
  fd.dt0() = fd.dt0Init() = preset[19];
  fd.Vwind() = fd.VwindInit() = preset[20];
}

}  // namespace orv
