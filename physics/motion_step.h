// One explicit-Euler step of the planar point-mass motion: speed V along the path,
// path angle Q above the horizontal, range X, height H and time t. Each advances by
// its rate from physics/motion_rates.h times the step.
#pragma once

#include "physics/motion_rates.h"

namespace orv {

// The state the step advances in place.
struct BodyState {
  double t = 0;  // s
  double H = 0;  // m
  double X = 0;  // m
  double V = 0;  // m/s
  double Q = 0;  // rad
};

// What the step reports beside the state.
struct StepOutputs {
  double qDyn = 0;      // Pa, dynamic pressure without the wind
  double Auftrieb = 0;  // N, buoyancy term (the medium's buoyancy is not modelled: 0)
  double Accel = 0;     // m/s2, dV/dt
  double Drag = 0;      // N
  double Lift = 0;      // N, reported only: it does not act on the path
  double nx = 0;        // g, longitudinal load factor
  double Fin = 0;       // N, net force along the path
};

// The whole step on locals. When no operation faults it writes `body` and `out` and
// returns true; otherwise it returns false and leaves both as they were.
inline bool TryMotionStep(const StepInputs& in, BodyState& body, StepOutputs& out) {
  const double V = body.V;                  // m/s, start of the step
  const double q = DynamicPressure(in, V);  // Pa
  const double s = std::sin(body.Q);
  const double c = std::cos(body.Q);
  const double vMedium = SpeedThroughMedium(in, V, c);  // m/s
  const double accel = PathAcceleration(in, kBuoyancy, vMedium, s);
  const double X = body.X + RangeRate(vMedium, c) * in.dt;
  const double H = body.H + HeightRate(V, s) * in.dt;
  const double Vend = V + accel * in.dt;
  const double Q = body.Q + PathAngleRate(Vend, c) * in.dt;  // the speed at the step's end turns the path
  const double t = body.t + in.dt;
  const double drag = DragForce(in, q);
  const double lift = LiftForce(in, q);
  const double nx = LoadFactor(in, drag);
  const double fin = NetForce(in, accel);
  // A fault in q shows in drag and so in nx, one in accel in Vend and fin. Q is
  // tested before the clamp, which would turn an infinity into the limit.
  if (!AllFinite(X, H, Vend, Q, t, lift, nx, fin)) return false;
  body = {t, H, X, Vend, ClampPathAngle(Q)};
  out = {q, kBuoyancy, accel, drag, lift, nx, fin};
  return true;
}

// The same step written operation by operation into `body` and `out` in the order of
// the equations; throws FloatingPointFault at the first faulting operation, leaving
// what was assigned before it.
void CheckedMotionStep(const StepInputs& in, BodyState& body, StepOutputs& out);

// One step: the fast path, and the checked one when the fast path met a fault.
inline void MotionStep(const StepInputs& in, BodyState& body, StepOutputs& out) {
  if (!TryMotionStep(in, body, out)) CheckedMotionStep(in, body, out);
}

}  // namespace orv
