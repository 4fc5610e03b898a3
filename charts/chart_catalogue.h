// The chart buttons of the main window and the chart every run ends with.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "charts/chart_engine.h"

namespace orv {

struct ChartButton {
  const char* name;     // "Button3", ...
  const char* caption;  // the button's text in every language
  ChartRequest request;
};

// Button3, Button27, Button22, Button8, Button4, Button10, Button9, Button2, Button16, Button15.
std::span<const ChartButton> ChartCatalogue();

// Entry of the catalogue by button name; nullptr when there is none.
const ChartButton* FindChartButton(const char* name);

// The chart's name for people: the keys of its curves' quantities, then that of its
// x quantity, joined by '-' ("height-range" for H = f (x), "speed-time" for
// V = f (t)). Made from the request, so it always says what the chart shows.
std::string ChartName(const ChartButton& chart);

// Entry of the catalogue by its name for people or, as an alias, its button's name;
// nullptr when there is none.
const ChartButton* FindChart(std::string_view name);

// Range against height, speed, path angle, kinetic energy and minus the drag.
const ChartRequest& DefaultChartRequest();

}  // namespace orv
