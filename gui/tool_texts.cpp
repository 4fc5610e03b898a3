#include "gui/tool_texts.h"

#include <cstring>

#include "base/input_table.h"
#include "base/number_text.h"
#include "gui/interface_texts.h"

namespace orv {
namespace {

struct ControlTip {
  const char* control;
  Texts3 tip;
};

// clang-format off
// Each tooltip begins with the control's own caption, then explains it.
const ControlTip kTips[] = {
    {"Button1", {"START: рассчитать полёт, записать Orvantis_500.txt и построить основной график (F5, Ctrl+Enter)",
                 "START: Flug berechnen, Orvantis_500.txt schreiben und das Standarddiagramm zeichnen (F5, Strg+Eingabe)",
                 "START: compute the flight, write Orvantis_500.txt and draw the default chart (F5, Ctrl+Return)"}},
    {"Button5", {"MAIN: назад в стартовое окно, где остаётся только QUIT (язык выбирается один раз за запуск программы)",
                 "MAIN: zurück zum Startfenster, wo nur noch QUIT bleibt (die Sprache wird einmal je Programmlauf gewählt)",
                 "MAIN: back to the start window, where only QUIT is left (the language is chosen once per program run)"}},
    {"Button28", {"О программе расчета: что и как рассчитывается, принятые допущения",
                  "О программе расчета: über das Programm und seine Annahmen",
                  "О программе расчета: about the program and its assumptions"}},
    {"Button3", {"H = f (t): высота в зависимости от времени", "H = f (t): Höhe über der Zeit",
                 "H = f (t): height against time"}},
    {"Button27", {"V = f (t): скорость в зависимости от времени", "V = f (t): Geschwindigkeit über der Zeit",
                  "V = f (t): speed against time"}},
    {"Button22", {"V, H = f (t): скорость и высота в зависимости от времени",
                  "V, H = f (t): Geschwindigkeit und Höhe über der Zeit", "V, H = f (t): speed and height against time"}},
    {"Button8", {"Q = f(t): угол траектории в зависимости от времени", "Q = f(t): Bahnwinkel über der Zeit",
                 "Q = f(t): path angle against time"}},
    {"Button4", {"F = f (t): равнодействующая сила вдоль траектории в зависимости от времени",
                 "F = f (t): resultierende Kraft längs der Bahn über der Zeit",
                 "F = f (t): net force along the path against time"}},
    {"Button10", {"H,V,Q,E,x: высота, скорость, угол траектории, кинетическая энергия и дальность в зависимости от "
                  "времени",
                  "H,V,Q,E,x: Höhe, Geschwindigkeit, Bahnwinkel, kinetische Energie und Reichweite über der Zeit",
                  "H,V,Q,E,x: height, speed, path angle, kinetic energy and range against time"}},
    {"Button9", {"H,V,Q,E,X: высота, скорость, угол траектории, кинетическая энергия и сопротивление в зависимости от "
                 "дальности X (основной график)",
                 "H,V,Q,E,X: Höhe, Geschwindigkeit, Bahnwinkel, kinetische Energie und Widerstand über der "
                 "Reichweite X (Standarddiagramm)",
                 "H,V,Q,E,X: height, speed, path angle, kinetic energy and drag against the range X (the default "
                 "chart)"}},
    {"Button2", {"V, H = f (x): скорость и высота в зависимости от дальности",
                 "V, H = f (x): Geschwindigkeit und Höhe über der Reichweite",
                 "V, H = f (x): speed and height against range"}},
    {"Button16", {"H = f (x): высота в зависимости от дальности", "H = f (x): Höhe über der Reichweite",
                  "H = f (x): height against range"}},
    {"Button15", {"V=f(H): высота в зависимости от скорости (скорость по оси x)",
                  "V=f(H): Höhe über der Geschwindigkeit (Geschwindigkeit auf der x-Achse)",
                  "V=f(H): height against speed (speed on the x axis)"}},
};

const Texts3 kMenu[] = {
    {"Сохранить график как PNG...", "Diagramm als PNG speichern...", "Save chart as PNG..."},
    {"Сохранить график как SVG...", "Diagramm als SVG speichern...", "Save chart as SVG..."},
    {"Копировать график", "Diagramm kopieren", "Copy chart"},
    {"Экспортировать данные в CSV...", "Daten als CSV exportieren...", "Export data as CSV..."},
    {"Копировать результаты", "Ergebnisse kopieren", "Copy results"},
};

const Texts3 kFieldKeeps[3]{{"Поле «", "Das Feld „", "The field \""},
                            {"» сохраняет значение ", "“ behält den Wert ", "\" keeps the value "},
                            {", пока его текст не станет числом.", ", bis sein Text eine Zahl ist.",
                             " until its text is a number."}};
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
const Texts3 kLikelyCause{"Вероятная причина: ", "Wahrscheinliche Ursache: ", "Likely cause: "};
const Texts3 kZeroSpeed{"начальная скорость равна 0.", "die Abschussgeschwindigkeit ist 0.", "the launch speed is 0."};
const Texts3 kZeroMass{"масса гарпуна равна 0.", "die Masse ist 0.", "the mass is 0."};
const Texts3 kZeroArea{"площадь равна 0 при ненулевом Cx.", "die Fläche ist 0, der Widerstandsbeiwert nicht.",
                       "the area is 0 while the drag coefficient is not."};
const Texts3 kZeroEndTime{"время окончания расчёта равно 0.", "die Endzeit ist 0.", "the end time is 0."};
const Texts3 kZeroStep{"шаг по времени равен 0.", "der Zeitschritt ist 0.", "the time step is 0."};
const Texts3 kStoppedAt[2]{{"Полёт остановлен при t = ", "Der Flug brach bei t = ", "The flight stopped at t = "},
                           {" с: проверьте исходные данные (нулевые, отрицательные или слишком большие значения).",
                            " s ab: Eingaben prüfen (Werte von 0, negative oder zu große Werte).",
                            " s: check the inputs for values that are 0, negative or too large."}};
const Texts3 kNotAValidNumber{"' — недопустимое число с плавающей точкой", "' ist keine gültige Gleitkommazahl", ""};
const Texts3 kSaveChart{"Сохранить график", "Diagramm speichern", "Save chart"};
const Texts3 kExportData{"Экспорт данных", "Daten exportieren", "Export data"};
// clang-format on

}  // namespace

const Texts3* ToolTipOf(const char* control) {
  for (const InputInfo& info : InputTable())
    if (info.control && std::strcmp(info.control, control) == 0) return &info.tip;
  for (const ControlTip& tip : kTips)
    if (std::strcmp(tip.control, control) == 0) return &tip.tip;
  return nullptr;
}

const Texts3& MenuText(ChartMenuItem item) { return kMenu[static_cast<int>(item)]; }

std::string NotANumberText(Language language, const std::string& valueInUse) {
  return Pick(kNotANumber, language) + valueInUse;
}

std::string FieldKeepsText(Language language, const std::string& name, const std::string& valueInUse) {
  return Pick(kFieldKeeps[0], language) + name + Pick(kFieldKeeps[1], language) + valueInUse +
         Pick(kFieldKeeps[2], language);
}

std::string NoScaleText(Language language, const std::string& name, bool xAxis, bool resultsWritten) {
  std::string text = resultsWritten ? Pick(kFileWritten, language) : "";
  if (xAxis) return text + Pick(kNoXScale, language) + name + Pick(kNeverPositive, language);
  return text + Pick(kNoCurveScale, language) + "\"" + name + "\"" + Pick(kZeroThroughout, language);
}

std::string RunFaultText(Language language, const std::string& time) {
  return Pick(kRunFault[0], language) + time + Pick(kRunFault[1], language);
}

std::string ConvertText(Language language, const std::string& text) {
  if (language == Language::kEnglish) return NotANumberMessage("'" + text + "'");
  return "'" + text + Pick(kNotAValidNumber, language);
}

std::string FaultCauseText(Language language, const FlightData& start, const std::string& time) {
  const auto in = [&start](Input input) { return InfoOf(input).slot(start); };
  const Texts3* cause = nullptr;
  if (in(Input::kV0) == 0)
    cause = &kZeroSpeed;
  else if (in(Input::kMass) == 0)
    cause = &kZeroMass;
  else if (in(Input::kArea) == 0 && in(Input::kCx) != 0)
    cause = &kZeroArea;
  else if (in(Input::kTk) == 0)
    cause = &kZeroEndTime;
  else if (in(Input::kDt) == 0)
    cause = &kZeroStep;
  if (cause) return std::string(Pick(kLikelyCause, language)) + Pick(*cause, language);
  return Pick(kStoppedAt[0], language) + time + Pick(kStoppedAt[1], language);
}

const Texts3& SaveChartTitle() { return kSaveChart; }
const Texts3& ExportDataTitle() { return kExportData; }

}  // namespace orv
