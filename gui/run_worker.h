// START's run away from the window thread, so that the windows keep painting and a
// long run can be followed and stopped.
#pragma once

#include <QWidget>
#include <cstdint>
#include <string>

#include "base/flight_data.h"
#include "files/results_file.h"

namespace orv {

// Runs the flight and writes the results file on a worker thread, on a copy of
// `state` that replaces it when the run ends, also in a fault; a cancelled run
// leaves `state` as it was. This thread keeps its message loop, but nothing reaches the
// state: the windows take no input, and from 300 ms on the application-modal
// progress dialog over `window` shows the run in the language `languageNo` and
// lets the user cancel it. Returns once the worker has ended. Throws what the run
// threw (a fault, InOutFault, RunCancelled); RunCancelled also when the message loop
// is told to end (a signal, the session closing) before the run is done. Returns
// the steps of both passes.
std::int64_t RunOnWorker(SharedState& state, QWidget* window, int languageNo,
                         const std::string& resultsPath = kResultsFileName);

}  // namespace orv
