// Loads the PNG writer (toolkit/png_chart_module.h) on first use, so that a run
// without a PNG never loads Qt.
#pragma once

#include <string>

#include "base/flight_data.h"
#include "charts/chart_engine.h"
#include "charts/comparison_chart.h"

namespace orv::cli {

// The chart as PNG bytes. Throws Fault when the module cannot be loaded or the
// chart cannot be drawn.
std::string ChartPng(const SharedState& state, const ChartRequest& request, char decimalSeparator);

// The comparison chart as PNG bytes, the same way.
std::string ComparisonPng(const ComparisonChart& chart, char decimalSeparator);

}  // namespace orv::cli
