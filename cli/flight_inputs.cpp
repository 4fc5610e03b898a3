#include "cli/flight_inputs.h"

#include <algorithm>
#include <string>

#include "base/number_text.h"
#include "cli/message_text.h"
#include "cli/usage_error.h"

namespace orv::cli {
namespace {

constexpr std::array<InputInfo, kInputCount> kInputs{{
    {Input::kCx, "cx", "", "", "drag coefficient", kPresetCx, Field::EdCx},
    {Input::kCy, "cy", "", "", "lift coefficient", kPresetCy, Field::EdCy},
    {Input::kMass, "mass", "kg", "kg", "launch mass", kPresetMass, Field::edMassaStart},
    {Input::kArea, "area", "m2", "m2", "reference area", kPresetArea, Field::EdS0},
    {Input::kAngle, "angle", "degrees", "deg", "launch path angle", kPresetAngle, Field::EdTTO},
    {Input::kH0, "h0", "m", "m", "launch height", kPresetH0, Field::edH0},
    {Input::kV0, "v0", "m/s", "m/s", "launch speed", kPresetV0, Field::edV0},
    {Input::kTk, "tk", "s", "s", "end time", kPresetTk, Field::edTk},
    {Input::kHk, "hk", "m", "m", "end height", kPresetHk, std::nullopt},
    {Input::kDt, "dt", "s", "s", "integration time step", kPresetDt0, Field::eddt0},
    {Input::kWind, "wind", "m/s", "m/s", "wind speed", kPresetWind, Field::edVwind},
}};

}  // namespace

std::span<const InputInfo> InputTable() { return kInputs; }

const InputInfo& InfoOf(Input input) { return kInputs[static_cast<std::size_t>(input)]; }

std::optional<Input> FindInput(std::string_view name) {
  for (const InputInfo& info : kInputs)
    if (name == info.name) return info.id;
  return std::nullopt;
}

FlightInputs DefaultInputs() {
  PresetRecord preset;
  StoreDefaultValues(preset);
  FlightInputs inputs{};
  for (const InputInfo& info : kInputs) inputs[static_cast<std::size_t>(info.id)] = preset[info.preset];
  return inputs;
}

void ApplyInputs(const FlightInputs& inputs, FlightData& fd) {
  PresetRecord preset;
  StoreDefaultValues(preset);
  preset[kPresetHk] = inputs[static_cast<std::size_t>(Input::kHk)];
  ApplyPresetValues(preset, fd);
  // Typing a text into a field puts the value it reads as into the field's slot.
  for (const InputInfo& info : kInputs)
    if (info.field) FieldSlot(*info.field, fd) = inputs[static_cast<std::size_t>(info.id)];
}

double ParseInputValue(std::string_view where, std::string_view text) {
  double value = 0;
  if (TryTextToFloat(text, '.', value)) return value;
  std::string message = std::string(where) + ": " + NotANumberMessage(Quoted(text));
  // Written as the main window under a German or Russian locale reads it.
  if (TryTextToFloat(text, ',', value)) {
    std::string pointed(text);
    std::replace(pointed.begin(), pointed.end(), ',', '.');
    const std::string shown = Quoted(pointed);
    message += "; use a point as the decimal separator: " + shown.substr(1, shown.size() - 2);
  }
  throw UsageError(message);
}

}  // namespace orv::cli
