#include "flight/parallel_runs.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>

#include "base/errors.h"

namespace orv {
namespace {

// Results finished ahead of the one taken next, per thread.
constexpr std::int64_t kSlotsPerJob = 64;
constexpr auto kProgressInterval = std::chrono::milliseconds(200);
constexpr auto kLookInterval = std::chrono::milliseconds(50);  // between looks at the cancel flag

// The ring between the threads and the caller. A thread fills the slot of run i
// only once the caller has taken run i - slots; the caller takes every result that
// is ready in one go, and a thread wakes it only when it finishes the very run the
// caller waits for, so that results travel in batches, not one hand-off each.
class OrderedRing {
 public:
  OrderedRing(std::int64_t first, std::size_t slots) : taken_(first), ready_(slots, false) {}

  std::size_t SlotOf(std::int64_t run) const { return static_cast<std::size_t>(run) % ready_.size(); }

  // False when stopped before there was room.
  bool WaitForRoom(std::int64_t run) {
    std::unique_lock lock(mutex_);
    if (!stopped_ && !HasRoom(run)) {
      ++roomWaiters_;
      roomed_.wait(lock, [&] { return stopped_ || HasRoom(run); });
      --roomWaiters_;
    }
    return !stopped_;
  }

  void Put(std::int64_t run) {
    bool wake = false;
    {
      std::lock_guard lock(mutex_);
      ready_[SlotOf(run)] = true;
      wake = takerWaits_ && run == taken_;
    }
    if (wake) filled_.notify_one();
  }

  // How many results from the next one on are ready (0 on timeout or once stopped);
  // they stay in their slots until Taken.
  std::int64_t WaitForReady(std::int64_t last, std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    takerWaits_ = true;
    filled_.wait_for(lock, timeout, [&] { return stopped_ || ready_[SlotOf(taken_)]; });
    takerWaits_ = false;
    if (stopped_) return 0;
    std::int64_t n = 0;
    while (taken_ + n < last && n < static_cast<std::int64_t>(ready_.size()) && ready_[SlotOf(taken_ + n)])
      ++n;
    return n;
  }

  void Taken(std::int64_t n) {
    bool wake = false;
    {
      std::lock_guard lock(mutex_);
      for (std::int64_t i = 0; i < n; ++i) ready_[SlotOf(taken_ + i)] = false;
      taken_ += n;
      wake = roomWaiters_ > 0;
    }
    if (wake) roomed_.notify_all();
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
  bool HasRoom(std::int64_t run) const { return run < taken_ + static_cast<std::int64_t>(ready_.size()); }

  std::mutex mutex_;
  std::condition_variable roomed_, filled_;
  std::int64_t taken_;
  std::vector<bool> ready_;
  bool stopped_ = false;
  bool takerWaits_ = false;
  int roomWaiters_ = 0;
};

// Every run on the calling thread, each taken as soon as it is flown.
RunsDone FlyHere(std::int64_t first, std::int64_t last, RunControl& control, const RunHooks& hooks) {
  RunsDone done;
  auto state = std::make_unique<SharedState>();
  auto reported = std::chrono::steady_clock::now();
  for (std::int64_t run = first; run < last; ++run) {
    try {
      if (control.cancel.load(std::memory_order_relaxed)) throw RunCancelled();
      hooks.fly(run, 0, *state);
    } catch (const RunCancelled&) {
      done.cancelled = true;
      break;
    }
    hooks.take(run, 0);
    ++done.runs;
    if (hooks.progress && std::chrono::steady_clock::now() - reported >= kProgressInterval) {
      hooks.progress(done.runs);
      reported = std::chrono::steady_clock::now();
    }
  }
  return done;
}

}  // namespace

std::size_t RunSlots(int jobs, std::int64_t runs) {
  if (jobs <= 1 || runs <= 1) return 1;
  return static_cast<std::size_t>(std::min<std::int64_t>(std::int64_t{jobs} * kSlotsPerJob, runs));
}

RunsDone FlyInOrder(std::int64_t first, std::int64_t last, int jobs, RunControl& control,
                    const RunHooks& hooks) {
  const std::int64_t runs = std::max<std::int64_t>(last - first, 0);
  if (runs == 0) return {};
  const auto threads = static_cast<int>(std::clamp<std::int64_t>(jobs, 1, runs));
  if (threads == 1) return FlyHere(first, last, control, hooks);

  OrderedRing ring(first, RunSlots(threads, runs));
  std::atomic<std::int64_t> next{first};
  std::atomic<bool> cancelled{false};
  std::mutex failureMutex;
  std::exception_ptr failure;  // what ended a thread, other than a cancel
  std::atomic<bool> failed{false};

  const auto work = [&] {
    try {
      auto state = std::make_unique<SharedState>();
      for (std::int64_t run = next++; run < last; run = next++) {
        if (!ring.WaitForRoom(run)) return;
        if (control.cancel.load(std::memory_order_relaxed)) throw RunCancelled();
        hooks.fly(run, ring.SlotOf(run), *state);
        ring.Put(run);
      }
    } catch (const RunCancelled&) {
      cancelled = true;
      ring.Stop();
    } catch (...) {
      std::lock_guard lock(failureMutex);
      if (!failure) failure = std::current_exception();
      failed = true;
      ring.Stop();
    }
  };
  std::vector<std::jthread> pool;
  // However this function ends (also by an exception of `take`), no thread is left
  // waiting for room, and every one is joined.
  struct StopAndJoin {
    OrderedRing& ring;
    std::vector<std::jthread>& pool;
    ~StopAndJoin() {
      ring.Stop();
      pool.clear();
    }
  } stopAndJoin{ring, pool};
  for (int t = 0; t < threads; ++t) pool.emplace_back(work);

  RunsDone done;
  auto reported = std::chrono::steady_clock::now();
  while (done.runs < runs && !cancelled && !failed) {
    const std::int64_t ready = ring.WaitForReady(last, kLookInterval);
    for (std::int64_t i = 0; i < ready; ++i) {
      const std::int64_t run = first + done.runs + i;
      hooks.take(run, ring.SlotOf(run));
    }
    ring.Taken(ready);
    done.runs += ready;
    if (control.cancel.load(std::memory_order_relaxed)) cancelled = true;
    if (hooks.progress && std::chrono::steady_clock::now() - reported >= kProgressInterval) {
      hooks.progress(done.runs);
      reported = std::chrono::steady_clock::now();
    }
  }
  ring.Stop();
  pool.clear();  // joins
  if (failure) std::rethrow_exception(failure);
  done.cancelled = cancelled;
  return done;
}

FlightData StartOf(const FlightInputs& inputs) {
  FlightData fd;
  ApplyInputs(inputs, fd);
  return fd;
}

std::vector<RunAnswer> FlyAll(std::span<const FlightInputs> runs, const MethodChoice& method, int jobs,
                              RunControl& control, std::atomic<std::int64_t>* done) {
  std::vector<RunAnswer> answers(runs.size());
  const auto fly = [&](std::int64_t run, SharedState& state, RunAnswer*& slot) {
    RunAnswer& answer = answers[static_cast<std::size_t>(run)];
    try {
      answer.summary = FlySummary(state, StartOf(runs[static_cast<std::size_t>(run)]), method, &control);
    } catch (const Fault& fault) {
      answer.fault = fault.what();
    }
    slot = &answer;
    if (done) ++*done;
  };
  // Each answer is written in its place; the ring only keeps the threads within reach.
  const auto take = [](std::int64_t, RunAnswer*&) {};
  const RunsDone flown =
      FlyInOrder<RunAnswer*>(0, static_cast<std::int64_t>(runs.size()), jobs, control, fly, take);
  if (flown.cancelled) throw RunCancelled();
  return answers;
}

}  // namespace orv
