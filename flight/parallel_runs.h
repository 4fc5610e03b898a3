// Many flights at once, for every study (the sweep, the comparison, the search for
// the best value, the window's studies): each thread flies on a state of its own,
// and the results come to the caller in run order whatever the number of threads,
// so a study's bytes do not depend on the thread count or on timing.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/flight_data.h"
#include "base/input_table.h"
#include "flight/flight_method.h"
#include "flight/flight_summary.h"
#include "flight/run_control.h"

namespace orv {

struct RunsDone {
  std::int64_t runs = 0;   // results handed to the caller
  bool cancelled = false;  // control.cancel stopped the runs
};

// What the runner does with results it does not know the type of: `fly` computes
// run `run` on this thread's own `state` into the caller's slot `slot` (a worker's
// thread); `take` hands the caller that slot (the calling thread, in run order).
struct RunHooks {
  std::function<void(std::int64_t run, std::size_t slot, SharedState& state)> fly;
  std::function<void(std::int64_t run, std::size_t slot)> take;
  std::function<void(std::int64_t taken)> progress;  // may be empty
};

// Slots a run of `runs` results on `jobs` threads holds at most: enough to keep
// every thread busy while one slow run holds the others back, little memory.
std::size_t RunSlots(int jobs, std::int64_t runs);

// Flies runs [first, last) on up to `jobs` threads, at most RunSlots ahead of the
// one taken last; on one thread every run is flown and taken on the calling thread,
// with no hand-off at all. `progress` comes about every 200 ms, from the calling
// thread. Setting control.cancel stops every thread at its next look; an exception
// of `fly` or `take` (other than RunCancelled) stops the others and is rethrown.
RunsDone FlyInOrder(std::int64_t first, std::int64_t last, int jobs, RunControl& control,
                    const RunHooks& hooks);

// The same with results of type R in a ring of its own: fly(run, state, R&) fills a
// slot (reused: its earlier contents are there to be overwritten), take(run, R&)
// reads it in run order.
template <typename R, typename Fly, typename Take>
RunsDone FlyInOrder(std::int64_t first, std::int64_t last, int jobs, RunControl& control, Fly&& fly,
                    Take&& take, std::function<void(std::int64_t)> progress = {}) {
  std::vector<R> ring(RunSlots(jobs, last - first));
  RunHooks hooks;
  hooks.fly = [&](std::int64_t run, std::size_t slot, SharedState& state) { fly(run, state, ring[slot]); };
  hooks.take = [&](std::int64_t run, std::size_t slot) { take(run, ring[slot]); };
  hooks.progress = std::move(progress);
  return FlyInOrder(first, last, jobs, control, hooks);
}

// The parameter set as the main window leaves it with these inputs typed into its
// fields (ApplyInputs on an empty set).
FlightData StartOf(const FlightInputs& inputs);

struct RunAnswer {
  std::optional<FlightSummary> summary;  // none when the run faulted
  std::string fault;                     // then its message
};

// Flies every input set on up to `jobs` threads and summarises each. `done` (may
// be null) counts the finished runs as they finish. Throws RunCancelled once
// control.cancel is set.
std::vector<RunAnswer> FlyAll(std::span<const FlightInputs> runs, const MethodChoice& method, int jobs,
                              RunControl& control, std::atomic<std::int64_t>* done = nullptr);

}  // namespace orv
