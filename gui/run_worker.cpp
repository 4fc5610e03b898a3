#include "gui/run_worker.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <thread>

#include "base/errors.h"
#include "flight/run_control.h"
#include "flight/run_estimate.h"
#include "flight/start_flight.h"
#include "gui/run_dialog.h"
#include "toolkit/input_block.h"

namespace orv {
namespace {

constexpr int kQuietMs = 300;  // a run shorter than this looks as runs always did
constexpr int kLookMs = 100;   // how often the window looks at a run

// The worker thread. Joining it, or leaving its scope in any way, stops the run if
// it still goes and waits for it.
class Worker {
 public:
  Worker(RunControl& control, std::thread thread) : control_(control), thread_(std::move(thread)) {}
  ~Worker() { Join(); }
  Worker(const Worker&) = delete;
  Worker& operator=(const Worker&) = delete;

  void Join() {
    if (!thread_.joinable()) return;
    control_.cancel.store(true, std::memory_order_relaxed);
    thread_.join();
  }

 private:
  RunControl& control_;
  std::thread thread_;
};

}  // namespace

void RunJobOnWorker(QWidget* window, Language language, RunControl& control, const ProgressLook& look,
                    const std::function<void()>& job) {
  InputBlock block;
  QEventLoop loop;
  QObject relay;  // carries the worker's "done" to this thread
  std::exception_ptr failure;
  QElapsedTimer clock;
  clock.start();

  Worker worker(control, std::thread([&] {
                  try {
                    job();
                  } catch (...) {
                    failure = std::current_exception();
                  }
                  QMetaObject::invokeMethod(
                      &relay, [&loop] { loop.quit(); }, Qt::QueuedConnection);
                }));

  const auto progress = [&] { return look(static_cast<double>(clock.nsecsElapsed()) * 1e-9); };
  std::unique_ptr<RunDialog> dialog;
  QTimer looks;
  looks.setTimerType(Qt::PreciseTimer);
  looks.setInterval(kLookMs);
  QObject::connect(&looks, &QTimer::timeout, [&] {
    const RunProgress p = progress();
    if (dialog) dialog->Show(p);
  });
  QTimer quiet;
  quiet.setTimerType(Qt::PreciseTimer);
  quiet.setSingleShot(true);
  QObject::connect(&quiet, &QTimer::timeout, [&] {
    dialog = std::make_unique<RunDialog>(window, language);
    QObject::connect(dialog.get(), &QDialog::rejected,
                     [&control] { control.cancel.store(true, std::memory_order_relaxed); });
    block.LetThrough(dialog.get());
    dialog->Show(progress());
    dialog->show();
    // Without a window manager nothing else gives it the keyboard (Escape).
    dialog->activateWindow();
  });
  looks.start();
  quiet.start(kQuietMs);

  loop.exec();
  // The loop also ends when the program is told to end: a job still going stops here.
  worker.Join();
  looks.stop();
  quiet.stop();
  dialog.reset();
  if (failure) std::rethrow_exception(failure);
}

ProgressLook FlightProgress(const RunControl& control, double Tk, double dt0) {
  auto estimate = std::make_shared<RunEstimate>(Tk, dt0);
  return [&control, estimate, Tk](double seconds) {
    RunProgress p;
    p.pass = std::max(control.pass.load(std::memory_order_relaxed), 1);
    p.time = control.time.load(std::memory_order_relaxed);
    p.endTime = Tk;
    const std::int64_t steps = control.steps.load(std::memory_order_relaxed);
    p.stepsPerSecond = static_cast<double>(steps) / seconds;
    const RunEstimate::Reading r = estimate->Look(
        p.pass, p.time, steps, control.total.load(std::memory_order_relaxed), p.stepsPerSecond);
    p.share = r.share;
    p.secondsLeft = r.secondsLeft;
    return p;
  };
}

std::int64_t RunOnWorker(SharedState& state, QWidget* window, Language language,
                         const std::string& resultsPath) {
  // The worker flies a copy, which becomes the state only when the run has ended:
  // a cancelled run leaves the last finished run whole, and no reader of `state`
  // ever sees a half-written table. A fault leaves what the run had reached, as a
  // run on the state itself would.
  auto copy = std::make_unique<SharedState>(state);
  RunControl control;
  std::int64_t steps = 0;
  try {
    RunJobOnWorker(window, language, control, FlightProgress(control, state.fd.Tk(), state.fd.dt0()),
                   [&] { steps = StartFlight(*copy, &control, resultsPath); });
  } catch (const RunCancelled&) {
    throw;
  } catch (...) {
    state = *copy;
    throw;
  }
  state = *copy;
  return steps;
}

ProgressLook HeadingProgress(const RunControl& control, const QString& heading) {
  return [&control, heading](double seconds) {
    RunProgress p;
    p.heading = heading;
    p.stepsPerSecond = static_cast<double>(control.steps.load(std::memory_order_relaxed)) / seconds;
    return p;
  };
}

ProgressLook CountedProgress(const RunControl& control, const std::atomic<std::int64_t>& done,
                             std::int64_t total, const QString& of) {
  return [&control, &done, total, of](double seconds) {
    RunProgress p = HeadingProgress(control, QString())(seconds);
    const std::int64_t finished = done.load(std::memory_order_relaxed);
    p.heading = of.arg(finished).arg(total);
    p.share = static_cast<double>(finished) / static_cast<double>(total);
    p.secondsLeft =
        finished > 0 ? seconds / static_cast<double>(finished) * static_cast<double>(total - finished) : -1;
    return p;
  };
}

}  // namespace orv
