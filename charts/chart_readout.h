// The read-out under the mouse: which recorded sample of a drawn chart lies nearest
// a pixel column, and where its vertical line goes. It reads the table and the
// request the chart was drawn from and draws nothing itself.
#pragma once

#include <optional>

#include "base/flight_data.h"
#include "charts/chart_engine.h"

namespace orv {

struct Readout {
  int row = 0;     // of the sample table, 2..RecordedRows (row 1 is never drawn)
  int x = 0;       // surface pixel column of that sample's points
  int top = 0;     // the line's extent: the plot's
  int bottom = 0;  //
};

// For the surface pixel (x, y): none outside the plot, before a run, or when the
// chart has no x scale. Of several samples equally near, the earliest.
std::optional<Readout> ReadoutAt(const SharedState& state, const ChartRequest& request, int x, int y);

}  // namespace orv
