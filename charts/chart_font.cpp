#include "charts/chart_font.h"

#include <algorithm>
#include <cmath>

#include "charts/chart_font_table.h"

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

int ChartTextWidth(std::string_view latin1, int pixelSize) {
  long total64 = 0;  // 1/64 px at the table's size
  for (std::size_t i = 0; i < latin1.size(); ++i) {
    const auto c = static_cast<unsigned char>(latin1[i]);
    total64 += kAdvance64[c];
    if (i > 0) total64 += Kern64(static_cast<unsigned char>(latin1[i - 1]), c);
  }
  // The pixel surface rounds the whole text's advance to a pixel, halves up.
  const double pixels = static_cast<double>(total64) * pixelSize / kTablePixelSize / 64.0;
  return static_cast<int>(std::floor(pixels + 0.5));
}

}  // namespace orv
