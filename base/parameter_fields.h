// The main window's edit fields as the parameter set sees them: which slot each
// field writes, and the activation that puts the default values into the set and
// the fields. The window shows values in real fields; the command line, the tests
// and the benchmarks use TextFields, which behave as the window's fields do.
#pragma once

#include <array>
#include <string>

#include "base/flight_data.h"
#include "base/input_table.h"
#include "base/preset_data.h"

namespace orv {

// The working slot a field's change handler writes (base/input_table.h).
double& FieldSlot(Field field, FlightData& fd);

// Where an activation shows a value. Showing a text that differs from the field's
// text raises the field's change handler, which parses it into FieldSlot.
class FieldDisplay {
 public:
  virtual ~FieldDisplay() = default;
  virtual void Show(Field field, double value) = 0;
};

// Stores each default value into the slot its input loads it into (the loading
// slots TkInit, dt0Init and VwindInit for the end time, time step and wind) and
// shows it in the input's field; the end altitude goes only to HkInit, which no
// field shows.
void ActivateParameterSet(const PresetRecord& preset, FlightData& fd, FieldDisplay& display);

// Fields that hold a text each, as the window's fields do, with a point or a comma
// as decimal separator. Showing a value writes its text and, when the text changed,
// parses that text into the field's slot.
class TextFields final : public FieldDisplay {
 public:
  TextFields(FlightData& fd, char decimalSeparator) : fd_(fd), separator_(decimalSeparator) {}
  void Show(Field field, double value) override;
  // Typing a text: the field's change handler parses it (ConvertFault when it is not
  // a number; the slot keeps its value).
  void Type(Field field, const std::string& text);
  const std::string& Text(Field field) const { return texts_[static_cast<std::size_t>(field)]; }

 private:
  FlightData& fd_;
  char separator_;
  std::array<std::string, kFieldCount> texts_{};
};

// The parameter set exactly as an activation of the main window leaves it with the
// given defaults (fields with a point as decimal separator).
void ApplyPresetValues(const PresetRecord& preset, FlightData& fd);

}  // namespace orv
