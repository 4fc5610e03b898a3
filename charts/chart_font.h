// The size of chart text as the program's pixel surface sets it, without a font
// library: DejaVu Sans at the largest pixel size whose line fits the cell. Surfaces
// that leave the glyphs to someone else (SVG) use it to size the text cell.
#pragma once

#include <string_view>

namespace orv {

struct ChartTextFace {
  int pixelSize;  // px
  int ascent;     // px, from the cell's top to the baseline
};

// For a cell of 1..64 pixels; smaller and larger cells take the nearest.
ChartTextFace ChartFaceForCell(int cellPixels);

// Advance of a chart text in whole pixels, kerning included, as the pixel surface
// measures it. Exact at the charts' 12-pixel cell for Latin-1 characters; other
// sizes are scaled from it, and other letters (Cyrillic) take the advance of a Latin
// letter of their case.
int ChartTextWidth(std::string_view text, int pixelSize);

}  // namespace orv
