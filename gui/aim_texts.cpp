#include "gui/aim_texts.h"

namespace orv {
namespace {

// clang-format off
const AimTexts kAim{
    {"Прицелиться в цель...", "Auf ein Ziel zielen...", "Aim at a target..."},
    {"Дальность цели, м", "Entfernung des Ziels, m", "Target range, m"},
    {"Высота цели, м", "Höhe des Ziels, m", "Target height, m"},
    {"Размер цели по высоте, м (0 — без зоны поражения)", "Größe des Ziels in der Höhe, m (0: ohne Trefferzone)",
     "Target size in height, m (0: no danger space)"},
    {"Найти угол", "Winkel finden", "Find the angle"},
    {"Угол, градусы", "Winkel, Grad", "Angle, degrees"},
    {"Время, с", "Zeit, s", "Time, s"},
    {"Скорость, м/с", "Geschwindigkeit, m/s", "Speed, m/s"},
    {"Энергия, Дж", "Energie, J", "Energy, J"},
    {"Угол траектории, градусы", "Bahnwinkel, Grad", "Path angle, degrees"},
    {"настильная", "direkt", "direct"},
    {"навесная", "Steilschuss", "lobbed"},
    {"Взять этот угол", "Diesen Winkel übernehmen", "Use this angle"},
    {"Зона поражения: от %1 до %2 (%3)", "Trefferzone: von %1 bis %2 (%3)", "Danger space: from %1 to %2 (%3)"},
    {"Цель недостижима: на этой высоте дальше всего %1, при угле %2",
     "Ziel nicht erreichbar: in dieser Höhe am weitesten %1, bei Winkel %2",
     "Out of reach: at this height the furthest is %1, at angle %2"},
    {"Цель недостижима: ни одна траектория не поднимается так высоко; выше всего %1, при угле %2",
     "Ziel nicht erreichbar: keine Bahn steigt so hoch; am höchsten %1, bei Winkel %2",
     "Out of reach: no path rises to this height; the highest is %1, at angle %2"},
    {"Цель должна быть впереди точки пуска и не ниже конечной высоты",
     "Das Ziel muss vor dem Abschusspunkt und nicht unter der Endhöhe liegen",
     "The target must lie ahead of the launch point and not below the end height"},
    {"Поиск угла", "Winkelsuche", "Searching the angle"},
};

const RangeTableTexts kRangeTable{
    {"Таблица стрельбы...", "Schusstafel...", "Range table..."},
    {"Шаг по дальности, м", "Schritt der Entfernung, m", "Step of range, m"},
    {"Показать", "Anzeigen", "Show"},
    {"Копировать", "Kopieren", "Copy"},
    {"Экспорт CSV...", "CSV exportieren...", "Export CSV..."},
    {"Дальность, м", "Entfernung, m", "Range, m"},
    {"Время, с", "Zeit, s", "Time, s"},
    {"Высота, м", "Höhe, m", "Height, m"},
    {"Понижение, м", "Abfall, m", "Drop, m"},
    {"Скорость, м/с", "Geschwindigkeit, m/s", "Speed, m/s"},
    {"Энергия, Дж", "Energie, J", "Energy, J"},
    {"Угол траектории, градусы", "Bahnwinkel, Grad", "Path angle, degrees"},
    {"Шаг должен быть больше нуля, строк не более миллиона",
     "Der Schritt muss größer als 0 sein, höchstens eine Million Zeilen",
     "The step must be greater than 0, with at most a million rows"},
};

const SpreadTexts kSpread{
    {"Вероятность попадания...", "Trefferwahrscheinlichkeit...", "Chance of a hit..."},
    {"Дальность цели, м", "Entfernung des Ziels, m", "Target range, m"},
    {"Высота цели, м", "Höhe des Ziels, m", "Target height, m"},
    {"Радиус цели, м", "Radius des Ziels, m", "Target radius, m"},
    {"Разброс скорости, м/с", "Streuung der Geschwindigkeit, m/s", "Spread of the launch speed, m/s"},
    {"Разброс угла, градусы", "Streuung des Winkels, Grad", "Spread of the angle, degrees"},
    {"Разброс Cx", "Streuung von Cw", "Spread of the drag coefficient"},
    {"Разброс массы, кг", "Streuung der Masse, kg", "Spread of the mass, kg"},
    {"Число бросков", "Anzahl der Würfe", "Number of draws"},
    {"Сначала прицелиться", "Zuerst zielen", "Aim first"},
    {"Рассчитать", "Berechnen", "Compute"},
    {"Вероятность попадания: %1 (95 %: от %2 до %3)", "Trefferwahrscheinlichkeit: %1 (95 %: %2 bis %3)",
     "Chance of a hit: %1 (95 %: %2 to %3)"},
    {"Высота на дальности цели: в среднем %1, разброс %2", "Höhe in Zielentfernung: im Mittel %1, Streuung %2",
     "Height at the target's range: mean %1, spread %2"},
    {"Не долетают: %1", "Erreichen sie nicht: %1", "Not reaching it: %1"},
    {"%1 отдельно: разброс %2, доля %3", "%1 allein: Streuung %2, Anteil %3", "%1 alone: spread %2, share %3"},
    {"Бросок %1 из %2", "Wurf %1 von %2", "Draw %1 of %2"},
    {"Разброс и радиус не могут быть отрицательными; бросков от 1 до 10 000 000",
     "Streuung und Radius dürfen nicht negativ sein; 1 bis 10 000 000 Würfe",
     "Spreads and the radius must not be negative; 1 to 10,000,000 draws"},
    {"H на дальности X, м", "H bei X, m", "H at X, m"},
    {"бросков", "Würfe", "n"},
};
// clang-format on

}  // namespace

const AimTexts& AimText() { return kAim; }
const RangeTableTexts& RangeTableText() { return kRangeTable; }
const SpreadTexts& SpreadText() { return kSpread; }

}  // namespace orv
