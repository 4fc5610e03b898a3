#include "flight/flight_run.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "base/constants.h"
#include "base/errors.h"
#include "base/number_text.h"
#include "flight/checkpoints.h"
#include "flight/pass_start.h"
#include "flight/sample_record.h"
#include "physics/atmosphere_table.h"
#include "physics/motion_step.h"

namespace orv {
namespace {

constexpr double kNoSampleYet = 100.0;       // previous fraction before the first step
constexpr double kSampleTolerance = 0.01;    // largest rise of the fraction that still records
constexpr std::int64_t kNoStop = INT64_MAX;  // a pass that only its end conditions end

inline double Fraction(double quotient) { return quotient - std::trunc(quotient); }

// The sampling test of a step that took t / SampleInterval from `before` to `after`.
// The first step records; a later one when the whole part of the quotient grew and
// its fraction rose by at most 0.01 since the step before (it falls back where an
// integer is passed). Up to 50 000 steps a pass the fraction alone decides, as it
// always did; beyond, the whole part keeps the 500 rows evenly spaced.
inline bool RecordsRow(double before, double after, bool first) {
  return first ||
         (std::trunc(after) > std::trunc(before) && Fraction(after) - Fraction(before) <= kSampleTolerance);
}

// The body after step `number` of a pass and what that step worked out on the way:
// all that a sample, a fault or the end of a pass puts into the slots.
struct Step {
  std::int64_t number = 0;
  BodyState body;
  StepOutputs out;
  AirState air;
  double mach = 0;  // -, of the speed before the step
};

// The step that the slots hold (at a pass start: the launch, and whatever a fault in
// the first step would leave unassigned).
Step SlotStep(FlightData& fd) {
  return {0,
          {fd.t(), fd.H(), fd.X(), fd.V(), fd.Q()},
          {fd.qDyn(), fd.Auftrieb, fd.Accel, fd.Drag, fd.Lift, fd.nx(), fd.Fin()},
          {fd.Temp(), fd.Pres(), fd.Sound(), fd.Rho(), fd.Visc()},
          fd.Mach()};
}

// Puts a step where the rest of the program reads it (at a sample, a fault and the
// end of a pass).
inline void Commit(FlightData& fd, const Step& s) { Commit(fd, s.body, s.out, s.air, s.mach); }

// The rare step in which the fast path met a fault: redo it operation by operation
// so the fault is raised where it happens, with that step's earlier assignments kept.
[[gnu::noinline, gnu::cold]] Step CheckedStep(FlightData& fd, StepInputs in, Step s) {
  int layer = AtmosphereLayer(s.body.H);
  MediumAt(s.body.H, s.body.V, in.rho, layer, s.air, s.mach);
  try {
    CheckedMotionStep(in, s.body, s.out);
  } catch (const FloatingPointFault&) {
    Commit(fd, s);
    throw;
  }
  return s;
}

// Every kPollSteps steps: a time that no longer advances ends the run (t + dt0 == t:
// once so, always so, and the loop could never reach Tk); then, with a control, say
// how far the run got and stop when asked to. Looking this seldom costs nothing a step.
[[gnu::noinline, gnu::cold]] void Poll(FlightData& fd, RunControl* control, Step s, double& polledTime,
                                       std::int64_t& published) {
  if (s.body.t == polledTime) {
    Commit(fd, s);
    throw InputFault("The time step " + FloatToText(fd.dt0(), '.') +
                     " s no longer advances the flight time at t = " + FloatToText(s.body.t, '.') +
                     " s, so the flight would never end");
  }
  polledTime = s.body.t;
  if (!control) return;
  control->time.store(s.body.t, std::memory_order_relaxed);
  control->steps.fetch_add(s.number - published, std::memory_order_relaxed);
  published = s.number;
  if (control->cancel.load(std::memory_order_relaxed)) {
    Commit(fd, s);
    throw RunCancelled();
  }
}

// The first step after which the speed along the path has passed zero: noted once.
[[gnu::noinline, gnu::cold]] void NoteSpeedPassedZero(SharedState& state, double t) {
  if (std::isnan(state.SpeedPassedZeroAt)) state.SpeedPassedZeroAt = t;
}

// The step loop of every pass: flies on from step `from` until H <= Hk or t >= Tk (or,
// with `stopAtZeroSpeed`, the speed passed zero), and
// returns the last step. The first pass keeps checkpoints in `keep`; the second pass
// from checkpoints stops at step `stop`; the full second pass (kRecord) tests every
// step for a row. Inlined where it is called, so that each pass's loop is compiled
// for what that pass does (a few per cent a step in the first pass).
template <bool kRecord>
[[gnu::always_inline]] inline Step Fly(SharedState& state, RunControl* control, const Step& from,
                                       std::int64_t stop, Checkpoints* keep, bool stopAtZeroSpeed = false) {
  FlightData& fd = state.fd;
  // Inputs of the motion step: none of them changes during a pass (Thrust is 0 and
  // Rho the medium's density in every step).
  const StepInputs in{0.0, fd.Vwind(), fd.dt0(), fd.RhoMedium, fd.CxCur(), fd.CyCur(), fd.Mass, fd.SRef};
  const double Hk = fd.Hk(), Tk = fd.Tk();
  const double interval = state.SampleInterval;  // s, the first pass's duration / 500
  // The step in locals whose address is never taken, so that they stay in registers
  // across the calls of sin and cos (the cold calls below take copies).
  std::int64_t number = from.number;
  BodyState body = from.body;
  StepOutputs out = from.out;
  AirState air = from.air;
  double mach = from.mach;
  int layer = AtmosphereLayer(body.H);
  std::int64_t published = number;  // the steps told to the control
  double polledTime = -HUGE_VAL;    // s, t at the last look
  // The next step after which the loop does more than fly: keep a checkpoint, look
  // at the control (every kPollSteps steps) or stop.
  auto nextEvent = [&] { return std::min(keep ? keep->Due() : stop, (number | (kPollSteps - 1)) + 1); };
  std::int64_t next = nextEvent();

  do {
    // The air and the Mach number depend only on the height and speed before the
    // motion; taking them after it keeps fewer values alive across sin and cos.
    const double H = body.H, V = body.V;
    [[maybe_unused]] const double tBefore = body.t;
    if (!TryMotionStep(in, body, out)) {
      const Step s = CheckedStep(fd, in, {number, body, out, air, mach});
      body = s.body;
      out = s.out;
    }
    MediumAt(H, V, in.rho, layer, air, mach);
    ++number;
    if (number == next) {
      if (number == stop) break;
      if (keep && number == keep->Due()) keep->Keep(body);
      if ((number & (kPollSteps - 1)) == 0)
        Poll(fd, control, {number, body, out, air, mach}, polledTime, published);
      next = nextEvent();
    }
    if constexpr (kRecord) {
      // t / SampleInterval, which faults like the division where the interval
      // underflowed to zero.
      const double quotient = body.t / interval;
      if (!AllFinite(quotient)) {
        Commit(fd, {number, body, out, air, mach});
        CheckedDiv(body.t, interval);
      }
      if (RecordsRow(tBefore / interval, quotient, number == 1)) {
        Commit(fd, {number, body, out, air, mach});
        RecordSample(state);
      }
    }
    if ((body.V > 0.0) != (V > 0.0)) [[unlikely]] {
      NoteSpeedPassedZero(state, body.t);
      if (stopAtZeroSpeed) break;
    }
  } while (body.H > Hk && body.t < Tk);
  if (control) control->steps.fetch_add(number - published, std::memory_order_relaxed);
  return {number, body, out, air, mach};
}

// A time below which t / interval, rounded, stays below the whole number k: the
// rounded quotient reaches k only from k (1 - 2^-53) on, and the two roundings here
// stay well inside the margin of 2^-50. Where k * interval could leave the normal
// numbers there is no such time.
inline double EarliestCrossing(double k, double interval) {
  constexpr double kMargin = 1.0 - 0x1p-50;
  const bool normal = interval >= 0x1p-900 && interval <= 0x1p+900 && k <= 0x1p+60;
  return normal ? k * interval * kMargin : -HUGE_VAL;
}

// The steps that the second pass records, from the times alone: t advances by dt0
// in every step whatever the body does, and the sampling test reads only the time.
// Only a stretch between two checkpoints in which the whole part of t / SampleInterval
// grows can hold such a step, and the first stretch holds the first step.
[[gnu::noinline]] std::vector<std::int64_t> RowSteps(const Checkpoints& kept, std::int64_t steps, double tEnd,
                                                     double dt0, double interval) {
  std::vector<std::int64_t> rows;   // about 500
  double nextCrossing = -HUGE_VAL;  // s, below it no step has passed a whole number since
  const std::size_t count = kept.Count();
  for (std::size_t i = 0; i < count; ++i) {
    const double tTo = i + 1 < count ? kept.Time(i + 1) : tEnd;
    if (tTo < nextCrossing) continue;
    const std::int64_t to = i + 1 < count ? kept.StepOf(i + 1) : steps;
    double t = kept.Time(i);
    for (std::int64_t j = kept.StepOf(i) + 1; j <= to; ++j) {
      const double before = t;
      t = t + dt0;  // as the motion step advances it
      if (RecordsRow(before / interval, t / interval, j == 1)) rows.push_back(j);
    }
    nextCrossing = EarliestCrossing(std::trunc(tTo / interval) + 1, interval);
  }
  return rows;
}

// The second pass from the first pass's checkpoints: each step that records is flown
// from the nearest checkpoint before it, or on from the row before when that is nearer.
void RecordFromCheckpoints(SharedState& state, RunControl* control, const Checkpoints& kept,
                           const Step& end) {
  const std::vector<std::int64_t> rows =
      RowSteps(kept, end.number, end.body.t, state.fd.dt0(), state.SampleInterval);
  // The step to fly a row from: its checkpoint, or the row before when that is nearer.
  auto start = [&](std::int64_t row, std::int64_t previous) {
    return std::max(kept.StepOf(kept.Before(row - 1)), previous);
  };
  if (control) {
    std::int64_t flown = 0, previous = -1;
    for (const std::int64_t row : rows) flown += row - start(row, std::exchange(previous, row));
    control->total.store(end.number + flown, std::memory_order_relaxed);
  }

  Step at = end;  // the step flown last (none yet)
  at.number = -1;
  for (const std::int64_t row : rows) {
    if (const std::int64_t from = start(row, at.number); from != at.number) {
      at.number = from;
      at.body = kept[kept.Before(from)];
    }
    at = Fly<false>(state, control, at, row, nullptr);
    Commit(state.fd, at);
    RecordSample(state);
    if (control) control->time.store(at.body.t, std::memory_order_relaxed);
  }
}

}  // namespace

std::string TimeStepMessage(double dt0) {
  return "The time step " + FloatToText(dt0, '.') +
         " s is not greater than zero, so the flight time would never advance";
}

std::int64_t RunFlight(SharedState& state, RunControl* control, SecondPass secondPass, ZeroSpeed zeroSpeed) {
  FlightData& fd = state.fd;
  if (!(fd.dt0() > 0.0)) throw InputFault(TimeStepMessage(fd.dt0()));

  state.SampleRows = kSampleRowsMax;
  state.FieldSeparator = "  ";
  state.SamplingPass = 0;
  state.RunIncomplete = true;  // until the table is whole again
  state.SpeedPassedZeroAt = std::numeric_limits<double>::quiet_NaN();
  const bool stopAtZeroSpeed = zeroSpeed == ZeroSpeed::kStop;
  ClearSampleTable(state);

  StartPass(state);
  if (control) control->pass.store(1, std::memory_order_relaxed);
  const bool fromCheckpoints = secondPass == SecondPass::kFromCheckpoints;
  Checkpoints kept(fromCheckpoints ? fd.Tk() / fd.dt0() : 0.0);
  Step end = SlotStep(fd);
  kept.Keep(end.body);  // the launch, before step 1
  end = Fly<false>(state, control, end, kNoStop, fromCheckpoints ? &kept : nullptr, stopAtZeroSpeed);
  Commit(fd, end);
  state.SampleInterval = end.body.t / 500;
  if (control) control->checkpointBytes.store(static_cast<std::int64_t>(kept.Bytes()));

  state.SamplingPass = 1;
  state.PreviousFraction = kNoSampleYet;
  StartPass(state);
  if (control) control->pass.store(2, std::memory_order_relaxed);
  // Below the normal numbers the quotients of the sampling test lose their precision
  // (and at zero they fault): such runs, shorter than 1e-305 s, fly the whole pass.
  if (fromCheckpoints && state.SampleInterval >= DBL_MIN) {
    RecordFromCheckpoints(state, control, kept, end);
  } else {
    if (control) control->total.store(2 * end.number, std::memory_order_relaxed);
    end = Fly<true>(state, control, SlotStep(fd), kNoStop, nullptr, stopAtZeroSpeed);
  }
  Commit(fd, end);
  state.PreviousFraction = Fraction(end.body.t / state.SampleInterval);
  state.SampleInterval = end.body.t / 500;

  ScaleSampleUnits(state);
  state.RunIncomplete = false;
  return 2 * end.number;
}

}  // namespace orv
