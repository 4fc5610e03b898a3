#include "haupt/chart_catalogue.h"

#include <array>
#include <cstring>

namespace orv {
namespace {

// Columns: 0 time, 1 speed, 2 kinetic energy, 3 height, 4 path angle, 5 minus drag,
// 7 range, 10 net tangential force.
const std::array<ChartButton, 10>& Buttons() {
  static const std::array<ChartButton, 10> buttons = {{
      {"Button3", "H = f (t)", {0, 3}},
      {"Button27", "V = f (t)", {0, 1}},
      {"Button22", "V, H = f (t)", {0, 3, 1}},
      {"Button8", "Q = f(t)", {0, 4}},
      {"Button4", "F = f (t)", {0, 10}},
      {"Button10", "H,V,Q,E,x", {0, 3, 1, 4, 2, 7}},
      {"Button9", "H,V,Q,E,X", {7, 3, 1, 4, 2, 5}},
      {"Button2", "V, H = f (x)", {7, 3, 1}},
      {"Button16", "H = f (x)", {7, 3}},
      {"Button15", "V=f(H)", {1, 3}},  // speed is the x column, height the curve
  }};
  return buttons;
}

}  // namespace

std::span<const ChartButton> ChartCatalogue() { return Buttons(); }

const ChartButton* FindChartButton(const char* name) {
  if (name == nullptr) return nullptr;
  for (const ChartButton& b : Buttons())
    if (std::strcmp(b.name, name) == 0) return &b;
  return nullptr;
}

const ChartRequest& DefaultChartRequest() {
  static const ChartRequest request{7, 3, 1, 4, 2, 5};
  return request;
}

}  // namespace orv
