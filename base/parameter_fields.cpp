#include "base/parameter_fields.h"

#include "base/number_text.h"

namespace orv {

double& FieldSlot(Field field, FlightData& fd) { return InfoOf(field).slot(fd); }

void ActivateParameterSet(const PresetRecord& preset, FlightData& fd, FieldDisplay& display) {
  for (const InputInfo& info : InputTable()) {
    double& loaded = info.load(fd);
    loaded = preset[info.preset];
    if (info.field) display.Show(*info.field, loaded);
  }
}

void TextFields::Show(Field field, double value) { Type(field, FloatToText(value, separator_)); }

void TextFields::Type(Field field, const std::string& text) {
  if (text == Text(field)) return;
  texts_[static_cast<std::size_t>(field)] = text;
  TextToFloat(text, separator_, FieldSlot(field, fd_));
}

void ApplyPresetValues(const PresetRecord& preset, FlightData& fd) {
  TextFields fields(fd, '.');
  ActivateParameterSet(preset, fd, fields);
}

}  // namespace orv
