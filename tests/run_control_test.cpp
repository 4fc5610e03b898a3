// Following and stopping a run from another thread, as the window does: the run
// publishes its progress, stops at a cancel where it got to, and a controlled run
// computes exactly what an uncontrolled one does.
#include "flight/run_control.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdint>
#include <exception>
#include <thread>

#include "base/errors.h"
#include "files/results_table.h"
#include "flight/flight_run.h"
#include "flight/run_estimate.h"
#include "flight/start_flight.h"
#include "tests/sim_test_support.h"

#if defined(__x86_64__) || defined(__i386__)
#include <xmmintrin.h>
#define ORVANTIS_HAS_MXCSR 1
#endif

namespace orv {
namespace {

using testing::DefaultState;

// 10^9 steps a pass: the harpoon sinks from 100 km for 10^5 s.
void MakeLong(SharedState& state) {
  state.fd.H0() = 1e5;
  state.fd.Tk() = 1e5;
}

// Runs the flight on a thread of its own, as the window's worker does.
class RunThread {
 public:
  RunThread(SharedState& state, RunControl& control)
      : thread_([this, &state, &control] {
          try {
            steps_ = RunFlight(state, &control);
          } catch (...) {
            failure_ = std::current_exception();
          }
        }) {}
  ~RunThread() { Join(); }

  void Join() {
    if (thread_.joinable()) thread_.join();
  }
  std::exception_ptr failure() const { return failure_; }

 private:
  std::int64_t steps_ = 0;
  std::exception_ptr failure_;
  std::thread thread_;
};

bool IsCancelled(const std::exception_ptr& failure) {
  try {
    if (failure) std::rethrow_exception(failure);
  } catch (const RunCancelled&) {
    return true;
  } catch (...) {
  }
  return false;
}

TEST(RunControl, CancelFromAnotherThreadStopsALongRunAtTheStepItReached) {
  auto state = DefaultState();
  MakeLong(*state);
  RunControl control;
  RunThread run(*state, control);
  // The run publishes how far it got every kPollSteps steps.
  while (control.steps.load() < 3 * kPollSteps) std::this_thread::yield();
  EXPECT_EQ(control.pass.load(), 1);
  EXPECT_GT(control.time.load(), 0.0);
  control.cancel.store(true);
  run.Join();
  ASSERT_TRUE(IsCancelled(run.failure()));

  // It stopped at a look at the control, N steps into the first pass.
  const std::int64_t N = control.steps.load();
  EXPECT_EQ(N % kPollSteps, 0);
  FlightData& fd = state->fd;
  double t = 0;
  for (std::int64_t k = 0; k < N; ++k) t = t + fd.dt0();
  EXPECT_EQ(fd.t(), t);

  // The slots hold that step: a run that ends by its end time after exactly N steps
  // (both passes end in the same state) left the same values.
  auto reference = DefaultState();
  MakeLong(*reference);
  reference->fd.Tk() = t;
  EXPECT_EQ(RunFlight(*reference), 2 * N);
  const FlightData& ref = reference->fd;
  for (int slot : {kT, kH, kX, kV, kQ, kTemp, kPres, kSound, kRho, kVisc, kMach, kNx, kFin, kQDyn})
    EXPECT_EQ(fd.slot[slot], ref.slot[slot]) << "slot " << slot;
  EXPECT_EQ(fd.Drag, ref.Drag);
  EXPECT_EQ(fd.Lift, ref.Lift);
  EXPECT_EQ(fd.Accel, ref.Accel);
}

// The second pass flies only up to its rows from the first pass's checkpoints: a
// little over 500 steps here, against the 7676 of the first pass.
TEST(RunControl, ACompleteRunPublishesBothPassesAndAllItsSteps) {
  for (SecondPass secondPass : {SecondPass::kFromCheckpoints, SecondPass::kFull}) {
    auto state = DefaultState();
    RunControl control;
    const std::int64_t steps = RunFlight(*state, &control, secondPass);
    const std::int64_t firstPass = steps / 2;
    EXPECT_EQ(control.pass.load(), 2);
    EXPECT_EQ(control.steps.load(), control.total.load());
    EXPECT_GT(control.time.load(), 0.0);
    EXPECT_LE(control.time.load(), state->fd.t());
    if (secondPass == SecondPass::kFull) {
      EXPECT_EQ(control.total.load(), steps);
    } else {
      EXPECT_GE(control.total.load() - firstPass, state->RecordedRows);
      EXPECT_LT(control.total.load() - firstPass, 2 * kSampleRowsMax);
      EXPECT_GT(control.checkpointBytes.load(), firstPass * 40);  // every step: t, H, X, V, Q
      EXPECT_LE(control.checkpointBytes.load(), 16 << 20);
    }
  }
}

// The cancel checks sit outside the arithmetic: the same flight, followed or not,
// gives the same bits everywhere.
TEST(RunControl, AControlledRunIsBitIdenticalToAnUncontrolledOne) {
  struct Flight {
    double H0, Tk;
  };
  for (Flight flight : {Flight{1.7, 5}, Flight{1000, 20}}) {
    auto plain = DefaultState(), followed = DefaultState();
    for (SharedState* state : {plain.get(), followed.get()}) {
      state->fd.H0() = flight.H0;
      state->fd.Tk() = flight.Tk;
    }
    RunControl control;
    const std::int64_t steps = RunFlight(*plain);
    EXPECT_EQ(RunFlight(*followed, &control), steps);
    EXPECT_GT(steps, 2 * kPollSteps);
    EXPECT_EQ(followed->fd.slot, plain->fd.slot);
    EXPECT_EQ(followed->TrajectorySamples, plain->TrajectorySamples);
    EXPECT_EQ(followed->fd.Drag, plain->fd.Drag);
    EXPECT_EQ(followed->fd.Accel, plain->fd.Accel);
    EXPECT_EQ(followed->fd.TimeUnitCode, plain->fd.TimeUnitCode);
    EXPECT_EQ(followed->SampleInterval, plain->SampleInterval);
    EXPECT_EQ(followed->PreviousFraction, plain->PreviousFraction);
    EXPECT_EQ(FormatResultsTable(*followed), FormatResultsTable(*plain));
  }
}

// A cancel that comes when the run has just ended (here: before a flight too short
// for the run ever to look at it) still writes nothing.
TEST(RunControl, ACancelBeforeTheFileLeavesThePreviousFile) {
  testing::TempFolder folder;
  const std::string path = folder / kResultsFileName;
  testing::WriteFile(path, "previous");
  auto state = DefaultState();
  state->fd.Tk() = 0.1;  // 1000 steps a pass
  RunControl control;
  control.cancel.store(true);
  EXPECT_THROW(StartFlight(*state, &control, path), RunCancelled);
  EXPECT_EQ(state->SamplingPass, 1);  // the run itself completed
  EXPECT_GE(state->fd.t(), 0.1);
  EXPECT_EQ(testing::ReadFile(path), "previous");

  control.cancel.store(false);
  StartFlight(*state, &control, path);
  EXPECT_EQ(testing::ReadFile(path), FormatResultsTable(*state));
}

// From t = 0 the time stalls only after about 2^52 steps, whatever the step: the
// sum keeps its relative precision. A step of 1e-20 s therefore runs on (until it
// is cancelled) instead of being refused.
TEST(RunControl, ATinyStepRunsOnUntilCancelled) {
  auto state = DefaultState();
  state->fd.dt0() = 1e-20;
  RunControl control;
  RunThread run(*state, control);
  while (control.steps.load() < kPollSteps) std::this_thread::yield();
  control.cancel.store(true);
  run.Join();
  EXPECT_TRUE(IsCancelled(run.failure()));
  EXPECT_GT(state->fd.t(), 0.0);
}

#ifdef ORVANTIS_HAS_MXCSR
// Under flush-to-zero (which a library built for speed may switch on), a step below
// the normal numbers leaves t + dt0 == t at once: the run stops at that step with a
// message naming the step and the time, and writes nothing.
TEST(RunControl, ATimeThatStopsAdvancingIsRefusedAndNothingWritten) {
  testing::TempFolder folder;
  const std::string path = folder / kResultsFileName;
  auto state = DefaultState();
  state->fd.dt0() = 5e-324;
  const unsigned int saved = _mm_getcsr();
  _mm_setcsr(saved | 0x8000);
  std::string message;
  try {
    StartFlight(*state, nullptr, path);
  } catch (const InputFault& e) {
    message = e.what();
  }
  _mm_setcsr(saved);
  EXPECT_EQ(
      message,
      "The time step 4.94065645841247E-324 s no longer advances the flight time at t = 0 s, so the flight "
      "would never end");
  EXPECT_EQ(state->SamplingPass, 0);
  EXPECT_EQ(state->fd.t(), 0.0);
  EXPECT_EQ(state->fd.V(), 30.2);
  EXPECT_FALSE(std::filesystem::exists(path));
}
#endif

// 10^6 steps up to Tk, at 10^6 steps a second.
TEST(RunEstimate, TheBarRunsOnceOverBothPassesWeightedByTheirSteps) {
  RunEstimate estimate(1000, 1e-3);
  EXPECT_DOUBLE_EQ(estimate.Look(1, 250, 250000, 0, 1e6).share, 0.25);
  EXPECT_DOUBLE_EQ(estimate.Look(1, 400, 400000, 0, 1e6).share, 0.4);  // the height ends it here
  // The second pass flies 1000 steps: it takes the last 1000 / 401000 of the bar.
  EXPECT_DOUBLE_EQ(estimate.Look(2, 0, 400000, 401000, 1e6).share, 400000.0 / 401000);
  EXPECT_DOUBLE_EQ(estimate.Look(2, 200, 400500, 401000, 1e6).share, 400500.0 / 401000);
  EXPECT_DOUBLE_EQ(estimate.Look(2, 400, 401000, 401000, 1e6).share, 1.0);
  // A full second pass after a first that ran to Tk: the bar waits at its place
  // rather than going back, and moves on once the second pass passes it.
  RunEstimate full(1000, 1e-3);
  EXPECT_DOUBLE_EQ(full.Look(1, 1000, 1000000, 0, 1e6).share, 1.0);
  EXPECT_DOUBLE_EQ(full.Look(2, 10, 1010000, 2000000, 1e6).share, 1.0);
}

TEST(RunEstimate, TheTimeLeftRunsOnAcrossTheChangeOfPass) {
  RunEstimate estimate(1000, 1e-3);
  EXPECT_DOUBLE_EQ(estimate.Look(1, 200, 200000, 0, 1e6).secondsLeft, 0.8);
  const double endOfFirst = estimate.Look(1, 999.9, 999900, 0, 1e6).secondsLeft;
  const double startOfSecond = estimate.Look(2, 0, 1000000, 1001000, 1e6).secondsLeft;
  EXPECT_NEAR(endOfFirst, 1e-4, 1e-9);
  EXPECT_NEAR(startOfSecond, 1e-3, 1e-9);
  EXPECT_DOUBLE_EQ(estimate.Look(2, 1000, 1001000, 1001000, 1e6).secondsLeft, 0.0);
}

TEST(RunEstimate, NoEstimateWithoutStepsOrWithAnEndlessEndTime) {
  EXPECT_LT(RunEstimate(1000, 1e-3).Look(1, 0, 0, 0, 0).secondsLeft, 0.0);
  EXPECT_LT(RunEstimate(HUGE_VAL, 1e-3).Look(1, 10, 10000, 0, 1e6).secondsLeft, 0.0);
  EXPECT_EQ(RunEstimate(HUGE_VAL, 1e-3).Look(1, 10, 10000, 0, 1e6).share, 0.0);
  EXPECT_LT(RunEstimate(1000, 0).Look(1, 10, 10000, 0, 1e6).secondsLeft, 0.0);
}

}  // namespace
}  // namespace orv
