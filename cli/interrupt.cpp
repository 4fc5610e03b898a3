#include "cli/interrupt.h"

#include <signal.h>

#include <atomic>

namespace orv::cli {
namespace {

// Lock-free atomics only: the handler may run between any two instructions.
std::atomic<bool> g_interrupted{false};
std::atomic<RunControl*> g_target{nullptr};
static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<RunControl*>::is_always_lock_free);

void OnInterrupt(int) {
  g_interrupted.store(true);
  if (RunControl* control = g_target.load()) control->cancel.store(true);
}

}  // namespace

void InstallInterruptHandler() {
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGINT, &action, nullptr);
}

void SetInterruptTarget(RunControl* control) {
  g_target.store(control);
  if (control && g_interrupted.load()) control->cancel.store(true);
}

bool Interrupted() { return g_interrupted.load(); }

}  // namespace orv::cli
