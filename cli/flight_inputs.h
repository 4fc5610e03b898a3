// The inputs of one flight as the command line names them, with the main window's
// defaults, and how they reach the parameter set.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "base/flight_data.h"
#include "base/parameter_fields.h"
#include "base/preset_data.h"

namespace orv::cli {

enum class Input : int { kCx, kCy, kMass, kArea, kAngle, kH0, kV0, kTk, kHk, kDt, kWind };
inline constexpr int kInputCount = 11;

struct InputInfo {
  Input id;
  const char* name;            // option without its dashes, key of a parameter file: "v0"
  const char* unit;            // the main window's unit: "m/s"; "" for a pure number
  const char* csvUnit;         // the same in ASCII for CSV headings: "m2", "deg"
  const char* meaning;         // for --help
  PresetElement preset;        // where the start window keeps its default
  std::optional<Field> field;  // the main window's field; none for the end height
};

// In the order of Input.
std::span<const InputInfo> InputTable();
const InputInfo& InfoOf(Input input);
std::optional<Input> FindInput(std::string_view name);

// Values by Input.
using FlightInputs = std::array<double, kInputCount>;

// The start window's default flight values.
FlightInputs DefaultInputs();

// The parameter set as the main window leaves it when the user typed these values
// into its fields after the activation: the end height, which no field shows, goes
// into the activation's defaults, every other value into its field's slot.
void ApplyInputs(const FlightInputs& inputs, FlightData& fd);

// A value as the main window's fields read it, with a point for the decimal
// separator whatever the locale. Throws UsageError "<where>: '<text>' is not a
// valid floating point value".
double ParseInputValue(std::string_view where, std::string_view text);

}  // namespace orv::cli
