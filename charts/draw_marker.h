// The point markers of the charts: small symbols centred on a pixel, drawn at the
// foot of every curve axis and along every curve.
#pragma once

#include "base/marker_kind.h"
#include "base/surface.h"

namespace orv {

// Draws marker `kind` (1-18, 21, 22, 31-34; any other kind draws nothing) of `size`
// pixels centred on (x, y). Sets the pen black and the brush silver on entry and leaves
// them so; letters use the surface's current font.
void DrawMarker(Surface& surface, int x, int y, int kind, int size);
inline void DrawMarker(Surface& surface, int x, int y, Marker kind, int size) {
  DrawMarker(surface, x, y, static_cast<int>(kind), size);
}

}  // namespace orv
