// The --chart outputs of a run: the default chart or a catalogue chart by its name
// ("height-range") or its button's name ("Button16"), as SVG, or as PNG when the path ends in .png and the
// PNG writer was built (it needs Qt).
#pragma once

#include <string>
#include <string_view>

#include "base/flight_data.h"
#include "charts/chart_engine.h"

namespace orv::cli {

inline constexpr const char* kDefaultChartName = "default";

struct ChartOutput {
  std::string name;  // as given: "default", "height-range", "Button9"
  ChartRequest request;
  std::string path;
  bool png = false;
};

// Whether a chart at `path` is a PNG: the path ends in .png, in any case.
bool EndsWithPng(std::string_view path);

// Whether this build has the PNG writer.
bool PngBuilt();

// "NAME=PATH"; a UsageError for an unknown name, a missing path or a PNG that this
// build cannot write.
ChartOutput ParseChartOutput(std::string_view option);

// The catalogue's charts by their names for people, each with its button's name,
// which --chart takes as well, for messages and --help:
// "height-time (Button3), speed-time (Button27), ...".
std::string ChartNames();

// The file's bytes. Throws Fault when the chart cannot be drawn.
std::string ChartFileBytes(const SharedState& state, const ChartOutput& chart);

}  // namespace orv::cli
