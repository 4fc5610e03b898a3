#include "gui/tool_texts.h"

#include <cstring>

#include "base/input_table.h"
#include "gui/interface_texts.h"

namespace orv {
namespace {

struct ControlTip {
  const char* control;
  Texts3 tip;
};

// clang-format off
const ControlTip kTips[] = {
    {"Button1", {"Старт: рассчитать полёт, записать Orvantis_500.txt и построить основной график (F5, Ctrl+Enter)",
                 "Start: Flug berechnen, Orvantis_500.txt schreiben und das Standarddiagramm zeichnen (F5, Strg+Eingabe)",
                 "Start: compute the flight, write Orvantis_500.txt and draw the default chart (F5, Ctrl+Return)"}},
    {"Button5", {"Назад в стартовое окно (выбор языка)", "Zurück zum Startfenster (Sprachwahl)",
                 "Back to the start window (choice of language)"}},
    {"Button28", {"О программе и принятых допущениях", "Über das Programm und seine Annahmen",
                  "About the program and its assumptions"}},
    {"Button3", {"Высота в зависимости от времени", "Höhe über der Zeit", "Height against time"}},
    {"Button27", {"Скорость в зависимости от времени", "Geschwindigkeit über der Zeit", "Speed against time"}},
    {"Button22", {"Высота и скорость в зависимости от времени", "Höhe und Geschwindigkeit über der Zeit",
                  "Height and speed against time"}},
    {"Button8", {"Угол траектории в зависимости от времени", "Bahnwinkel über der Zeit", "Path angle against time"}},
    {"Button4", {"Равнодействующая сила вдоль траектории в зависимости от времени",
                 "Resultierende Kraft längs der Bahn über der Zeit", "Net force along the path against time"}},
    {"Button10", {"Высота, скорость, угол траектории, кинетическая энергия и дальность в зависимости от времени",
                  "Höhe, Geschwindigkeit, Bahnwinkel, kinetische Energie und Reichweite über der Zeit",
                  "Height, speed, path angle, kinetic energy and range against time"}},
    {"Button9", {"Высота, скорость, угол траектории, кинетическая энергия и сопротивление в зависимости от дальности "
                 "(основной график)",
                 "Höhe, Geschwindigkeit, Bahnwinkel, kinetische Energie und Widerstand über der Reichweite "
                 "(Standarddiagramm)",
                 "Height, speed, path angle, kinetic energy and drag against range (the default chart)"}},
    {"Button2", {"Высота и скорость в зависимости от дальности", "Höhe und Geschwindigkeit über der Reichweite",
                 "Height and speed against range"}},
    {"Button16", {"Высота в зависимости от дальности", "Höhe über der Reichweite", "Height against range"}},
    {"Button15", {"Высота в зависимости от скорости (скорость по оси x)",
                  "Höhe über der Geschwindigkeit (Geschwindigkeit auf der x-Achse)",
                  "Height against speed (speed on the x axis)"}},
};

const Texts3 kMenu[] = {
    {"Сохранить график как PNG...", "Diagramm als PNG speichern...", "Save chart as PNG..."},
    {"Сохранить график как SVG...", "Diagramm als SVG speichern...", "Save chart as SVG..."},
    {"Копировать график", "Diagramm kopieren", "Copy chart"},
    {"Экспортировать данные в CSV...", "Daten als CSV exportieren...", "Export data as CSV..."},
    {"Копировать результаты", "Ergebnisse kopieren", "Copy results"},
};

const Texts3 kNotANumber{"Не число; используется значение ", "Keine Zahl; verwendet wird der Wert ",
                         "Not a number; the value in use is "};
const Texts3 kFileWritten{"Файл результатов Orvantis_500.txt записан. ",
                          "Die Ergebnisdatei Orvantis_500.txt wurde geschrieben. ",
                          "The results file Orvantis_500.txt was written. "};
const Texts3 kNoXScale{"График не имеет масштаба: величина по оси x (", "Das Diagramm hat keinen Maßstab: die Größe der x-Achse (",
                       "The chart has no scale: the x axis quantity ("};
const Texts3 kNeverPositive{") ни разу не больше нуля.", ") ist nie größer als null.", ") is never greater than zero."};
const Texts3 kNoCurveScale{"График не имеет масштаба: кривая ", "Das Diagramm hat keinen Maßstab: die Kurve ",
                           "The chart has no scale: the curve "};
const Texts3 kZeroThroughout{" всюду равна нулю.", " ist überall null.", " is zero throughout."};
const Texts3 kRunFault[2]{{"Последний расчёт остановлен ошибкой при t = ", "Der letzte Lauf brach bei t = ",
                           "The last run stopped with a fault at t = "},
                          {" с, поэтому его данные неполны. ", " s mit einem Fehler ab, seine Daten sind daher unvollständig. ",
                           " s, so its samples are incomplete. "}};
const Texts3 kSaveChart{"Сохранить график", "Diagramm speichern", "Save chart"};
const Texts3 kExportData{"Экспорт данных", "Daten exportieren", "Export data"};
// clang-format on

}  // namespace

const char* Pick(const Texts3& texts, int languageNo) {
  if (languageNo == kRussian) return texts.russian;
  if (languageNo == kEnglish) return texts.english;
  return texts.german;
}

const Texts3* ToolTipOf(const char* control) {
  for (const InputInfo& info : InputTable())
    if (info.control && std::strcmp(info.control, control) == 0) return &info.tip;
  for (const ControlTip& tip : kTips)
    if (std::strcmp(tip.control, control) == 0) return &tip.tip;
  return nullptr;
}

const Texts3& MenuText(ChartMenuItem item) { return kMenu[static_cast<int>(item)]; }

std::string NotANumberText(int languageNo, const std::string& valueInUse) {
  return Pick(kNotANumber, languageNo) + valueInUse;
}

std::string NoScaleText(int languageNo, const std::string& name, bool xAxis, bool resultsWritten) {
  std::string text = resultsWritten ? Pick(kFileWritten, languageNo) : "";
  if (xAxis) return text + Pick(kNoXScale, languageNo) + name + Pick(kNeverPositive, languageNo);
  return text + Pick(kNoCurveScale, languageNo) + "\"" + name + "\"" + Pick(kZeroThroughout, languageNo);
}

std::string RunFaultText(int languageNo, const std::string& time) {
  return Pick(kRunFault[0], languageNo) + time + Pick(kRunFault[1], languageNo);
}

const Texts3& SaveChartTitle() { return kSaveChart; }
const Texts3& ExportDataTitle() { return kExportData; }

}  // namespace orv
