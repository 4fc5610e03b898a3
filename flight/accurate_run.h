// The accurate run: the continuous form of the motion step's equations (the same
// forces, constants, path-angle limit and floating-point fault rules) integrated by
// an adaptive Dormand-Prince 5(4) method with dense output (Boost.Odeint). The
// flight ends where the height meets the end height, found on the dense output, or
// at the end time; the 500 rows are taken from the dense output at the times at
// which the classic run records them, as its step tends to zero.
#pragma once

#include <cstdint>

#include "base/flight_data.h"
#include "flight/path_span.h"
#include "flight/run_control.h"

namespace orv {

struct AccurateFlight {
  std::int64_t steps = 0;     // accepted steps
  double greatestHeight = 0;  // m, the highest point of the path (the launch height at least)
};

// Starts the pass as the classic run does, flies to the end and leaves the end state
// in the slots; with `fillRows` also fills rows 1..500 (row 1 the launch, row i at
// (i - 1) t_end / 500, row 500 the end) and scales their units, otherwise it leaves
// the table as it was with RecordedRows 0. A flight that starts
// at or below the end height (or with an end time of 0 or less) ends at once and
// fills row 1 only. `tolerance` is both the relative and the absolute tolerance of
// every step. Throws FloatingPointFault where the equations fault (the slots then
// hold the last accepted state), InputFault for a tolerance that is not a positive
// number or a flight the method cannot follow, and RunCancelled through `control`.
// A `watcher` sees every step with its dense output and may end the flight there.
AccurateFlight RunAccurateFlight(SharedState& state, double tolerance, bool fillRows,
                                 RunControl* control = nullptr, const PathWatcher* watcher = nullptr);

}  // namespace orv
