#include "flight/flight_run.h"

#include <cmath>
#include <string>

#include "base/constants.h"
#include "base/errors.h"
#include "base/number_text.h"
#include "flight/pass_start.h"
#include "flight/sample_record.h"
#include "physics/atmosphere_table.h"
#include "physics/motion_step.h"

namespace orv {
namespace {

constexpr double kNoSampleYet = 100.0;     // previous fraction before the first step
constexpr double kNoWholeYet = -1.0;       // t / SampleInterval never reaches it
constexpr double kSampleTolerance = 0.01;  // largest rise of the fraction that still records

inline double Fraction(double quotient) { return quotient - std::trunc(quotient); }

struct StepResult {
  BodyState body;
  StepOutputs out;
};

// The rare step in which the fast path met a fault: redo it operation by operation
// so the fault is raised where it happens, with that step's earlier assignments kept.
[[gnu::noinline, gnu::cold]] StepResult CheckedStep(FlightData& fd, StepInputs in, StepResult step) {
  AirState air;
  double mach = 0;
  int layer = AtmosphereLayer(step.body.H);
  MediumAt(step.body.H, step.body.V, in.rho, layer, air, mach);
  try {
    CheckedMotionStep(in, step.body, step.out);
  } catch (const FloatingPointFault&) {
    Commit(fd, step.body, step.out, air, mach);
    throw;
  }
  return step;
}

// t / SampleInterval, which faults like the division (a sample interval that
// underflowed to zero).
inline double SampleQuotient(FlightData& fd, const BodyState& body, const StepOutputs& out,
                             const AirState& air, double mach, double sampleInterval) {
  const double quotient = body.t / sampleInterval;
  if (!AllFinite(quotient)) {
    Commit(fd, body, out, air, mach);
    CheckedDiv(body.t, sampleInterval);
  }
  return quotient;
}

// A time below which t / interval, rounded, stays below the integer k: the rounded
// quotient reaches k only from k (1 - 2^-53) on, and the two roundings here stay well
// inside the margin of 2^-50. Where k * interval could leave the normal numbers the
// bound is dropped and every step divides.
inline double EarliestCrossing(double k, double interval) {
  constexpr double kMargin = 1.0 - 0x1p-50;
  const bool normal = interval >= 0x1p-900 && interval <= 0x1p+900 && k <= 0x1p+60;
  return normal ? k * interval * kMargin : -HUGE_VAL;
}

// Like Commit, these take copies: the loop's locals must not have their address
// taken, or they would leave the registers in every step.
[[noreturn, gnu::cold]] void TimeStalled(FlightData& fd, BodyState body, StepOutputs out, AirState air,
                                         double mach) {
  Commit(fd, body, out, air, mach);
  throw InputFault("The time step " + FloatToText(fd.dt0(), '.') +
                   " s no longer advances the flight time at t = " + FloatToText(body.t, '.') +
                   " s, so the flight would never end");
}

// Every kPollSteps steps: a time that no longer advances ends the run (t + dt0 == t:
// once so, always so, and the loop could never reach Tk); then, with a control, stop
// when asked to, and say how far the run got. Looking this seldom costs nothing a step.
[[gnu::noinline, gnu::cold]] void Poll(RunControl* control, double& polledTime, FlightData& fd,
                                       BodyState body, StepOutputs out, AirState air, double mach) {
  if (body.t == polledTime) TimeStalled(fd, body, out, air, mach);
  polledTime = body.t;
  if (!control) return;
  control->time.store(body.t, std::memory_order_relaxed);
  control->steps.fetch_add(kPollSteps, std::memory_order_relaxed);
  if (control->cancel.load(std::memory_order_relaxed)) {
    Commit(fd, body, out, air, mach);
    throw RunCancelled();
  }
}

// Integrates one pass from the pass start until H <= Hk or t >= Tk; the second pass
// (kRecord) also records the samples. Returns the number of steps.
template <bool kRecord>
std::int64_t FlyPass(SharedState& state, RunControl* control) {
  FlightData& fd = state.fd;
  // Inputs of the motion step: none of them changes during a pass (Thrust is 0 and
  // Rho the medium's density in every step).
  const StepInputs in{0.0, fd.Vwind(), fd.dt0(), fd.RhoMedium, fd.CxCur(), fd.CyCur(), fd.Mass, fd.SRef};
  const double Hk = fd.Hk();
  const double Tk = fd.Tk();
  const double sampleInterval = state.SampleInterval;

  BodyState body{fd.t(), fd.H(), fd.X(), fd.V(), fd.Q()};
  StepOutputs out{fd.qDyn(), fd.Auftrieb, fd.Accel, fd.Drag, fd.Lift, fd.nx(), fd.Fin()};
  AirState air{fd.Temp(), fd.Pres(), fd.Sound(), fd.Rho(), fd.Visc()};
  double mach = fd.Mach();
  double previousWhole = kNoWholeYet;
  double nextCrossing = -HUGE_VAL;  // s
  int layer = AtmosphereLayer(body.H);
  std::int64_t steps = 0;
  double polledTime = -HUGE_VAL;  // s, t at the last look every kPollSteps steps
  if (control) control->pass.store(kRecord ? 2 : 1, std::memory_order_relaxed);

  do {
    // The air and the Mach number depend only on the height and speed before the
    // motion; taking them after it keeps fewer values alive across sin and cos.
    const double H = body.H, V = body.V;
    [[maybe_unused]] const double t = kRecord ? body.t : 0.0;  // s, for the sampling test
    if (!TryMotionStep(in, body, out)) {
      const StepResult step = CheckedStep(fd, in, {body, out});
      body = step.body;
      out = step.out;
    }
    MediumAt(H, V, in.rho, layer, air, mach);
    ++steps;
    // t + dt0 == t: the loop could never reach Tk.
    if ((steps & (kPollSteps - 1)) == 0) [[unlikely]]
      Poll(control, polledTime, fd, body, out, air, mach);

    if constexpr (kRecord) {
      // A row when the classic test passes (the fraction of t / SampleInterval rose
      // by at most 0.01 since the step before, or fell back) and the whole part of
      // t / SampleInterval grew, or at the first step. Up to 50 000 steps the first
      // condition alone decides, as it always did; beyond, the second keeps the 500
      // rows evenly spaced. Below `nextCrossing` the whole part cannot have grown.
      if (body.t >= nextCrossing) {
        const double quotient = SampleQuotient(fd, body, out, air, mach, sampleInterval);
        const double whole = std::trunc(quotient);
        if (whole > previousWhole) {
          const double fraction = quotient - whole;
          const double previousFraction =
              previousWhole == kNoWholeYet ? kNoSampleYet : Fraction(t / sampleInterval);
          if (fraction - previousFraction <= kSampleTolerance) {
            Commit(fd, body, out, air, mach);
            RecordSample(state);
          }
        }
        previousWhole = whole;
        nextCrossing = EarliestCrossing(whole + 1, sampleInterval);
      }
    }
  } while (body.H > Hk && body.t < Tk);
  if (control) control->steps.fetch_add(steps & (kPollSteps - 1), std::memory_order_relaxed);

  Commit(fd, body, out, air, mach);
  if constexpr (kRecord) {
    state.PreviousFraction = Fraction(body.t / sampleInterval);
  }
  state.SampleInterval = body.t / 500;
  return steps;
}

std::string TimeStepMessage(double dt0) {
  return "The time step " + FloatToText(dt0, '.') +
         " s is not greater than zero, so the flight time would never advance";
}

}  // namespace

std::int64_t RunFlight(SharedState& state, RunControl* control) {
  FlightData& fd = state.fd;
  if (!(fd.dt0() > 0.0)) throw InputFault(TimeStepMessage(fd.dt0()));

  state.SampleRows = kSampleRowsMax;
  state.FieldSeparator = "  ";
  state.SamplingPass = 0;
  state.RunIncomplete = true;  // until the table is whole again
  ClearSampleTable(state);

  StartPass(state);
  std::int64_t steps = FlyPass<false>(state, control);

  state.SamplingPass = 1;
  state.PreviousFraction = kNoSampleYet;
  StartPass(state);
  steps += FlyPass<true>(state, control);

  ScaleSampleUnits(state);
  state.RunIncomplete = false;
  return steps;
}

}  // namespace orv
