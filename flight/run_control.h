// How another thread follows and stops a running flight: the step loop reads the
// cancel flag and publishes its progress every few thousand steps, without a lock.
#pragma once

#include <atomic>
#include <cstdint>

namespace orv {

struct RunControl {
  std::atomic<bool> cancel{false};     // set by any thread; the run stops within kPollSteps steps
  std::atomic<int> pass{0};            // 1 or 2 while a pass runs
  std::atomic<double> time{0.0};       // s, flight time reached in the current pass
  std::atomic<std::int64_t> steps{0};  // steps of both passes so far
};

// Steps between two looks at the control (a power of two).
inline constexpr std::int64_t kPollSteps = 4096;

}  // namespace orv
