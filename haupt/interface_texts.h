// The windows' texts. The main window's resource texts are the German set; the
// Russian and English sets replace the language-dependent ones on activation. All
// texts are UTF-8; the Russian ones keep their Latin symbols (m0, Cx, So, the c of
// "м/c") as Latin letters.
#pragma once

#include <span>

namespace orv {

inline constexpr const char* kProgramTitle = "ORVANTIS vers.1.1 (Beta)";

inline constexpr int kRussian = 1;
inline constexpr int kGerman = 2;
inline constexpr int kEnglish = 3;

// One language-dependent label of the main window.
struct LanguageText {
  const char* control;  // object name of the label
  const char* german;   // resource text
  const char* russian;
  const char* english;
};

std::span<const LanguageText> LanguageTexts();

// The text of `entry` for LanguageNo 1, 2 or 3; any other number gives the resource text.
const char* TextFor(const LanguageText& entry, int languageNo);

// Texts that are the same in every language.
inline constexpr const char* kLabel5Text = "f ( t ) - - >";
inline constexpr const char* kLabel9Text = " <- - f ( x )";
inline constexpr const char* kLabel17Text = "START";
inline constexpr const char* kStartCaption = "START";
inline constexpr const char* kMainCaption = "MAIN";
inline constexpr const char* kQuitCaption = "QUIT";
inline constexpr const char* kAboutCaption = "О программе расчета";
inline constexpr const char* kLanguageItems[] = {"Ru", "De", "En"};

// The About text, one entry per line, trailing spaces included.
std::span<const char* const> AboutLines();

}  // namespace orv
