// Ctrl+C (SIGINT) and a scheduler's or the system's SIGTERM: the runs in progress stop
// at their next look at the run control, and the command ends with exit code 128 plus
// the signal's number (130, 143) instead of being killed half way through a file. While
// the program waits on something that may never come (a fifo nobody opens, a pipe
// nobody reads), the signal ends it at once.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "flight/run_control.h"

namespace orv::cli {

// Catches SIGINT and SIGTERM from now on; call first thing, before any output exists.
void InstallInterruptHandler();

// The control whose cancel flag a signal sets (nullptr: none). One control may be
// shared by every thread of a sweep.
void SetInterruptTarget(RunControl* control);

// Points the signals at `control` while it lives.
class InterruptScope {
 public:
  explicit InterruptScope(RunControl& control) { SetInterruptTarget(&control); }
  ~InterruptScope() { SetInterruptTarget(nullptr); }
  InterruptScope(const InterruptScope&) = delete;
  InterruptScope& operator=(const InterruptScope&) = delete;
};

// While it lives, a signal ends the program at once with its exit code: for a wait
// that has written nothing half (opening a fifo, reading a parameter file, one whole
// row to a pipe). Entering it after a signal ends the program there.
class WaitScope {
 public:
  WaitScope();
  ~WaitScope();
  WaitScope(const WaitScope&) = delete;
  WaitScope& operator=(const WaitScope&) = delete;
};

// Flies `study` with a control that the signals point at. Returns the exit code of a
// study that did not end well: 128 plus the signal's number when one came, kExitFault
// when it threw a Fault, which is reported on standard error after `faultPrefix`.
// Returns nothing when it flew to its end.
std::optional<int> FlyStudy(const std::function<void(RunControl& control)>& study,
                            std::string_view faultPrefix = {});

// Whether SIGINT or SIGTERM came since the start.
bool Interrupted();

// 128 + the first signal's number: 130 for Ctrl+C, 143 for SIGTERM.
int InterruptedExitCode();

}  // namespace orv::cli
