#include "flight/accurate_run.h"

#include <algorithm>
#include <array>
#include <boost/math/tools/toms748_solve.hpp>
#include <boost/numeric/odeint/stepper/controlled_runge_kutta.hpp>
#include <boost/numeric/odeint/stepper/dense_output_runge_kutta.hpp>
#include <boost/numeric/odeint/stepper/generation.hpp>
#include <boost/numeric/odeint/stepper/runge_kutta_dopri5.hpp>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

#include "base/errors.h"
#include "base/number_text.h"
#include "flight/flight_method.h"
#include "flight/pass_start.h"
#include "flight/sample_record.h"
#include "physics/motion_rates.h"

namespace orv {
namespace {

namespace odeint = boost::numeric::odeint;

// The integrated state: range X (m), height H (m), speed V (m/s), path angle Q (rad).
using MotionState = std::array<double, 4>;
enum : std::size_t { kStateX, kStateH, kStateV, kStateQ };

using DenseStepper =
    odeint::dense_output_runge_kutta<odeint::controlled_runge_kutta<odeint::runge_kutta_dopri5<MotionState>>>;

// The first step the controller tries, s; it grows the step by up to five times a
// step, so a flight of hours still needs only a few steps to reach its pace.
constexpr double kFirstStep = 1e-4;
// Iterations of the root search on a step's dense output (it needs about ten).
constexpr std::uintmax_t kRootIterations = 200;
// Steps between two looks at the cancel flag (a step takes a microsecond or two).
constexpr std::int64_t kCancelLookSteps = 8;

// d(X, H, V, Q)/dt. Q beyond the limit (a step may overshoot it by its error) is
// taken at the limit, and there the path turns no further outwards: the continuous
// form of the Euler step's clamp.
template <typename A>
MotionState Rates(const StepInputs& in, const MotionState& x) {
  const double V = x[kStateV];
  const double Q = ClampPathAngle(x[kStateQ]);
  const double s = std::sin(Q);
  const double c = std::cos(Q);
  const double vMedium = SpeedThroughMedium<A>(in, V, c);
  double dQ = PathAngleRate<A>(V, c);
  if ((Q == -kPathAngleLimit && dQ < 0) || (Q == kPathAngleLimit && dQ > 0)) dQ = 0;
  return {RangeRate<A>(vMedium, c), HeightRate<A>(V, s), PathAcceleration<A>(in, kBuoyancy, vMedium, s), dQ};
}

struct MotionSystem {
  StepInputs in;
  // The height rate of the state whose rates were worked out last. After an accepted
  // step that is the step's end: the Dormand-Prince method's last stage is the rate
  // there, which the next step reuses as its first, so the run need not work it out
  // again to find the highest point.
  mutable double lastHeightRate = 0;

  void operator()(const MotionState& x, MotionState& dxdt, double /*t*/) const {
    dxdt = Rates<PlainArithmetic>(in, x);
    lastHeightRate = dxdt[kStateH];
    if (AllFinite(dxdt[kStateX], dxdt[kStateH], dxdt[kStateV], dxdt[kStateQ])) [[likely]]
      return;
    // Again operation by operation, to name the fault as the Euler step would.
    Rates<CheckedArithmetic>(in, x);
    ThrowFloatingPointFault(kInvalidOpText);  // an infinite or NaN state from the step itself
  }
};

// The state at time t in the slots, with everything a recorded row reads: the air at
// its height, the Mach number of its speed, the forces of its speed and angle.
void CommitState(FlightData& fd, const StepInputs& in, double t, const MotionState& x, int& layer) {
  const double H = x[kStateH], V = x[kStateV], Q = ClampPathAngle(x[kStateQ]);
  AirState air;
  double mach = 0;
  MediumAt(H, V, in.rho, layer, air, mach);
  const double s = std::sin(Q), c = std::cos(Q);
  const double q = DynamicPressure(in, V);
  const double accel = PathAcceleration(in, kBuoyancy, SpeedThroughMedium(in, V, c), s);
  const double drag = DragForce(in, q);
  const StepOutputs out{
      q, kBuoyancy, accel, drag, LiftForce(in, q), LoadFactor(in, drag), NetForce(in, accel)};
  Commit(fd, BodyState{t, H, x[kStateX], V, Q}, out, air, mach);
}

MotionState StateAt(const DenseStepper& step, double t) {
  MotionState x;
  step.calc_state(t, x);
  return x;
}

double HeightRateOf(const MotionState& x) {
  return HeightRate(x[kStateV], std::sin(ClampPathAngle(x[kStateQ])));
}

// The time in [a, b] at which f, of opposite signs (or zero) at the two ends, becomes
// zero, to the last bit: of the bracket the root search leaves, the end on f(b)'s side.
template <typename F>
double Root(F f, double a, double b, double fa, double fb) {
  std::uintmax_t iterations = kRootIterations;
  const auto bracket = boost::math::tools::toms748_solve(
      f, a, b, fa, fb, boost::math::tools::eps_tolerance<double>(), iterations);
  return (f(bracket.second) <= 0) == (fb <= 0) ? bracket.second : bracket.first;
}

// Below this speed, m/s, and this share of the launch speed, the lowest speed of a
// path turns it over at once (the path angle's rate -g cosQ / V has no bound there):
// no Euler step of a usual size sees the turn, it jumps over zero speed instead. A
// launch that slow is no such turn: its path merely bends down from the start.
constexpr double kTurnOverSpeed = 0.01;
constexpr double kTurnOverShare = 0.01;

// dV/dt of the state `x`.
double PathAccelerationOf(const StepInputs& in, const MotionState& x) {
  const double Q = ClampPathAngle(x[kStateQ]);
  return PathAcceleration(in, kBuoyancy, SpeedThroughMedium(in, x[kStateV], std::cos(Q)), std::sin(Q));
}

// The time in [t0, t1] of `step` at which the speed along the path passes zero, or
// passes its lowest point below `turnOver`; NaN where neither happens.
double SpeedZeroTime(const DenseStepper& step, const StepInputs& in, double turnOver, double t0, double t1,
                     const MotionState& x1) {
  const MotionState& x0 = step.previous_state();
  const auto speed = [&](double t) { return StateAt(step, t)[kStateV]; };
  if ((x0[kStateV] > 0) != (x1[kStateV] > 0)) return Root(speed, t0, t1, x0[kStateV], x1[kStateV]);
  const double before = PathAccelerationOf(in, x0), after = PathAccelerationOf(in, x1);
  if (!(before < 0 && after >= 0)) return std::numeric_limits<double>::quiet_NaN();
  const auto accel = [&](double t) { return PathAccelerationOf(in, StateAt(step, t)); };
  const double lowest = Root(accel, t0, t1, before, after);
  return std::abs(speed(lowest)) < turnOver ? lowest : std::numeric_limits<double>::quiet_NaN();
}

// Where the speed along the path passes zero the path angle's rate, -g cosQ / V, has
// no limit: the continuous flight is not defined there (an Euler step jumps over it).
// That is the usual reason.
[[noreturn]] void CannotFollow(double t, const MotionState& x) {
  throw InputFault("The accurate method found no step small enough to go on at t = " + FloatToText(t, '.') +
                   " s, where the speed is " + FloatToText(x[kStateV], '.') +
                   " m/s (near zero speed the path turns without bound)");
}

// Row 1 the launch, rows 2..499 at (i - 1) t_end / 500, row 500 the end: where the
// classic run records its rows as its step tends to zero. The steps are given one by
// one, in order; each row is taken from the first step that reaches its time.
class RowFiller {
 public:
  RowFiller(SharedState& state, const StepInputs& in, const MotionState& start) : state_(state), in_(in) {
    layer_ = AtmosphereLayer(start[kStateH]);
    CommitState(state.fd, in, 0.0, start, layer_);
    RecordSample(state);
  }

  void Take(const DenseStepper& step) {
    for (; row_ < kSampleRowsMax; ++row_) {
      const double t = (row_ - 1) * state_.SampleInterval;
      if (step.current_time() < t) return;
      Record(step, t);
    }
  }

  // The rows a rounding left beyond the last step, from it, and the end.
  void Finish(const DenseStepper* last, double tEnd, const MotionState& end) {
    if (!last) return;
    for (; row_ < kSampleRowsMax; ++row_) Record(*last, (row_ - 1) * state_.SampleInterval);
    CommitState(state_.fd, in_, tEnd, end, layer_);
    RecordSample(state_);
  }

 private:
  void Record(const DenseStepper& step, double t) {
    CommitState(state_.fd, in_, t, StateAt(step, t), layer_);
    RecordSample(state_);
  }

  SharedState& state_;
  const StepInputs& in_;
  int layer_ = 0;
  int row_ = 2;
};

// Steps kept for the rows while the flight is flown (about 730 bytes each): a
// longer flight is flown a second time, taking its rows as it goes, so that its
// memory stays bounded whatever its length.
constexpr std::size_t kKeptSteps = 4096;

PathPoint PointOf(double t, const MotionState& x) {
  return {.t = t, .H = x[kStateH], .X = x[kStateX], .V = x[kStateV], .Q = ClampPathAngle(x[kStateQ])};
}

// A step as a study reads it: where a coordinate takes a value, found on the dense
// output as the flight's end is.
class DenseSpan final : public PathSpan {
 public:
  DenseSpan(const DenseStepper& step, double t0, double t1, const MotionState& x1)
      : PathSpan(PointOf(t0, step.previous_state()), PointOf(t1, x1)), step_(step) {}

  PathPoint Where(double PathPoint::*coordinate, double value) const override {
    const auto f = [&](double t) { return PointOf(t, StateAt(step_, t)).*coordinate - value; };
    const double t = Root(f, from.t, to.t, from.*coordinate - value, to.*coordinate - value);
    PathPoint p = PointOf(t, StateAt(step_, t));
    p.*coordinate = value;  // the root's last bit
    return p;
  }

 private:
  const DenseStepper& step_;
};

}  // namespace

AccurateFlight RunAccurateFlight(SharedState& state, double tolerance, bool fillRows, RunControl* control,
                                 const PathWatcher* watcher) {
  if (!(tolerance > 0.0) || !std::isfinite(tolerance))
    throw InputFault("The tolerance " + FloatToText(tolerance, '.') + " is not a positive number");
  if (tolerance < kFinestTolerance)
    throw InputFault("The tolerance " + FloatToText(tolerance, '.') + " is finer than doubles can meet (" +
                     FloatToText(kFinestTolerance, '.') + " is the finest)");
  FlightData& fd = state.fd;
  state.SampleRows = kSampleRowsMax;
  state.FieldSeparator = "  ";
  state.SamplingPass = 0;
  // Without rows the table is left alone (clearing it would cost a sweep more than
  // some flights), but no row counts as this run's.
  if (fillRows)
    ClearSampleTable(state);
  else
    state.RecordedRows = 0;
  state.SpeedPassedZeroAt = std::numeric_limits<double>::quiet_NaN();
  StartPass(state);
  if (control) control->pass.store(1, std::memory_order_relaxed);

  // Thrust is 0 and the density the medium's for the whole flight.
  MotionSystem system{{0.0, fd.Vwind(), 0.0, fd.RhoMedium, fd.CxCur(), fd.CyCur(), fd.Mass, fd.SRef}};
  const double Hk = fd.Hk(), Tk = fd.Tk();
  const MotionState start{fd.X(), fd.H(), fd.V(), fd.Q()};
  AccurateFlight flight;
  std::vector<DenseStepper> kept;  // the accepted steps with their dense output, for the rows
  bool keptAll = fillRows;
  std::int64_t published = 0;  // steps counted in control->steps
  double tEnd = 0;             // s
  MotionState end = start;
  int layer = AtmosphereLayer(start[kStateH]);

  // The flight goes on while the height is above the end height; launched from the
  // end height itself, while it rises away from it.
  const double turnOver = std::min(kTurnOverSpeed, kTurnOverShare * std::abs(start[kStateV]));
  double risingBefore = HeightRateOf(start);  // the height rate at the start of the next step
  const bool flies = Tk > 0 && (start[kStateH] > Hk || (start[kStateH] == Hk && risingBefore > 0));
  DenseStepper stepper =
      odeint::make_dense_output(tolerance, tolerance, odeint::runge_kutta_dopri5<MotionState>());
  // Flies from the launch to the end, giving `onStep` every accepted step; flown
  // again it takes the very same steps.
  const auto fly = [&](const auto& onStep) {
    flight = AccurateFlight{0, start[kStateH]};
    published = 0;
    risingBefore = HeightRateOf(start);
    stepper.initialize(start, 0.0, kFirstStep);
    for (bool ended = !flies; !ended;) {
      double t0 = 0, t1 = 0;
      try {
        std::tie(t0, t1) = stepper.do_step(std::cref(system));
      } catch (const FloatingPointFault&) {
        CommitState(fd, system.in, stepper.current_time(), stepper.current_state(), layer);
        throw;
      } catch (const odeint::step_adjustment_error&) {
        t1 = t0 = stepper.current_time();
      }
      if (!(t1 > t0)) {
        // No step is small enough: at a speed of about zero, that is the turn without
        // bound, and the flight ends where the speed passed zero, as above.
        if (!(std::abs(stepper.current_state()[kStateV]) < turnOver))
          CannotFollow(stepper.current_time(), stepper.current_state());
        tEnd = stepper.current_time();
        end = stepper.current_state();
        if (std::isnan(state.SpeedPassedZeroAt)) state.SpeedPassedZeroAt = tEnd;
        break;
      }
      ++flight.steps;
      onStep(stepper);

      // Where this step ends the flight, if it does: the end time, or the height
      // meeting the end height on the step's dense output.
      double tStop = std::min(t1, Tk);
      MotionState x = tStop < t1 ? StateAt(stepper, tStop) : stepper.current_state();
      ended = tStop == Tk;
      if (x[kStateH] <= Hk) {
        const auto above = [&](double t) { return StateAt(stepper, t)[kStateH] - Hk; };
        tStop = Root(above, t0, tStop, stepper.previous_state()[kStateH] - Hk, x[kStateH] - Hk);
        x = StateAt(stepper, tStop);
        ended = true;
      }
      // Where the speed passes zero the equations stop holding: the flight ends there,
      // as a study's Euler run does.
      if (const double tZero = SpeedZeroTime(stepper, system.in, turnOver, t0, tStop, x);
          !std::isnan(tZero)) {
        tStop = tZero;
        x = StateAt(stepper, tStop);
        ended = true;
        if (std::isnan(state.SpeedPassedZeroAt)) state.SpeedPassedZeroAt = tStop;
      }
      // The highest point: where the path turns from rising to falling in this step.
      // A step that does not end the flight ends at the stepper's state, whose rate its
      // last stage worked out.
      const double risingAfter = tStop == t1 && !ended ? system.lastHeightRate : HeightRateOf(x);
      if (risingBefore > 0 && risingAfter <= 0) {
        const auto rising = [&](double t) { return HeightRateOf(StateAt(stepper, t)); };
        flight.greatestHeight =
            std::max(flight.greatestHeight,
                     StateAt(stepper, Root(rising, t0, tStop, risingBefore, risingAfter))[kStateH]);
      }
      flight.greatestHeight = std::max(flight.greatestHeight, x[kStateH]);
      tEnd = tStop;
      end = x;
      risingBefore = risingAfter;
      if (watcher && !(*watcher)(DenseSpan(stepper, t0, tStop, x))) ended = true;

      // The control is shared by every thread of a study. Reading its cancel flag
      // costs nothing while nobody writes it, but every write of the time and the
      // counter takes the cache line from the other threads: those are written as
      // seldom as the progress window needs them (a flight of the default harpoon,
      // some fifty steps, writes them once, at its end).
      if (control && (ended || flight.steps % kCancelLookSteps == 1)) {
        if (ended || flight.steps - published >= kPollSteps) {
          control->time.store(tStop, std::memory_order_relaxed);
          control->steps.fetch_add(flight.steps - published, std::memory_order_relaxed);
          published = flight.steps;
        }
        if (control->cancel.load(std::memory_order_relaxed)) {
          CommitState(fd, system.in, tStop, x, layer);
          throw RunCancelled();
        }
      }
    }
  };
  fly([&](const DenseStepper& step) {
    if (!keptAll) return;
    if (kept.size() < kKeptSteps) return kept.push_back(step);
    keptAll = false;
    std::vector<DenseStepper>().swap(kept);
  });

  state.SamplingPass = 1;
  state.SampleInterval = tEnd / kSampleRowsMax;
  if (fillRows) {
    RowFiller rows(state, system.in, start);
    if (keptAll) {
      for (const DenseStepper& step : kept) rows.Take(step);
      rows.Finish(kept.empty() ? nullptr : &kept.back(), tEnd, end);
    } else {
      const AccurateFlight first = flight;
      fly([&](const DenseStepper& step) { rows.Take(step); });
      rows.Finish(&stepper, tEnd, end);
      flight = first;
    }
    ScaleSampleUnits(state);
  }
  CommitState(fd, system.in, tEnd, end, layer);
  // Without rows, the end's figures still fault where a recorded row's would.
  if (!fillRows) KineticEnergy(fd);
  return flight;
}

}  // namespace orv
