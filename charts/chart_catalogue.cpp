#include "charts/chart_catalogue.h"

#include <array>
#include <cstring>

namespace orv {
namespace {

using enum Col;

const std::array<ChartButton, 10>& Buttons() {
  static const std::array<ChartButton, 10> buttons = {{
      {"Button3", "H = f (t)", {kTime, kHeight}},
      {"Button27", "V = f (t)", {kTime, kSpeed}},
      {"Button22", "V, H = f (t)", {kTime, kHeight, kSpeed}},
      {"Button8", "Q = f(t)", {kTime, kPathAngle}},
      {"Button4", "F = f (t)", {kTime, kNetForce}},
      {"Button10", "H,V,Q,E,x", {kTime, kHeight, kSpeed, kPathAngle, kEnergy, kRange}},
      {"Button9", "H,V,Q,E,X", {kRange, kHeight, kSpeed, kPathAngle, kEnergy, kMinusDrag}},
      {"Button2", "V, H = f (x)", {kRange, kHeight, kSpeed}},
      {"Button16", "H = f (x)", {kRange, kHeight}},
      {"Button15", "V=f(H)", {kSpeed, kHeight}},  // speed is the x column, height the curve
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

std::string ChartName(const ChartButton& chart) {
  const ChartRequest& r = chart.request;
  std::string name;
  for (int i = 1; i < r.count; ++i)
    name += ColumnKey(static_cast<Col>(r.column[static_cast<std::size_t>(i)])) + std::string("-");
  return name + ColumnKey(static_cast<Col>(r.column[0]));
}

const ChartButton* FindChart(std::string_view name) {
  for (const ChartButton& b : Buttons())
    if (name == b.name || name == ChartName(b)) return &b;
  return nullptr;
}

const ChartRequest& DefaultChartRequest() {
  using enum Col;
  static const ChartRequest request{kRange, kHeight, kSpeed, kPathAngle, kEnergy, kMinusDrag};
  return request;
}

}  // namespace orv
