#include "cli/sweep_runner.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "base/errors.h"
#include "flight/flight_method.h"
#include "flight/flight_summary.h"
#include "flight/sweep_rows.h"

namespace orv::cli {
namespace {

// Rows finished ahead of the one being handed on, per thread: enough to keep every
// thread busy while one slow run holds the queue, little memory.
constexpr std::int64_t kRowsAheadPerJob = 64;
constexpr auto kProgressInterval = std::chrono::milliseconds(200);
constexpr auto kLookInterval = std::chrono::milliseconds(50);  // between looks at Ctrl+C

// One run of the grid as a CSV row, on a state that only this thread uses. Returns
// the steps flown; RunCancelled passes through.
std::int64_t RunRow(const SweepPlan& plan, std::int64_t index, SharedState& state, RunControl& control,
                    std::string& row) {
  FlightInputs inputs = plan.fixed;
  SetGridPoint(plan.axes, index, inputs);
  std::vector<double> varied;
  for (const VaryAxis& axis : plan.axes) varied.push_back(inputs[static_cast<std::size_t>(axis.input)]);
  row.clear();
  // Nothing of the previous run may shape this one.
  state.fd = FlightData{};
  ApplyInputs(inputs, state.fd);
  FlightOutcome outcome;
  try {
    // A row needs only the end of the flight, not the sample rows.
    outcome = FlyFlight(state, plan.method, SampleRowsWanted::kNo, &control);
  } catch (const Fault& fault) {
    AppendSweepRow(row, varied, nullptr, fault.what(), plan.style);
    return 0;
  }
  const FlightSummary s = Summarize(state, outcome);
  AppendSweepRow(row, varied, &s, {}, plan.style);
  return outcome.steps;
}

// Rows travel from the threads to the caller through a ring of slots; the thread
// that computes row i waits until the caller has taken row i - window.
class RowQueue {
 public:
  RowQueue(std::int64_t first, std::int64_t window)
      : window_(window), taken_(first), slots_(static_cast<std::size_t>(window)) {}

  // False when stopped before there was room.
  bool WaitForRoom(std::int64_t index) {
    std::unique_lock lock(mutex_);
    roomed_.wait(lock, [&] { return stopped_ || index < taken_ + window_; });
    return !stopped_;
  }

  void Put(std::int64_t index, std::string&& row) {
    {
      std::lock_guard lock(mutex_);
      Slot& slot = slots_[static_cast<std::size_t>(index % window_)];
      slot.row = std::move(row);
      slot.ready = true;
    }
    filled_.notify_all();
  }

  // The next row in order; false on timeout or once stopped.
  bool Take(std::string& row, std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    Slot& slot = slots_[static_cast<std::size_t>(taken_ % window_)];
    if (!filled_.wait_for(lock, timeout, [&] { return stopped_ || slot.ready; }) || stopped_) return false;
    row.swap(slot.row);
    slot.ready = false;
    ++taken_;
    lock.unlock();
    roomed_.notify_all();
    return true;
  }

  void Stop() {
    {
      std::lock_guard lock(mutex_);
      stopped_ = true;
    }
    roomed_.notify_all();
    filled_.notify_all();
  }

 private:
  struct Slot {
    std::string row;
    bool ready = false;
  };
  std::mutex mutex_;
  std::condition_variable roomed_, filled_;
  const std::int64_t window_;
  std::int64_t taken_;
  std::vector<Slot> slots_;
  bool stopped_ = false;
};

}  // namespace

std::string SweepHeader(const SweepPlan& plan) {
  std::vector<Input> varied;
  for (const VaryAxis& axis : plan.axes) varied.push_back(axis.input);
  return SweepHeaderText(varied, plan.style);
}

SweepResult RunSweep(const SweepPlan& plan, int jobs, RunControl& control,
                     const std::function<void(std::string_view)>& row,
                     const std::function<void(std::int64_t)>& progress) {
  SweepResult result;
  const std::int64_t runs = std::max<std::int64_t>(plan.last - plan.first, 0);
  if (runs == 0) return result;
  const int threads = static_cast<int>(std::clamp<std::int64_t>(jobs, 1, runs));
  RowQueue queue(plan.first, threads * kRowsAheadPerJob);
  std::atomic<std::int64_t> next{plan.first};
  std::atomic<std::int64_t> steps{0};
  std::atomic<bool> cancelled{false};
  std::mutex errorMutex;
  std::string error;  // what ended a thread other than a fault of its run
  std::atomic<bool> failed{false};

  const auto work = [&] {
    auto state = std::make_unique<SharedState>();
    std::string text;
    try {
      for (std::int64_t i = next++; i < plan.last; i = next++) {
        if (!queue.WaitForRoom(i)) return;
        if (control.cancel.load(std::memory_order_relaxed)) throw RunCancelled();
        steps += RunRow(plan, i, *state, control, text);
        queue.Put(i, std::move(text));
      }
    } catch (const RunCancelled&) {
      cancelled = true;
      queue.Stop();
    } catch (const std::exception& e) {
      std::lock_guard lock(errorMutex);
      if (error.empty()) error = e.what();
      failed = true;
      queue.Stop();
    }
  };
  std::vector<std::jthread> pool;
  // However this function ends, no thread is left waiting for room.
  struct StopAndJoin {
    RowQueue& queue;
    std::vector<std::jthread>& pool;
    ~StopAndJoin() {
      queue.Stop();
      pool.clear();
    }
  } stopAndJoin{queue, pool};
  for (int t = 0; t < threads; ++t) pool.emplace_back(work);

  std::string text;
  auto reported = std::chrono::steady_clock::now();
  while (result.runs < runs && !cancelled) {
    if (queue.Take(text, kLookInterval)) {
      row(text);
      ++result.runs;
    } else if (failed) {
      break;
    }
    if (control.cancel.load(std::memory_order_relaxed)) cancelled = true;
    if (progress && std::chrono::steady_clock::now() - reported >= kProgressInterval) {
      progress(result.runs);
      reported = std::chrono::steady_clock::now();
    }
  }
  queue.Stop();
  pool.clear();  // joins
  if (failed) throw std::runtime_error(error);
  result.steps = steps;
  result.cancelled = cancelled;
  return result;
}

}  // namespace orv::cli
