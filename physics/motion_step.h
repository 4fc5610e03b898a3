// One explicit-Euler step of the planar point-mass motion: speed V along the path,
// path angle Q above the horizontal, range X, height H and time t.
#pragma once

#include <cmath>

#include "base/constants.h"
#include "physics/fp_check.h"

namespace orv {

inline constexpr double kPathAngleLimit = 90.0 / kDegreesPerRadian;  // rad

// What the step reads and never changes.
struct StepInputs {
  double F = 0;    // N, thrust along the path
  double W = 0;    // m/s, speed of the medium (wind)
  double dt = 0;   // s, time step
  double rho = 0;  // kg/m3, density of the medium
  double Cx = 0;   // -, drag coefficient
  double Cy = 0;   // -, lift coefficient
  double m = 0;    // kg, mass of the body
  double S = 0;    // m2, reference area
};

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

inline double ClampPathAngle(double Q) {
  if (Q <= -kPathAngleLimit) Q = -kPathAngleLimit;
  if (Q >= kPathAngleLimit) Q = kPathAngleLimit;
  return Q;
}

// The whole step on locals. When no operation faults it writes `body` and `out` and
// returns true; otherwise it returns false and leaves both as they were.
inline bool TryMotionStep(const StepInputs& in, BodyState& body, StepOutputs& out) {
  const double V = body.V;              // m/s, start of the step
  const double q = in.rho * V * V / 2;  // Pa
  const double s = std::sin(body.Q);
  const double c = std::cos(body.Q);
  const double auftrieb = 0.0;          // N
  const double vMedium = in.W * c + V;  // m/s, speed through the medium
  // dV/dt = F/m + A sinQ/m - Cx rho (W cosQ + V)^2 S/2/m - g sinQ
  const double accel = in.F / in.m + auftrieb * s / in.m -
                       in.Cx * in.rho * (vMedium * vMedium) * in.S / 2 / in.m - kGravity * s;
  const double X = body.X + vMedium * c * in.dt;  // dX/dt = (W cosQ + V) cosQ
  const double H = body.H + V * s * in.dt;        // dH/dt = V sinQ
  const double Vend = V + accel * in.dt;
  const double Q = body.Q + (-c * kGravity / Vend) * in.dt;  // dQ/dt = -g cosQ / V, V at the step's end
  const double t = body.t + in.dt;
  const double drag = in.Cx * q * in.S;  // N, q without the wind
  const double lift = in.Cy * q * in.S;  // N
  const double nx = (in.F - drag) / in.m / kGravity;
  const double fin = in.m * accel;
  // A fault in q shows in drag and so in nx, one in accel in Vend and fin. Q is
  // tested before the clamp, which would turn an infinity into the limit.
  if (!AllFinite(X, H, Vend, Q, t, lift, nx, fin)) return false;
  body = {t, H, X, Vend, ClampPathAngle(Q)};
  out = {q, auftrieb, accel, drag, lift, nx, fin};
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
