// The characters of a chart text: UTF-8 (axis titles, notes and legends in German
// and Russian), where a byte that is not part of a valid UTF-8 sequence stands for
// its Latin-1 character. ASCII, which every chart of the sample table writes, is
// both. Inline, so that the PNG module's pixel surface reads text as the SVG does
// without linking the chart library.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace orv {

// The character that starts at byte `i`; moves `i` past it.
inline char32_t NextChartCharacter(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  const int length = lead < 0x80                   ? 1
                     : lead >= 0xC2 && lead < 0xE0 ? 2
                     : lead >= 0xE0 && lead < 0xF0 ? 3
                     : lead >= 0xF0 && lead < 0xF5 ? 4
                                                   : 0;
  char32_t c = length == 1 ? lead : length == 2 ? lead & 0x1Fu : length == 3 ? lead & 0x0Fu : lead & 0x07u;
  bool valid = length > 0 && i + static_cast<std::size_t>(length) <= text.size();
  for (int k = 1; valid && k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
    valid = (next & 0xC0) == 0x80;
    c = (c << 6) | (next & 0x3Fu);
  }
  // Overlong forms, surrogates and beyond U+10FFFF are not UTF-8 either.
  valid = valid && !(length == 3 && c < 0x800) && !(length == 4 && (c < 0x10000 || c > 0x10FFFF)) &&
          !(c >= 0xD800 && c <= 0xDFFF);
  i += valid ? static_cast<std::size_t>(length) : 1;
  return valid ? c : lead;
}

inline std::vector<char32_t> ChartTextCharacters(std::string_view text) {
  std::vector<char32_t> characters;
  for (std::size_t i = 0; i < text.size();) characters.push_back(NextChartCharacter(text, i));
  return characters;
}

}  // namespace orv
