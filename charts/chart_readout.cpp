#include "charts/chart_readout.h"

#include <algorithm>
#include <cstdlib>

namespace orv {

std::optional<Readout> ReadoutAt(const SharedState& state, const ChartRequest& request, int x, int y) {
  // The chart draws rows 2..SampleRows; rows the last run did not record are not read.
  const int lastRow = std::min(state.SampleRows, state.RecordedRows);
  if (lastRow < 2) return std::nullopt;
  ChartPlot plot;
  try {
    plot = PlotOf(state, request);
  } catch (const Fault&) {
    return std::nullopt;
  }
  if (x < plot.left || x > plot.left + plot.width || y < plot.top || y > plot.bottom) return std::nullopt;
  const int xColumn = request.column[0];
  Readout best{0, 0, plot.top, plot.bottom};
  int bestDistance = 0;
  for (int row = 2; row <= lastRow; ++row) {
    const double value = state.Sample(xColumn, row);
    if (!(value == value)) continue;  // NaN has no pixel
    const int pixel = plot.PixelOf(value);
    const int distance = std::abs(pixel - x);
    if (best.row == 0 || distance < bestDistance) {
      best.row = row;
      best.x = pixel;
      bestDistance = distance;
    }
  }
  if (best.row == 0) return std::nullopt;
  return best;
}

}  // namespace orv
