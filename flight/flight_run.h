// The computation behind START: two explicit-Euler passes through the medium, the
// 500 sample rows and the unit scaling.
#pragma once

#include <cstdint>
#include <string>

#include "base/flight_data.h"
#include "flight/run_control.h"

namespace orv {

// How the second pass repeats the first. Both leave the same bytes everywhere.
enum class SecondPass {
  // Only the steps up to each recorded row, from the nearest checkpoint that the
  // first pass kept: a whole run costs little more than its first pass.
  kFromCheckpoints,
  // Every step again from the launch, testing each for a row: the reference the
  // other is checked against, and what a run falls back to where the times alone
  // cannot be trusted to find the rows (a sample interval below the normal numbers).
  kFull,
};

// What a run does where the speed along the path passes zero (and the path-angle
// equation stops holding): the classic run flies on as it always has; a study stops
// there, so that both methods end at the same point. Either way the run notes the
// time (SharedState::SpeedPassedZeroAt).
enum class ZeroSpeed { kFlyOn, kStop };

// Run start, first pass (learns the duration), second pass (records the samples),
// unit scaling. Throws FloatingPointFault at a faulting operation (the state keeps
// what that step had assigned) and InputFault for a time step that would never end.
// With a `control`, another thread can follow the run and stop it: a cancelled run
// throws RunCancelled, leaving the slots at the step it reached. Returns the steps of
// both passes together, each pass counted whole.
std::int64_t RunFlight(SharedState& state, RunControl* control = nullptr,
                       SecondPass secondPass = SecondPass::kFromCheckpoints,
                       ZeroSpeed zeroSpeed = ZeroSpeed::kFlyOn);

// Why a time step of `dt0` s (not greater than zero) cannot fly: the InputFault's text.
std::string TimeStepMessage(double dt0);

}  // namespace orv
