// The one description of the flight's inputs: for each, its edit field in the main
// window and the slot that field writes, its unit, its name on the command line and
// in a parameter file, its default value and its tooltip. The window's activation,
// its fields and tooltips, the command line's options, the parameter file, the
// sweep grid and the summaries all read this table: an input is one row of it.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "base/flight_data.h"
#include "base/preset_data.h"
#include "base/texts3.h"

namespace orv {

// The main window's edit fields, named as its controls.
enum class Field { edH0, edV0, edTk, eddt0, edMassaStart, edVwind, EdS0, EdCx, EdCy, EdTTO };
inline constexpr int kFieldCount = 10;

// The inputs, in the order the command line lists them.
enum class Input : int { kCx, kCy, kMass, kArea, kAngle, kH0, kV0, kTk, kHk, kDt, kWind };
inline constexpr int kInputCount = 11;

// A place of the parameter set that holds one double: a numbered slot or the area S0.
// Written through a parameter set, read also from a const one.
class InputSlot {
 public:
  constexpr InputSlot(Slot slot) : index_(slot) {}  // NOLINT: the table names slots by number
  static constexpr InputSlot Area() { return InputSlot(); }
  double& operator()(FlightData& fd) const {
    return index_ < 0 ? fd.S0 : fd.slot[static_cast<std::size_t>(index_)];
  }
  double operator()(const FlightData& fd) const {
    return index_ < 0 ? fd.S0 : fd.slot[static_cast<std::size_t>(index_)];
  }

 private:
  constexpr InputSlot() = default;
  int index_ = -1;
};

struct InputInfo {
  Input id;
  const char* name;            // option without its dashes and key of a parameter file: "v0"
  const char* unit;            // the main window's unit: "m/s"; "" for a pure number
  const char* csvUnit;         // the same in ASCII for CSV headings: "m2", "deg"
  const char* meaning;         // for --help
  double defaultValue;         // the start window's default, in `unit`
  PresetElement preset;        // where the start window keeps the default
  InputSlot load;              // where the activation stores the default
  InputSlot slot;              // where the value in force lives: the slot the field writes
  std::optional<Field> field;  // the main window's edit field; none for the end height
  const char* control;         // that field's object name, nullptr without a field
  Texts3 tip;                  // that field's tooltip
  int tabOrder;                // that field's place in the window's tab order
  const char* label;           // the object name of the label beside it; nullptr for a hidden field
  Texts3 caption;              // that label's text with the unit; the German one is the resource's
  Texts3 title;                // the input's name in the window's studies; in English its `name`
};

// A field the user sees (the window hides those of Cy, the time step and the wind):
// what the window offers to vary is what the user can read back.
inline bool HasShownField(const InputInfo& info) { return info.field && info.label; }

// In the order of Input.
std::span<const InputInfo> InputTable();
const InputInfo& InfoOf(Input input);
std::optional<Input> FindInput(std::string_view name);
// The row of a field; every field has one.
const InputInfo& InfoOf(Field field);
// The fields in the window's tab order.
std::span<const Field> FieldsInTabOrder();

// Values by Input.
using FlightInputs = std::array<double, kInputCount>;

// The start window's default flight values.
FlightInputs DefaultInputs();

// The parameter set as the main window leaves it when the user typed these values
// into its fields after the activation: an input without a field (the end height)
// goes into the activation's defaults, every other value into its field's slot.
void ApplyInputs(const FlightInputs& inputs, FlightData& fd);

// Its inverse: the values in force in the parameter set, what the next START flies with.
FlightInputs InputsInForce(const FlightData& fd);

}  // namespace orv
