#include "cli/chart_outputs.h"

#include "base/errors.h"
#include "charts/chart_catalogue.h"
#include "charts/svg_surface.h"
#include "cli/png_module.h"
#include "cli/usage_error.h"

namespace orv::cli {
namespace {

// Chart labels on the command line always use a point.
constexpr char kDecimalPoint = '.';

}  // namespace

bool EndsWithPng(std::string_view path) {
  if (path.size() < 4) return false;
  std::string end(path.substr(path.size() - 4));
  for (char& c : end) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return end == ".png";
}

bool PngBuilt() { return ORVANTIS_CLI_PNG != 0; }

std::string ChartNames() {
  std::string names;
  for (const ChartButton& chart : ChartCatalogue())
    names += (names.empty() ? "" : ", ") + ChartName(chart) + " (" + chart.name + ")";
  return names;
}

ChartOutput ParseChartOutput(std::string_view option) {
  const std::size_t equals = option.find('=');
  if (equals == std::string_view::npos || equals + 1 == option.size())
    throw UsageError("--chart: expected NAME=PATH, not '" + std::string(option) + "'");
  ChartOutput chart;
  chart.name = option.substr(0, equals);
  chart.path = option.substr(equals + 1);
  if (chart.name == kDefaultChartName) {
    chart.request = DefaultChartRequest();
  } else if (const ChartButton* button = FindChart(chart.name)) {
    chart.request = button->request;
  } else {
    throw UsageError("--chart: no chart is called '" + chart.name + "' (default, " + ChartNames() + ")");
  }
  chart.png = EndsWithPng(chart.path);
  if (chart.png && !PngBuilt())
    throw UsageError(
        "--chart " + chart.name +
        ": this orvantis-cli was built without Qt and writes SVG only; give a path ending in .svg");
  return chart;
}

std::string ChartFileBytes(const SharedState& state, const ChartOutput& chart) {
  return chart.png ? ChartPng(state, chart.request, kDecimalPoint)
                   : ChartSvg(state, chart.request, kDecimalPoint);
}

}  // namespace orv::cli
