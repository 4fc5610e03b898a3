#include "gui/study_texts.h"

#include <cstring>

#include "base/number_text.h"
#include "gui/result_texts.h"

namespace orv {
namespace {

// clang-format off
struct SummaryLabelText {
  const char* key;  // SummaryValue::key
  Texts3 label;
};
const SummaryLabelText kSummaryLabels[] = {
    {"flight_time", {"время полёта", "Flugzeit", "flight time"}},
    {"range", {"дальность", "Reichweite", "range"}},
    {"greatest_height", {"наибольшая высота", "größte Höhe", "greatest height"}},
    {"end_speed", {"скорость в конце", "Geschwindigkeit am Ende", "speed at the end"}},
    {"end_path_angle", {"угол наклона траектории в конце", "Bahnwinkel am Ende", "path angle at the end"}},
    {"end_kinetic_energy", {"кинетическая энергия в конце", "kinetische Energie am Ende", "kinetic energy at the end"}},
};

const StepCheckTexts kStepCheck{
    {"Проверить шаг по времени", "Zeitschritt prüfen", "Check the time step"},
    {"Последний расчёт ещё раз с половинным шагом (%2 вместо %1). Погрешность шага — удвоенная разность "
     "двух расчётов: у метода Эйлера погрешность уменьшается вдвое вместе с шагом.",
     "Die letzte Rechnung noch einmal mit halbem Zeitschritt (%2 statt %1). Der Schrittfehler ist die "
     "doppelte Differenz der beiden Rechnungen: Beim Euler-Verfahren halbiert sich der Fehler mit dem Schritt.",
     "The last run again at half the time step (%2 instead of %1). The step error is twice the difference of "
     "the two runs: Euler's error halves with the step."},
    {"Величина", "Größe", "Quantity"},
    {"Значение", "Wert", "Value"},
    {"Погрешность шага, около", "Schrittfehler, etwa", "Step error, about"},
    {"Закрыть", "Schließen", "Close"},
};

const SweepTexts kSweep{
    {"Перебор значений...", "Parameterstudie...", "Sweep..."},
    {"Величина", "Eingabe", "Input"},
    {"от", "von", "from"},
    {"до", "bis", "to"},
    {"шаг", "Schritt", "step"},
    {"Результат", "Ergebnis", "Result"},
    {"точный расчёт (RK45)", "genau (RK45)", "accurate (RK45)"},
    {"наибольшее", "größter Wert", "greatest"},
    {"наименьшее", "kleinster Wert", "smallest"},
    {"Перебрать", "Durchrechnen", "Sweep"},
    {"Найти лучшее", "Bestes finden", "Find the best"},
    {"Отмена", "Abbrechen", "Cancel"},
    {"Расчёт %1 из %2", "Flug %1 von %2", "Flight %1 of %2"},
    {"Шаг не может быть нулевым и должен вести от начального значения к конечному",
     "Der Schritt darf nicht 0 sein und muss von \"von\" nach \"bis\" führen",
     "The step must not be 0 and must lead from \"from\" to \"to\""},
    {"Не более %1 значений", "Höchstens %1 Werte", "At most %1 values"},
    {"Наибольшее: %1 = %2 при %3", "Größter Wert: %1 = %2 bei %3", "Greatest: %1 = %2 at %3"},
    {"Наименьшее: %1 = %2 при %3", "Kleinster Wert: %1 = %2 bei %3", "Smallest: %1 = %2 at %3"},
    {"Лучшее: %1 = %2 при %3", "Bester Wert: %1 = %2 bei %3", "Best: %1 = %2 at %3"},
    {"Взять это значение", "Diesen Wert übernehmen", "Use this value"},
};
const Texts3 kNoteTolerance{"rk45, допуск ", "rk45, Toleranz ", "rk45, tolerance "};
const Texts3 kClassicRun{"классический расчёт, dt ", "klassischer Lauf, dt ", "classic run, dt "};
const Texts3 kAccurateRun{"точный расчёт (RK45), допуск ", "genauer Lauf (RK45), Toleranz ",
                          "accurate run (RK45), tolerance "};
// clang-format on

std::string Unit(const InputInfo& info, Language language) { return UnitText(info.csvUnit, language); }

}  // namespace

const Texts3& SummaryLabel(const SummaryValue& value) {
  for (const SummaryLabelText& text : kSummaryLabels)
    if (std::strcmp(text.key, value.key) == 0) return text.label;
  return kSummaryLabels[0].label;
}

const StepCheckTexts& StepCheckText() { return kStepCheck; }

std::string InputAxisTitle(Input input, Language language) {
  const InputInfo& info = InfoOf(input);
  const std::string unit = Unit(info, language);
  return Pick(info.title, language) + (unit.empty() ? "" : ", " + unit);
}

std::string InputAssignment(Input input, const std::string& value, Language language) {
  const InputInfo& info = InfoOf(input);
  const std::string unit = Unit(info, language);
  return Pick(info.title, language) + (" = " + value) + (unit.empty() ? "" : " " + unit);
}

void NameInputs(std::vector<RunInput>& inputs, Language language) {
  for (RunInput& input : inputs)
    if (const std::optional<Input> id = FindInput(input.name)) {
      input.label = Pick(InfoOf(*id).title, language);
      input.unit = Unit(InfoOf(*id), language);
    }
}

std::string MethodNote(const MethodChoice& method, Language language) {
  if (language == Language::kEnglish || method.method != FlightMethod::kRk45) return MethodText(method);
  const std::string text = MethodText(method);  // "rk45, tolerance 1e-09"
  return Pick(kNoteTolerance, language) + text.substr(text.rfind(' ') + 1);
}

std::string MethodLabel(const MethodChoice& method, double dt, Language language, char separator) {
  if (method.method == FlightMethod::kRk45)
    return Pick(kAccurateRun, language) + FormatGeneral(method.tolerance, 6, 2, separator);
  return Pick(kClassicRun, language) + FloatToText(dt, separator) + " " + UnitText("s", language);
}
const SweepTexts& SweepText() { return kSweep; }

}  // namespace orv
