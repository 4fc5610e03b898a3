// The measured metrics of the chart face (DejaVu Sans without antialiasing), written
// by scripts/chart_font_table.sh into chart_font_table.cpp. Read them through
// charts/chart_font.h.
#pragma once

#include <cstdint>

namespace orv::chart_font {

struct CellFont {
  int pixelSize;  // px, the largest size whose line fits the cell
  int ascent;     // px, from the cell's top to the baseline
};

struct KernPair {
  std::uint8_t first, second;  // Latin-1 codes
  std::int16_t kern64;         // 1/64 px at kTablePixelSize
};

inline constexpr int kCellFontCount = 64;          // cells of 1..64 pixels
extern const CellFont kCellFonts[kCellFontCount];  // by cell height - 1
extern const int kTablePixelSize;                  // px, the size of the chart's 12-pixel cell
extern const std::int16_t kAdvance64[256];         // 1/64 px at kTablePixelSize, by Latin-1 code
extern const KernPair kKernPairs[];                // sorted by (first, second)
extern const int kKernPairCount;

}  // namespace orv::chart_font
