#include "gui/comparison_texts.h"

#include <array>

namespace orv {
namespace {

// clang-format off
const ComparisonTexts kTexts{
    {"Сохранить этот расчёт для сравнения (сохранено: %1)", "Diesen Lauf zum Vergleich behalten (behalten: %1)",
     "Keep this run for comparison (%1 kept)"},
    {"Сравнить сохранённые расчёты...", "Behaltene Läufe vergleichen...", "Compare kept runs..."},
    {"Удалить сохранённые расчёты", "Behaltene Läufe verwerfen", "Clear kept runs"},
    {"По горизонтали (x)", "Waagerecht (x)", "Across (x)"},
    {"По вертикали (y)", "Senkrecht (y)", "Up (y)"},
    {"точно (RK45): пересчитать сохранённые расчёты методом RK45",
     "genau (RK45): die behaltenen Läufe mit RK45 neu rechnen",
     "accurate (RK45): fly the kept runs again with RK45"},
};

// In column order; reserved columns have none.
const std::array<Texts3, kSampleColumns> kQuantities{{
    {"время полёта", "Flugzeit", "flight time"},
    {"скорость", "Geschwindigkeit", "speed"},
    {"кинетическая энергия", "kinetische Energie", "kinetic energy"},
    {"высота", "Höhe", "height"},
    {"угол наклона траектории", "Bahnwinkel", "path angle"},
    {"сила сопротивления со знаком минус", "Widerstandskraft, negativ", "drag force, negated"},
    {nullptr, nullptr, nullptr},
    {"дальность", "Reichweite", "range"},
    {nullptr, nullptr, nullptr},
    {"продольная перегрузка", "Längslastvielfaches", "longitudinal load factor"},
    {"результирующая сила вдоль траектории", "resultierende Kraft längs der Bahn", "net force along the path"},
    {nullptr, nullptr, nullptr},
    {"архимедова сила плюс 1e-9", "Auftriebsterm plus 1e-9", "buoyancy term plus 1e-9"},
    {"скорость течения", "Strömungsgeschwindigkeit", "current speed"},
    {"удельный импульс", "spezifischer Impuls", "specific impulse"},
    {"тяга", "Schub", "thrust"},
    {"масса", "Masse", "mass"},
    {"тяга на единицу массы", "Schub je Masse", "thrust per mass"},
    {nullptr, nullptr, nullptr},
    {"объём тела", "Volumen des Körpers", "volume of the body"},
    {"архимедова сила", "Auftrieb", "buoyancy"},
    {"сила сопротивления", "Widerstandskraft", "drag force"},
    {"подъёмная сила", "Auftriebskraft (Lift)", "lift force"},
    {"коэффициент сопротивления", "Widerstandsbeiwert", "drag coefficient"},
    {"коэффициент подъёмной силы", "Auftriebsbeiwert", "lift coefficient"},
    {"число Маха", "Machzahl", "Mach number"},
    {"температура", "Temperatur", "temperature"},
    {"давление", "Druck", "pressure"},
    {"плотность среды", "Dichte des Mediums", "density of the medium"},
    {"число Рейнольдса на 1 м / 1000", "Reynoldszahl je 1 m / 1000", "Reynolds number per 1 m / 1000"},
}};
// clang-format on

}  // namespace

const ComparisonTexts& ComparisonText() { return kTexts; }

const Texts3* QuantityName(Col c) {
  const Texts3& name = kQuantities[static_cast<std::size_t>(Index(c))];
  return name.english ? &name : nullptr;
}

}  // namespace orv
