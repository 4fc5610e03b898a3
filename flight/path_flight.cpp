#include "flight/path_flight.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

#include "base/errors.h"
#include "base/number_text.h"
#include "flight/accurate_run.h"
#include "flight/flight_run.h"
#include "flight/parallel_runs.h"
#include "flight/pass_start.h"
#include "physics/motion_step.h"

namespace orv {
namespace {

// Between two Euler steps the path is the straight line from one to the other.
class StraightSpan final : public PathSpan {
 public:
  StraightSpan(const PathPoint& a, const PathPoint& b) : PathSpan(a, b) {}

  PathPoint Where(double PathPoint::*coordinate, double value) const override {
    const double span = to.*coordinate - from.*coordinate;
    const double f = span == 0 ? 1.0 : std::clamp((value - from.*coordinate) / span, 0.0, 1.0);
    const auto along = [&](double a, double b) { return a + f * (b - a); };
    PathPoint p{.t = along(from.t, to.t),
                .H = along(from.H, to.H),
                .X = along(from.X, to.X),
                .V = along(from.V, to.V),
                .Q = along(from.Q, to.Q)};
    p.*coordinate = value;
    return p;
  }
};

// START's first pass, step by step: the same steps in the same order (the classic
// run repeats them in its second pass for the rows, which a path does not need).
PathPoint FlyEulerPath(SharedState& state, const PathWatcher& watcher, RunControl* control) {
  FlightData& fd = state.fd;
  if (!(fd.dt0() > 0.0)) throw InputFault(TimeStepMessage(fd.dt0()));
  StartPass(state);
  state.SpeedPassedZeroAt = std::numeric_limits<double>::quiet_NaN();
  const StepInputs in{0.0, fd.Vwind(), fd.dt0(), fd.RhoMedium, fd.CxCur(), fd.CyCur(), fd.Mass, fd.SRef};
  const double Hk = fd.Hk(), Tk = fd.Tk();
  BodyState body{fd.t(), fd.H(), fd.X(), fd.V(), fd.Q()};
  StepOutputs out;
  double polledTime = -HUGE_VAL;
  for (std::int64_t number = 1;; ++number) {
    const PathPoint before = body;
    try {
      MotionStep(in, body, out);
    } catch (const FloatingPointFault&) {
      Commit(fd, body, out, {}, 0.0);
      throw;
    }
    const bool more = watcher(StraightSpan(before, body));
    if (!more || !(body.H > Hk && body.t < Tk)) break;
    // Where the speed along the path passes zero the path-angle equation stops
    // holding: a study's path ends after that step, as its summary's run does.
    if ((body.V > 0.0) != (before.V > 0.0)) [[unlikely]] {
      state.SpeedPassedZeroAt = body.t;
      break;
    }
    if ((number & (kPollSteps - 1)) == 0) {
      if (body.t == polledTime)
        throw InputFault("The time step " + FloatToText(fd.dt0(), '.') +
                         " s no longer advances the flight time at t = " + FloatToText(body.t, '.') +
                         " s, so the flight would never end");
      polledTime = body.t;
      if (control) {
        control->time.store(body.t, std::memory_order_relaxed);
        control->steps.fetch_add(kPollSteps, std::memory_order_relaxed);
        if (control->cancel.load(std::memory_order_relaxed)) throw RunCancelled();
      }
    }
  }
  return body;
}

}  // namespace

PathPoint FlyPath(SharedState& scratch, const FlightInputs& inputs, const MethodChoice& method,
                  const PathWatcher& watcher, RunControl* control) {
  // Nothing of the previous flight may shape this one.
  scratch.fd = StartOf(inputs);
  if (method.method == FlightMethod::kEuler) return FlyEulerPath(scratch, watcher, control);
  RunAccurateFlight(scratch, method.tolerance, false, control, &watcher);
  const FlightData& fd = scratch.fd;
  return {.t = fd.slot[kT], .H = fd.slot[kH], .X = fd.slot[kX], .V = fd.slot[kV], .Q = fd.slot[kQ]};
}

RangeCrossing FlyToRange(SharedState& scratch, const FlightInputs& inputs, const MethodChoice& method,
                         double X, RunControl* control) {
  RangeCrossing crossing;
  const PathWatcher watch = [&](const PathSpan& span) {
    if (span.to.X < X) return true;
    crossing.at = span.from.X >= X ? span.from : span.Where(&PathPoint::X, X);
    return false;
  };
  crossing.end = FlyPath(scratch, inputs, method, watch, control);
  crossing.mass = scratch.fd.Mass;
  return crossing;
}

void ForEachFlight(std::size_t count, int jobs, RunControl& control,
                   const std::function<void(std::size_t i, SharedState& scratch)>& fly,
                   std::atomic<std::int64_t>* done) {
  // The studies' one runner; each flight writes its own place of the caller's
  // results, so no slot of the runner's is used.
  RunHooks hooks;
  hooks.fly = [&](std::int64_t run, std::size_t, SharedState& scratch) {
    fly(static_cast<std::size_t>(run), scratch);
  };
  hooks.take = [&](std::int64_t, std::size_t) {
    if (done) ++*done;
  };
  if (FlyInOrder(0, static_cast<std::int64_t>(count), jobs, control, hooks).cancelled) throw RunCancelled();
}

}  // namespace orv
