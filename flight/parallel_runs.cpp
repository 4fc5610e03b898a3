#include "flight/parallel_runs.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>

#include "base/errors.h"

namespace orv {

FlightSummary FlySummary(SharedState& scratch, const FlightInputs& inputs, const MethodChoice& method,
                         RunControl* control) {
  // Nothing of the previous run may shape this one.
  scratch.fd = FlightData{};
  ApplyInputs(inputs, scratch.fd);
  const FlightOutcome outcome = FlyFlight(scratch, method, SampleRowsWanted::kNo, control);
  return Summarize(scratch, outcome);
}

std::vector<RunAnswer> FlyAll(std::span<const FlightInputs> runs, const MethodChoice& method, int jobs,
                              RunControl& control, std::atomic<std::int64_t>* done) {
  std::vector<RunAnswer> answers(runs.size());
  std::atomic<std::size_t> next{0};
  std::mutex failureMutex;
  std::exception_ptr failure;  // what ended a thread other than a fault of its run

  const auto work = [&] {
    try {
      auto state = std::make_unique<SharedState>();
      for (std::size_t i = next++; i < runs.size(); i = next++) {
        if (control.cancel.load(std::memory_order_relaxed)) throw RunCancelled();
        try {
          answers[i].summary = FlySummary(*state, runs[i], method, &control);
        } catch (const Fault& fault) {
          answers[i].fault = fault.what();
        }
        if (done) ++*done;
      }
    } catch (...) {
      std::lock_guard lock(failureMutex);
      if (!failure) failure = std::current_exception();
      control.cancel.store(true, std::memory_order_relaxed);  // the others stop too
    }
  };
  {
    const auto threads = static_cast<std::size_t>(
        std::clamp<std::int64_t>(jobs, 1, std::max<std::int64_t>(static_cast<std::int64_t>(runs.size()), 1)));
    std::vector<std::jthread> pool;
    for (std::size_t t = 1; t < threads; ++t) pool.emplace_back(work);
    work();
  }
  if (failure) std::rethrow_exception(failure);
  return answers;
}

}  // namespace orv
