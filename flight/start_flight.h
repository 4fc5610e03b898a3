// START in one place: the run (run start, both passes, the unit scaling) and the
// results file, for the window's worker, the command line's run and the tests. The
// caller draws the chart: the window on its chart area, the command line into the
// files asked for. A fault ends it where it happens.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "base/flight_data.h"
#include "files/results_file.h"
#include "flight/flight_method.h"
#include "flight/run_control.h"

namespace orv {

// Takes the results table's bytes, once the run is done; writes them where the
// caller wants them (a file, standard output).
using ResultsSink = std::function<void(const std::string& table)>;

// Flies and hands the results table to `sink` (an empty sink: no table). With a
// `control`, another thread can follow the run and stop it; a cancel that arrives
// before the table is begun ends START with RunCancelled and the sink is not called,
// so the previous file stays as it was. Returns the steps of both passes, as
// RunFlight does.
std::int64_t StartFlight(SharedState& state, RunControl* control, const ResultsSink& sink);

// The same flown with `method`: the command line's run with --method. The rk45 run
// fills the 500 rows too, so the table has the classic layout.
FlightOutcome StartFlight(SharedState& state, const MethodChoice& method, RunControl* control,
                          const ResultsSink& sink);

// The same with the results file at `resultsPath`, written through WriteFileSafely
// (InOutFault on failure, a previous file intact); what is not a regular file there
// (a fifo, a device) is refused rather than waited on.
std::int64_t StartFlight(SharedState& state, RunControl* control = nullptr,
                         const std::string& resultsPath = kResultsFileName);

}  // namespace orv
