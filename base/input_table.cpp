#include "base/input_table.h"

namespace orv {
namespace {

template <Slot N>
double& At(FlightData& fd) {
  return fd.slot[N];
}

double& AreaS0(FlightData& fd) { return fd.S0; }

// The end time, the time step and the wind are loaded into slots of their own;
// their fields' handlers carry them into the working slots.
// clang-format off
constexpr std::array<InputInfo, kInputCount> kInputs{{
    {.id = Input::kCx, .name = "cx", .unit = "", .csvUnit = "", .meaning = "drag coefficient",
     .defaultValue = 2.1, .preset = kPresetCx, .load = At<kCx>, .slot = At<kCx>,
     .field = Field::EdCx, .control = "EdCx",
     .tip = {"Коэффициент сопротивления Cx: коэффициент лобового сопротивления (безразмерный)",
             "Cw: Widerstandsbeiwert (dimensionslos)", "Drag coefficient Cd (dimensionless)"}},
    {.id = Input::kCy, .name = "cy", .unit = "", .csvUnit = "", .meaning = "lift coefficient",
     .defaultValue = 0, .preset = kPresetCy, .load = At<kCy>, .slot = At<kCy>,
     .field = Field::EdCy, .control = "EdCy",
     .tip = {"Коэффициент подъёмной силы Cy (безразмерный)", "Auftriebsbeiwert Cy (dimensionslos)",
             "Lift coefficient Cy (dimensionless)"}},
    {.id = Input::kMass, .name = "mass", .unit = "kg", .csvUnit = "kg", .meaning = "launch mass",
     .defaultValue = 0.18, .preset = kPresetMass, .load = At<kMassaStart>, .slot = At<kMassaStart>,
     .field = Field::edMassaStart, .control = "edMassaStart",
     .tip = {"Вес гарпуна m0, кг: начальная масса гарпуна", "m, kg: Startmasse der Harpune",
             "Launching mass m, kg: the mass of the harpoon at launch"}},
    {.id = Input::kArea, .name = "area", .unit = "m2", .csvUnit = "m2", .meaning = "reference area",
     .defaultValue = 0.00005, .preset = kPresetArea, .load = AreaS0, .slot = AreaS0,
     .field = Field::EdS0, .control = "EdS0",
     .tip = {"Площадь So, м²: площадь миделя (поперечного сечения)", "Flaeche, m²: Bezugsfläche (Querschnitt)",
             "Lifting area So, m²: the reference (cross-section) area the drag acts on"}},
    {.id = Input::kAngle, .name = "angle", .unit = "degrees", .csvUnit = "deg", .meaning = "launch path angle",
     .defaultValue = 0, .preset = kPresetAngle, .load = At<kTTO>, .slot = At<kTTO>,
     .field = Field::EdTTO, .control = "EdTTO",
     .tip = {"Угол наклона траектории Qo, градусы: начальный угол (0 — горизонтально, меньше 0 — вниз)",
             "Qo, Grad: Abschusswinkel der Bahn (0 = waagerecht, negativ = abwärts)",
             "Trajectory angle Qo, degrees: the launch path angle (0 = horizontal, negative = downwards)"}},
    {.id = Input::kH0, .name = "h0", .unit = "m", .csvUnit = "m", .meaning = "launch height",
     .defaultValue = 1.7, .preset = kPresetH0, .load = At<kH0>, .slot = At<kH0>,
     .field = Field::edH0, .control = "edH0",
     .tip = {"Высота Ho, м: начальная высота (глубина отсчитывается вниз от 0)", "Ho, m: Abschusshöhe",
             "Altitude Ho, m: the launch height"}},
    {.id = Input::kV0, .name = "v0", .unit = "m/s", .csvUnit = "m/s", .meaning = "launch speed",
     .defaultValue = 30.2, .preset = kPresetV0, .load = At<kV0>, .slot = At<kV0>,
     .field = Field::edV0, .control = "edV0",
     .tip = {"Скорость V, м/с: начальная скорость", "Vo, m/s: Abschussgeschwindigkeit",
             "Velocity Vo, m/s: the launch speed"}},
    {.id = Input::kTk, .name = "tk", .unit = "s", .csvUnit = "s", .meaning = "end time",
     .defaultValue = 5.0, .preset = kPresetTk, .load = At<kTkInit>, .slot = At<kTk>,
     .field = Field::edTk, .control = "edTk",
     .tip = {"Время t, с: время окончания расчёта", "t, s: Endzeit der Rechnung",
             "Time, s: the end time of the calculation"}},
    {.id = Input::kHk, .name = "hk", .unit = "m", .csvUnit = "m", .meaning = "end height",
     .defaultValue = 0, .preset = kPresetHk, .load = At<kHkInit>, .slot = At<kHkInit>,
     .field = std::nullopt, .control = nullptr, .tip = {nullptr, nullptr, nullptr}},
    {.id = Input::kDt, .name = "dt", .unit = "s", .csvUnit = "s", .meaning = "integration time step",
     .defaultValue = 0.0001, .preset = kPresetDt0, .load = At<kDt0Init>, .slot = At<kDt0>,
     .field = Field::eddt0, .control = "eddt0",
     .tip = {"Шаг интегрирования по времени, с", "Zeitschritt der Integration, s", "Integration time step, s"}},
    {.id = Input::kWind, .name = "wind", .unit = "m/s", .csvUnit = "m/s", .meaning = "wind speed",
     .defaultValue = 0, .preset = kPresetWind, .load = At<kVwindInit>, .slot = At<kVwind>,
     .field = Field::edVwind, .control = "edVwind",
     .tip = {"Скорость течения среды, м/с", "Strömungsgeschwindigkeit des Mediums, m/s",
             "Speed of the medium's current, m/s"}},
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

}  // namespace

std::span<const InputInfo> InputTable() { return kInputs; }

const InputInfo& InfoOf(Input input) { return kInputs[static_cast<std::size_t>(input)]; }

const InputInfo& InfoOf(Field field) {
  for (const InputInfo& info : kInputs)
    if (info.field == field) return info;
  return kInputs.front();  // not reached: every field has its row
}

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

}  // namespace orv
