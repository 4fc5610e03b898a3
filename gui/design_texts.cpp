#include "gui/design_texts.h"

namespace orv {

// clang-format off
const DesignTexts& DesignText() {
  static const DesignTexts texts{
      .menuButton = {"Меню", "Menü", "Menu"},
      .menuTip = {"Меню: проект (открыть, сохранить), график, исследования, справка",
                  "Menü: Entwurf (öffnen, speichern), Diagramm, Studien, Hilfe",
                  "Menu: design (open, save), chart, studies, help"},
      .designMenu = {"Проект", "Entwurf", "Design"},
      .chartMenu = {"График", "Diagramm", "Chart"},
      .studyMenu = {"Исследования", "Studien", "Study"},
      .helpMenu = {"Справка", "Hilfe", "Help"},
      .open = {"Открыть проект...", "Entwurf öffnen...", "Open design..."},
      .save = {"Сохранить проект", "Entwurf speichern", "Save design"},
      .saveAs = {"Сохранить проект как...", "Entwurf speichern unter...", "Save design as..."},
      .recent = {"Последние проекты", "Zuletzt verwendete Entwürfe", "Recent designs"},
      .noRecent = {"(нет)", "(keine)", "(none)"},
      .shortcuts = {"Клавиши быстрого доступа", "Tastenkürzel", "Keyboard shortcuts"},
      .about = {"О программе", "Über ORVANTIS", "About ORVANTIS"},
      .filter = {"Проекты ORVANTIS", "ORVANTIS-Entwürfe", "ORVANTIS designs"},
      .openFailed = {"Проект не открыт; поля не изменены.", "Der Entwurf wurde nicht geöffnet; die Felder bleiben.",
                     "The design was not opened; the fields are unchanged."},
      .loss = {"Будут потеряны: %1.", "Verloren gehen: %1.", "%1 will be lost."},
      .lossOneRun = {"расчёт, сохранённый для сравнения", "1 gemerkter Lauf", "1 kept run"},
      .lossRuns = {"расчёты, сохранённые для сравнения (%1)", "%1 gemerkte Läufe", "%1 kept runs"},
      .lossDesign = {"изменения в %1", "die Änderungen an %1", "the changes to %1"},
      .lossUnnamed = {"несохранённые значения полей", "die nicht gespeicherten Werte der Felder",
                      "the values of the fields, not saved as a design"},
      .lossAnd = {" и ", " und ", " and "},
      .leave = {"Потерять", "Verwerfen", "Discard"},
      .shortcutHeading = {"Клавиши", "Tasten", "Keys"},
      .actionHeading = {"Действие", "Befehl", "Action"},
      .startRun = {"START: рассчитать полёт", "START: Flug berechnen", "START: compute the flight"},
      .cancelRun = {"Прервать долгий расчёт", "Langen Lauf abbrechen", "Cancel a long run"},
      .aboutText = {"Расчёт внешней баллистики гарпунов: полёт точечной массы в воде, шаг за шагом по времени.",
                    "Außenballistik von Harpunen: der Flug einer Punktmasse im Wasser, Zeitschritt für Zeitschritt.",
                    "External ballistics of harpoons: the flight of a point mass through water, step by step in time."},
      .inForce = {"Действуют:", "Außerdem gilt:", "Also in force:"},
  };
  return texts;
}

const Texts3* HiddenInputName(Input input) {
  static const Texts3 kEndHeight{"Hk", "Endhöhe", "end height"};
  static const Texts3 kTimeStep{"шаг", "Zeitschritt", "time step"};
  static const Texts3 kLift{"Cy", "Auftriebsbeiwert", "lift coefficient"};
  static const Texts3 kCurrent{"течение", "Strömung", "current"};
  switch (input) {
    case Input::kHk: return &kEndHeight;
    case Input::kDt: return &kTimeStep;
    case Input::kCy: return &kLift;
    case Input::kWind: return &kCurrent;
    default: return nullptr;
  }
}
// clang-format on

}  // namespace orv
