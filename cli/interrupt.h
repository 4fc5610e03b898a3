// Ctrl+C: the runs in progress stop at their next look at the run control, and the
// command ends with exit code 130 instead of being killed half way through a file.
#pragma once

#include "flight/run_control.h"

namespace orv::cli {

// Catches SIGINT from now on; call first thing, before any output exists.
void InstallInterruptHandler();

// The control whose cancel flag a Ctrl+C sets (nullptr: none). One control may be
// shared by every thread of a sweep.
void SetInterruptTarget(RunControl* control);

// Points Ctrl+C at `control` while it lives.
class InterruptScope {
 public:
  explicit InterruptScope(RunControl& control) { SetInterruptTarget(&control); }
  ~InterruptScope() { SetInterruptTarget(nullptr); }
  InterruptScope(const InterruptScope&) = delete;
  InterruptScope& operator=(const InterruptScope&) = delete;
};

// Whether Ctrl+C was pressed since the start.
bool Interrupted();

}  // namespace orv::cli
