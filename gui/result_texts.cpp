#include "gui/result_texts.h"

#include "gui/tool_texts.h"

namespace orv {
namespace {

struct Named {
  const char* key;
  Texts3 text;
};

// clang-format off
const Named kFigures[] = {
    {"flight_time", {"Время полёта", "Flugzeit", "flight time"}},
    {"range", {"Дальность", "Reichweite", "range"}},
    {"greatest_height", {"Наибольшая высота", "Größte Höhe", "greatest height"}},
    {"end_speed", {"Скорость в конце", "Geschwindigkeit am Ende", "speed at the end"}},
    {"end_path_angle", {"Угол траектории в конце", "Bahnwinkel am Ende", "path angle at the end"}},
    {"end_kinetic_energy", {"Кинетическая энергия в конце", "Kinetische Energie am Ende", "kinetic energy at the end"}},
    {kStepsKey, {"Шагов за проход", "Schritte je Durchgang", "steps per pass"}},
};

// Russian writes its units in Cyrillic, as the window's labels do; German and
// English keep the symbols, but for the degree.
const Named kUnits[] = {
    {"s", {"с", "s", "s"}},
    {"min", {"мин", "min", "min"}},
    {"h", {"ч", "h", "h"}},
    {"m", {"м", "m", "m"}},
    {"km", {"км", "km", "km"}},
    {"m/s", {"м/с", "m/s", "m/s"}},
    {"kg", {"кг", "kg", "kg"}},
    {"m2", {"м2", "m2", "m2"}},
    {"deg", {"град", "Grad", "deg"}},
    {"J", {"Дж", "J", "J"}},
    {"bar", {"бар", "bar", "bar"}},
};

const Texts3 kHeading{"Результаты расчёта", "Ergebnisse des Laufs", "Results of the run"};
const Texts3 kStale{"Исходные данные изменены: нажмите START", "Eingaben geändert: START drücken",
                    "Inputs changed: press START"};
const Texts3 kEarlierChart{"График — от прежнего расчёта", "Das Diagramm zeigt einen früheren Lauf",
                           "The chart shows an earlier run"};
// clang-format on

const Texts3* Find(const Named* table, std::size_t count, std::string_view key) {
  for (std::size_t k = 0; k < count; ++k)
    if (key == table[k].key) return &table[k].text;
  return nullptr;
}

}  // namespace

const Texts3* FigureName(std::string_view key) { return Find(kFigures, std::size(kFigures), key); }

std::string UnitText(std::string_view unit, Language language) {
  const Texts3* text = Find(kUnits, std::size(kUnits), unit);
  return text ? Pick(*text, language) : std::string(unit);
}

const WarningTexts& WarningText() {
  static const WarningTexts texts{
      {"предупреждение", "Warnung", "warning"},
      {"скорость прошла через ноль при t = %1; уравнение угла наклона траектории там не выполняется",
       "die Geschwindigkeit ging bei t = %1 durch null; die Gleichung des Bahnwinkels gilt dort nicht",
       "the speed passed zero at t = %1; the path-angle equation does not hold there"},
      {"старт ниже конечной высоты: классический расчёт делает один шаг, прежде чем проверить высоту, RK45 "
       "ни одного",
       "Start unter der Endhöhe: die klassische Rechnung macht einen Schritt, bevor sie die Höhe prüft, RK45 "
       "keinen",
       "launched below the end height: euler flies one step before it looks at the height, rk45 none"},
  };
  return texts;
}

const Texts3& ResultsHeading() { return kHeading; }
const Texts3& StaleResultsText() { return kStale; }
const Texts3& EarlierChartText() { return kEarlierChart; }

}  // namespace orv
