#include "base/preset_data.h"

#include "base/input_table.h"

namespace orv {

void StoreDefaultValues(PresetRecord& preset) {
  preset.fill(0.0);
  for (const InputInfo& info : InputTable()) preset[info.preset] = info.defaultValue;
}

}  // namespace orv
