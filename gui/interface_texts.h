// The windows' texts. The main window's resource texts are the German set; the
// Russian and English sets replace the language-dependent ones on activation. All
// texts are UTF-8; the Russian ones keep their Latin symbols (m0, Cx, So, the c of
// "м/c") as Latin letters.
#pragma once

#include <span>

#include "base/texts3.h"

namespace orv {

inline constexpr const char* kProgramTitle = "ORVANTIS vers.1.1 (Beta)";

// One language-dependent label of the main window that names no input (an input's
// label is in the input table); its German text is the resource text.
struct LanguageText {
  const char* control;  // object name of the label
  Texts3 text;
};

std::span<const LanguageText> LanguageTexts();

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

// The progress dialog of a long run; %1 and %2 stand for the numbers.
struct RunTexts {
  const char* pass;        // %1: 1 or 2
  const char* flightTime;  // %1: time reached, %2: end time Tk
  const char* rate;        // %1: steps per second
  const char* timeLeft;    // %1: a duration
  const char* timeBeyond;  // %1: the longest duration shown
  const char* timeUnknown;
  const char* cancel;
  const char* seconds;  // unit symbols of a duration
  const char* minutes;
  const char* hours;
};

const InLanguages<RunTexts>& RunTextSets();

}  // namespace orv
