// The start window's variables: the interface language and the default flight
// values that every activation of the main window copies into the parameter set.
#pragma once

#include <array>
#include <cstdint>

#include "base/flight_data.h"

namespace orv {

using PresetRecord = std::array<double, 30>;

struct SpracheState {
  std::int32_t LanguageNo = 0;  // 1 Russian, 2 German, 3 English; 0 until chosen
  PresetRecord PresetData{};
};

// Writes all thirty elements: the default flight values, zeros elsewhere.
void StoreDefaultValues(PresetRecord& preset);

// What an activation of the main window leaves in the parameter set, without the
// fields: the inputs from the record, and the working slots its hidden fields carry
// (Tk, dt0, Vwind) equal to their loading slots.
void ApplyPresetValues(const PresetRecord& preset, FlightData& fd);

}  // namespace orv
