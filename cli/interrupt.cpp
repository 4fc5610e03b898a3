#include "cli/interrupt.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <string>

#include "base/errors.h"
#include "cli/message_text.h"
#include "cli/usage_error.h"

namespace orv::cli {
namespace {

// Lock-free atomics only: the handler may run between any two instructions, on any
// thread.
std::atomic<int> g_signal{0};
std::atomic<RunControl*> g_target{nullptr};
std::atomic<int> g_waits{0};
static_assert(std::atomic<int>::is_always_lock_free && std::atomic<RunControl*>::is_always_lock_free);

constexpr int kSignalExitBase = 128;

void OnSignal(int number) {
  int none = 0;
  g_signal.compare_exchange_strong(none, number);
  if (g_waits.load() > 0) _exit(kSignalExitBase + g_signal.load());
  if (RunControl* control = g_target.load()) control->cancel.store(true);
}

}  // namespace

void InstallInterruptHandler() {
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  // Restarted calls never see the signal; the waits that must see it are WaitScopes.
  action.sa_flags = SA_RESTART;
  for (const int number : {SIGINT, SIGTERM}) {
    // A signal ignored from the start stays ignored: a shell starts a script's
    // background jobs so, that Ctrl+C at the terminal leaves them running.
    struct sigaction inherited {};
    if (sigaction(number, nullptr, &inherited) == 0 && inherited.sa_handler == SIG_IGN) continue;
    sigaction(number, &action, nullptr);
  }
}

void SetInterruptTarget(RunControl* control) {
  g_target.store(control);
  if (control && Interrupted()) control->cancel.store(true);
}

WaitScope::WaitScope() {
  g_waits.fetch_add(1);
  if (Interrupted()) _exit(InterruptedExitCode());
}

WaitScope::~WaitScope() { g_waits.fetch_sub(1); }

bool Interrupted() { return g_signal.load() != 0; }

int InterruptedExitCode() { return kSignalExitBase + g_signal.load(); }

std::optional<int> FlyStudy(const std::function<void(RunControl& control)>& study,
                            std::string_view faultPrefix) {
  try {
    RunControl control;
    const InterruptScope interrupt(control);
    study(control);
  } catch (const RunCancelled&) {
    return InterruptedExitCode();
  } catch (const Fault& fault) {
    ReportError(std::string(faultPrefix) + fault.message());
    return kExitFault;
  }
  // A signal after the study's last look at its control still ends the command.
  if (Interrupted()) return InterruptedExitCode();
  return std::nullopt;
}

}  // namespace orv::cli
