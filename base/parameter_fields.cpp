#include "base/parameter_fields.h"

#include "base/number_text.h"

namespace orv {

double& FieldSlot(Field field, FlightData& fd) {
  switch (field) {
    case Field::edH0:
      return fd.H0();
    case Field::edV0:
      return fd.V0();
    case Field::edTk:
      return fd.Tk();
    case Field::eddt0:
      return fd.dt0();
    case Field::edMassaStart:
      return fd.MassaStart();
    case Field::edVwind:
      return fd.Vwind();
    case Field::EdS0:
      return fd.S0;
    case Field::EdCx:
      return fd.Cx();
    case Field::EdCy:
      return fd.Cy();
    case Field::EdTTO:
      break;
  }
  return fd.TTO();
}

void ActivateParameterSet(const PresetRecord& preset, FlightData& fd, FieldDisplay& display) {
  fd.H0() = preset[kPresetH0];
  display.Show(Field::edH0, fd.H0());
  fd.V0() = preset[kPresetV0];
  display.Show(Field::edV0, fd.V0());
  fd.MassaStart() = preset[kPresetMass];
  display.Show(Field::edMassaStart, fd.MassaStart());
  fd.S0 = preset[kPresetArea];
  display.Show(Field::EdS0, fd.S0);
  fd.Cx() = preset[kPresetCx];
  display.Show(Field::EdCx, fd.Cx());
  fd.Cy() = preset[kPresetCy];
  display.Show(Field::EdCy, fd.Cy());
  fd.TTO() = preset[kPresetAngle];
  display.Show(Field::EdTTO, fd.TTO());
  fd.TkInit() = preset[kPresetTk];
  display.Show(Field::edTk, fd.TkInit());
  fd.HkInit() = preset[kPresetHk];
  fd.dt0Init() = preset[kPresetDt0];
  display.Show(Field::eddt0, fd.dt0Init());
  fd.VwindInit() = preset[kPresetWind];
  display.Show(Field::edVwind, fd.VwindInit());
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
