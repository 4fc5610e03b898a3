#include "cli/flight_inputs.h"

#include <string>

#include "base/errors.h"
#include "base/number_text.h"
#include "base/preset_data.h"
#include "cli/usage_error.h"

namespace orv::cli {
namespace {

// The elements are the start window's record (base/preset_data.cpp).
constexpr std::array<InputInfo, kInputCount> kInputs{{
    {Input::kCx, "cx", "", "", "drag coefficient", 7},
    {Input::kCy, "cy", "", "", "lift coefficient", 8},
    {Input::kMass, "mass", "kg", "kg", "launch mass", 5},
    {Input::kArea, "area", "m²", "m2", "reference area", 6},
    {Input::kAngle, "angle", "degrees", "deg", "launch path angle", 13},
    {Input::kH0, "h0", "m", "m", "launch height", 11},
    {Input::kV0, "v0", "m/s", "m/s", "launch speed", 12},
    {Input::kTk, "tk", "s", "s", "end time", 18},
    {Input::kHk, "hk", "m", "m", "end height", 16},
    {Input::kDt, "dt", "s", "s", "integration time step", 19},
    {Input::kWind, "wind", "m/s", "m/s", "wind speed", 20},
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
  for (const InputInfo& info : kInputs)
    inputs[static_cast<std::size_t>(info.id)] = preset[static_cast<std::size_t>(info.presetElement)];
  return inputs;
}

void ApplyInputs(const FlightInputs& inputs, FlightData& fd) {
  PresetRecord preset;
  StoreDefaultValues(preset);
  for (const InputInfo& info : kInputs)
    preset[static_cast<std::size_t>(info.presetElement)] = inputs[static_cast<std::size_t>(info.id)];
  ApplyPresetValues(preset, fd);
}

double ParseInputValue(std::string_view where, std::string_view text) {
  double value = 0;
  try {
    TextToFloat(text, '.', value);
  } catch (const ConvertFault& fault) {
    throw UsageError(std::string(where) + ": " + fault.what());
  }
  return value;
}

}  // namespace orv::cli
