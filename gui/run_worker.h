// START's run away from the window thread, so that the windows keep painting and a
// long run can be followed and stopped.
#pragma once

#include <QWidget>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "base/flight_data.h"
#include "base/texts3.h"
#include "files/results_file.h"
#include "flight/run_control.h"
#include "gui/run_dialog.h"

namespace orv {

// Runs `job` on a worker thread while this thread keeps its message loop: the
// windows take no input, and from 300 ms on the application-modal progress dialog
// over `window` shows what `look` says (`seconds` after the start) in the language
// `language`. Its Cancel sets `control.cancel`, after which the job must end soon.
// Returns once the worker has ended; throws what the job threw, and stops the job
// with RunCancelled when the message loop is told to end.
using ProgressLook = std::function<RunProgress(double seconds)>;
void RunJobOnWorker(QWidget* window, Language language, RunControl& control, const ProgressLook& look,
                    const std::function<void()>& job);

// The look at a study of unknown length: `heading` and the steps per second.
ProgressLook HeadingProgress(const RunControl& control, const QString& heading);
// The look at a study of `total` flights of which `done` have ended: `of` ("%1 of
// %2") filled in, the share, the steps per second and the time left.
ProgressLook CountedProgress(const RunControl& control, const std::atomic<std::int64_t>& done,
                             std::int64_t total, const QString& of);

// The look at one flight that `control` follows: its pass, flight time against the
// end time Tk, steps per second and the time left at the time step dt0.
ProgressLook FlightProgress(const RunControl& control, double Tk, double dt0);

// Runs the flight and writes the results file on a worker thread, on a copy of
// `state` that replaces it when the run ends, also in a fault; a cancelled run
// leaves `state` as it was. This thread keeps its message loop, but nothing reaches the
// state: the windows take no input, and from 300 ms on the application-modal
// progress dialog over `window` shows the run in the language `language` and
// lets the user cancel it. Returns once the worker has ended. Throws what the run
// threw (a fault, InOutFault, RunCancelled); RunCancelled also when the message loop
// is told to end (a signal, the session closing) before the run is done. Returns
// the steps of both passes.
std::int64_t RunOnWorker(SharedState& state, QWidget* window, Language language,
                         const std::string& resultsPath = kResultsFileName);

}  // namespace orv
