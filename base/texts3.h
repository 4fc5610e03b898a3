// A text the program shows in each of its three interface languages (UTF-8), and the
// language the user chose in the start window.
#pragma once

#include <cstdint>

namespace orv {

// The numbers are the ones the start window stores as LanguageNo.
enum class Language : std::int32_t { kRussian = 1, kGerman = 2, kEnglish = 3 };

inline constexpr Language kLanguages[] = {Language::kRussian, Language::kGerman, Language::kEnglish};

// The language of a stored LanguageNo; German, the window's own resource language,
// for any other number (0 until the user chose one).
constexpr Language LanguageOf(std::int32_t languageNo) {
  if (languageNo == static_cast<std::int32_t>(Language::kRussian)) return Language::kRussian;
  if (languageNo == static_cast<std::int32_t>(Language::kEnglish)) return Language::kEnglish;
  return Language::kGerman;
}

// One thing in each language, always in this order.
template <class T>
struct InLanguages {
  T russian;
  T german;
  T english;
};

using Texts3 = InLanguages<const char*>;

template <class T>
constexpr const T& Pick(const InLanguages<T>& texts, Language language) {
  switch (language) {
    case Language::kRussian:
      return texts.russian;
    case Language::kEnglish:
      return texts.english;
    case Language::kGerman:
      break;
  }
  return texts.german;
}

}  // namespace orv
