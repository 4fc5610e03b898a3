#include "base/input_table.h"

#include <algorithm>

namespace orv {
namespace {

// The end time, the time step and the wind are loaded into slots of their own;
// their fields' handlers carry them into the working slots.
// clang-format off
constexpr std::array<InputInfo, kInputCount> kInputs{{
    {.id = Input::kCx, .name = "cx", .unit = "", .csvUnit = "", .meaning = "drag coefficient",
     .defaultValue = 2.1, .preset = kPresetCx, .load = kCx, .slot = kCx,
     .field = Field::EdCx, .control = "EdCx",
     .tip = {"Коэффициент сопротивления Cx: коэффициент лобового сопротивления (безразмерный)",
             "Cw: Widerstandsbeiwert (dimensionslos)", "Drag coefficient Cd (dimensionless)"},
     .tabOrder = 14, .label = "Label13", .caption = {"Коэффициент сопротивления Cx", "Cw", "drag coefficient,Cd"},
     .title = {"Cx", "Cw", "cx"}},
    {.id = Input::kCy, .name = "cy", .unit = "", .csvUnit = "", .meaning = "lift coefficient",
     .defaultValue = 0, .preset = kPresetCy, .load = kCy, .slot = kCy,
     .field = Field::EdCy, .control = "EdCy",
     .tip = {"Коэффициент подъёмной силы Cy (безразмерный)", "Auftriebsbeiwert Cy (dimensionslos)",
             "Lift coefficient Cy (dimensionless)"},
     .tabOrder = 15, .label = nullptr, .caption = {nullptr, nullptr, nullptr},
     .title = {"Cy", "Cy", "cy"}},
    {.id = Input::kMass, .name = "mass", .unit = "kg", .csvUnit = "kg", .meaning = "launch mass",
     .defaultValue = 0.18, .preset = kPresetMass, .load = kMassaStart, .slot = kMassaStart,
     .field = Field::edMassaStart, .control = "edMassaStart",
     .tip = {"Вес гарпуна m0, кг: начальная масса гарпуна", "m, kg: Startmasse der Harpune",
             "Launching mass m, kg: the mass of the harpoon at launch"},
     .tabOrder = 10, .label = "Label8", .caption = {"Вес гарпуна,m0,кг", "m,kg", "launching mass, m,kg"},
     .title = {"масса", "Masse", "mass"}},
    {.id = Input::kArea, .name = "area", .unit = "m2", .csvUnit = "m2", .meaning = "reference area",
     .defaultValue = 0.00005, .preset = kPresetArea, .load = InputSlot::Area(), .slot = InputSlot::Area(),
     .field = Field::EdS0, .control = "EdS0",
     .tip = {"Площадь So, м²: площадь миделя (поперечного сечения)", "Flaeche, m²: Bezugsfläche (Querschnitt)",
             "Lifting area So, m²: the reference (cross-section) area the drag acts on"},
     .tabOrder = 13, .label = "Label19", .caption = {"Площадь,So,м2", "Flaeche, m2", "lifting area,So,m2"},
     .title = {"площадь", "Fläche", "area"}},
    {.id = Input::kAngle, .name = "angle", .unit = "degrees", .csvUnit = "deg", .meaning = "launch path angle",
     .defaultValue = 0, .preset = kPresetAngle, .load = kTTO, .slot = kTTO,
     .field = Field::EdTTO, .control = "EdTTO",
     .tip = {"Угол наклона траектории Qo, градусы: начальный угол (0 — горизонтально, меньше 0 — вниз)",
             "Qo, Grad: Abschusswinkel der Bahn (0 = waagerecht, negativ = abwärts)",
             "Trajectory angle Qo, degrees: the launch path angle (0 = horizontal, negative = downwards)"},
     .tabOrder = 16, .label = "Label14", .caption = {"Угол наклона траектории,Qo,град", "Qo, grad", "trajectory angle,Qo,grad"},
     .title = {"угол", "Winkel", "angle"}},
    {.id = Input::kH0, .name = "h0", .unit = "m", .csvUnit = "m", .meaning = "launch height",
     .defaultValue = 1.7, .preset = kPresetH0, .load = kH0, .slot = kH0,
     .field = Field::edH0, .control = "edH0",
     .tip = {"Высота Ho, м: начальная высота (глубина отсчитывается вниз от 0)", "Ho, m: Abschusshöhe",
             "Altitude Ho, m: the launch height"},
     .tabOrder = 3, .label = "Label25", .caption = {"Высота,Ho,м", "Ho,m ", "altitude,Ho,m"},
     .title = {"высота", "Höhe", "h0"}},
    {.id = Input::kV0, .name = "v0", .unit = "m/s", .csvUnit = "m/s", .meaning = "launch speed",
     .defaultValue = 30.2, .preset = kPresetV0, .load = kV0, .slot = kV0,
     .field = Field::edV0, .control = "edV0",
     .tip = {"Скорость V, м/с: начальная скорость", "Vo, m/s: Abschussgeschwindigkeit",
             "Velocity Vo, m/s: the launch speed"},
     .tabOrder = 4, .label = "edV", .caption = {"Скорость, V, м/c", "Vo, m/s", "velocity,Vo,m/s"},
     .title = {"скорость", "Geschwindigkeit", "v0"}},
    {.id = Input::kTk, .name = "tk", .unit = "s", .csvUnit = "s", .meaning = "end time",
     .defaultValue = 5.0, .preset = kPresetTk, .load = kTkInit, .slot = kTk,
     .field = Field::edTk, .control = "edTk",
     .tip = {"Время t, с: время окончания расчёта", "t, s: Endzeit der Rechnung",
             "Time, s: the end time of the calculation"},
     .tabOrder = 5, .label = "Label3", .caption = {"Время, t,с", "t,S.", "time,s"},
     .title = {"время", "Endzeit", "tk"}},
    {.id = Input::kHk, .name = "hk", .unit = "m", .csvUnit = "m", .meaning = "end height",
     .defaultValue = 0, .preset = kPresetHk, .load = kHkInit, .slot = kHkInit,
     .field = std::nullopt, .control = nullptr, .tip = {nullptr, nullptr, nullptr},
     .tabOrder = 0, .label = nullptr, .caption = {nullptr, nullptr, nullptr},
     .title = {"конечная высота", "Endhöhe", "hk"}},
    {.id = Input::kDt, .name = "dt", .unit = "s", .csvUnit = "s", .meaning = "integration time step",
     .defaultValue = 0.0001, .preset = kPresetDt0, .load = kDt0Init, .slot = kDt0,
     .field = Field::eddt0, .control = "eddt0",
     .tip = {"Шаг интегрирования по времени, с", "Zeitschritt der Integration, s", "Integration time step, s"},
     .tabOrder = 9, .label = nullptr, .caption = {nullptr, nullptr, nullptr},
     .title = {"шаг", "Zeitschritt", "dt"}},
    {.id = Input::kWind, .name = "wind", .unit = "m/s", .csvUnit = "m/s", .meaning = "wind speed",
     .defaultValue = 0, .preset = kPresetWind, .load = kVwindInit, .slot = kVwind,
     .field = Field::edVwind, .control = "edVwind",
     .tip = {"Скорость течения среды, м/с", "Strömungsgeschwindigkeit des Mediums, m/s",
             "Speed of the medium's current, m/s"},
     .tabOrder = 11, .label = nullptr, .caption = {nullptr, nullptr, nullptr},
     .title = {"течение", "Strömung", "wind"}},
}};
// clang-format on

constexpr bool IdsInOrder() {
  for (int i = 0; i < kInputCount; ++i)
    if (static_cast<int>(kInputs[static_cast<std::size_t>(i)].id) != i) return false;
  return true;
}
static_assert(IdsInOrder(), "the table lists the inputs in the order of Input");

constexpr bool EveryFieldOnce() {
  for (int f = 0; f < kFieldCount; ++f) {
    int rows = 0;
    for (const InputInfo& info : kInputs) rows += info.field && static_cast<int>(*info.field) == f;
    if (rows != 1) return false;
  }
  return true;
}
static_assert(EveryFieldOnce(), "each edit field belongs to exactly one input");

constexpr std::array<Field, kFieldCount> SortedByTabOrder() {
  std::array<const InputInfo*, kFieldCount> rows{};
  std::size_t n = 0;
  for (const InputInfo& info : kInputs)
    if (info.field) rows[n++] = &info;
  std::ranges::sort(rows, {}, &InputInfo::tabOrder);
  std::array<Field, kFieldCount> fields{};
  for (std::size_t k = 0; k < rows.size(); ++k) fields[k] = *rows[k]->field;
  return fields;
}
constexpr std::array<Field, kFieldCount> kFieldsInTabOrder = SortedByTabOrder();

}  // namespace

std::span<const InputInfo> InputTable() { return kInputs; }

const InputInfo& InfoOf(Input input) { return kInputs[static_cast<std::size_t>(input)]; }

const InputInfo& InfoOf(Field field) {
  for (const InputInfo& info : kInputs)
    if (info.field == field) return info;
  return kInputs.front();  // not reached: every field has its row
}

std::span<const Field> FieldsInTabOrder() { return kFieldsInTabOrder; }

std::optional<Input> FindInput(std::string_view name) {
  for (const InputInfo& info : kInputs)
    if (name == info.name) return info.id;
  return std::nullopt;
}

FlightInputs DefaultInputs() {
  FlightInputs inputs{};
  for (const InputInfo& info : kInputs) inputs[static_cast<std::size_t>(info.id)] = info.defaultValue;
  return inputs;
}

void ApplyInputs(const FlightInputs& inputs, FlightData& fd) {
  // The activation loads every default (the end height, which has no field, is loaded
  // with its value); typing a text into a field then puts the value it reads as into
  // the field's slot. The slots are filled directly: a study has no fields to show.
  for (const InputInfo& info : kInputs) {
    const double value = inputs[static_cast<std::size_t>(info.id)];
    info.load(fd) = info.field ? info.defaultValue : value;
  }
  for (const InputInfo& info : kInputs)
    if (info.field) info.slot(fd) = inputs[static_cast<std::size_t>(info.id)];
}

FlightInputs InputsInForce(const FlightData& fd) {
  FlightInputs inputs{};
  for (const InputInfo& info : kInputs) inputs[static_cast<std::size_t>(info.id)] = info.slot(fd);
  return inputs;
}

}  // namespace orv
