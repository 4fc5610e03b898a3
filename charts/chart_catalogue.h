// The chart buttons of the main window and the chart every run ends with.
#pragma once

#include <span>

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

// Range against height, speed, path angle, kinetic energy and minus the drag.
const ChartRequest& DefaultChartRequest();

}  // namespace orv
