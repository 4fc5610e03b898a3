#include "charts/chart_font.h"

#include <algorithm>
#include <cmath>

#include "charts/chart_font_table.h"
#include "charts/chart_text.h"

namespace orv {

using namespace chart_font;

ChartTextFace ChartFaceForCell(int cellPixels) {
  const CellFont& f = kCellFonts[std::clamp(cellPixels, 1, kCellFontCount) - 1];
  return {f.pixelSize, f.ascent};
}

namespace {

int Kern64(unsigned char first, unsigned char second) {
  const KernPair* end = kKernPairs + kKernPairCount;
  const KernPair* p = std::lower_bound(
      kKernPairs, end, KernPair{first, second, 0},
      [](KernPair a, KernPair b) { return a.first != b.first ? a.first < b.first : a.second < b.second; });
  return p != end && p->first == first && p->second == second ? p->kern64 : 0;
}

}  // namespace

int ChartTextWidth(std::string_view text, int pixelSize) {
  long total64 = 0;         // 1/64 px at the table's size
  char32_t before = 0x100;  // the character before, for kerning; none at the start
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = NextChartCharacter(text, i);
    if (c > 0xFF) {
      const bool capital = (c >= 0x400 && c < 0x430) || (c >= 0x391 && c < 0x3AA);
      total64 += kAdvance64[static_cast<unsigned char>(capital ? 'N' : 'n')];
    } else {
      total64 += kAdvance64[c];
      if (before <= 0xFF)
        total64 += Kern64(static_cast<unsigned char>(before), static_cast<unsigned char>(c));
    }
    before = c;
  }
  // The pixel surface rounds the whole text's advance to a pixel, halves up.
  const double pixels = static_cast<double>(total64) * pixelSize / kTablePixelSize / 64.0;
  return static_cast<int>(std::floor(pixels + 0.5));
}

}  // namespace orv
