#include "gui/interface_texts.h"

namespace orv {
namespace {

constexpr LanguageText kTexts[] = {
    {"Label12", "Start ", "Начальные условия", "entry conditions"},
    {"Label1", "End", "Конечные условия", "terminal conditions"},
    {"Label13", "Cw", "Коэффициент сопротивления Cx", "drag coefficient,Cd"},
    {"Label8", "m,kg", "Вес гарпуна,m0,кг", "launching mass, m,kg"},
    {"Label19", "Flaeche, m2", "Площадь,So,м2", "lifting area,So,m2"},
    {"Label14", "Qo, grad", "Угол наклона траектории,Qo,град", "trajectory angle,Qo,grad"},
    {"Label25", "Ho,m ", "Высота,Ho,м", "altitude,Ho,m"},
    {"edV", "Vo, m/s", "Скорость, V, м/c", "velocity,Vo,m/s"},
    {"Label3", "t,S.", "Время, t,с", "time,s"},
    {"Label4", "Vk, m/s", "Скорость, V, м/c", "velocity,V,m/s"},
};

constexpr const char* kAbout[] = {
    "Расчет выполняется численным ",
    "интегрированием по времени ",
    "уравнений движения ",
    "баллистических тел (гарпунов).",
    // The version comes from the build, so the About text names the one installed.
    "Принятые допущения (версия " ORVANTIS_VERSION ". ",
    "Beta):",
    "1. Cx - const.",
    "2. Не учитывается сила Архимеда.",
    "Таблица данных в текстовом файле ",
    "orvantis_500.txt в этой же ",
    "директории.",
};

constexpr RunTexts kRunRussian = {"Проход %1 из 2",
                                  "Время полёта: %1 с из %2 с",
                                  "Шагов в секунду: %1",
                                  "Оставшееся время: около %1",
                                  "Оставшееся время: более %1",
                                  "Оставшееся время: неизвестно",
                                  "Отмена",
                                  "с",
                                  "мин",
                                  "ч"};
constexpr RunTexts kRunGerman = {"Durchgang %1 von 2",
                                 "Flugzeit: %1 s von %2 s",
                                 "Schritte pro Sekunde: %1",
                                 "Restzeit: etwa %1",
                                 "Restzeit: mehr als %1",
                                 "Restzeit: unbekannt",
                                 "Abbrechen",
                                 "s",
                                 "min",
                                 "h"};
constexpr RunTexts kRunEnglish = {"Pass %1 of 2",
                                  "Flight time: %1 s of %2 s",
                                  "Steps per second: %1",
                                  "Time left: about %1",
                                  "Time left: more than %1",
                                  "Time left: unknown",
                                  "Cancel",
                                  "s",
                                  "min",
                                  "h"};

}  // namespace

std::span<const LanguageText> LanguageTexts() { return kTexts; }

const char* TextFor(const LanguageText& entry, int languageNo) {
  if (languageNo == kRussian) return entry.russian;
  if (languageNo == kEnglish) return entry.english;
  return entry.german;
}

std::span<const char* const> AboutLines() { return kAbout; }

const RunTexts& RunTextsFor(int languageNo) {
  if (languageNo == kRussian) return kRunRussian;
  if (languageNo == kEnglish) return kRunEnglish;
  return kRunGerman;
}

}  // namespace orv
