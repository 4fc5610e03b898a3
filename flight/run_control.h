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
  std::atomic<std::int64_t> steps{0};  // steps flown so far, both passes
  // The steps the whole run flies, known once the first pass has ended (0 before).
  // The second pass flies only the steps up to its rows, so this is little more than
  // the first pass's steps (twice them when the second pass flies every step).
  std::atomic<std::int64_t> total{0};
  std::atomic<std::int64_t> checkpointBytes{0};  // bytes the first pass set aside for its checkpoints
};

// Steps between two looks at the control (a power of two).
inline constexpr std::int64_t kPollSteps = 4096;

}  // namespace orv
