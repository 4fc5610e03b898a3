#include "gui/interface_texts.h"

namespace orv {
namespace {

constexpr LanguageText kTexts[] = {
    {"Label12", {"Начальные условия", "Start ", "entry conditions"}},
    {"Label1", {"Конечные условия", "End", "terminal conditions"}},
    {"Label4", {"Скорость, V, м/c", "Vk, m/s", "velocity,V,m/s"}},
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

constexpr InLanguages<RunTexts> kRunTexts{
    {"Проход %1 из 2", "Время полёта: %1 с из %2 с", "Шагов в секунду: %1", "Оставшееся время: около %1",
     "Оставшееся время: более %1", "Оставшееся время: неизвестно", "Отмена", "с", "мин", "ч"},
    {"Durchgang %1 von 2", "Flugzeit: %1 s von %2 s", "Schritte pro Sekunde: %1", "Restzeit: etwa %1",
     "Restzeit: mehr als %1", "Restzeit: unbekannt", "Abbrechen", "s", "min", "h"},
    {"Pass %1 of 2", "Flight time: %1 s of %2 s", "Steps per second: %1", "Time left: about %1",
     "Time left: more than %1", "Time left: unknown", "Cancel", "s", "min", "h"}};

}  // namespace

std::span<const LanguageText> LanguageTexts() { return kTexts; }

std::span<const char* const> AboutLines() { return kAbout; }

const InLanguages<RunTexts>& RunTextSets() { return kRunTexts; }

}  // namespace orv
