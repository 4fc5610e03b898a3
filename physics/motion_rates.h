// The forces on the body and the rates of change of its state, written once. The
// explicit-Euler step advances by these rates, the adaptive integrator's derivative
// returns them, and the step that looks for a floating-point fault evaluates them
// operation by operation: each formula takes its arithmetic as a parameter, plain
// (the hot paths) or checked (throws at the first faulting operation), so all three
// compute the same operations in the same order and round alike. Every piece is
// always inlined, so the Euler step the compiler sees is the one written out by hand
// and the step loop compiles to the same machine code (its cost is measured).
#pragma once

#include <cmath>

#include "base/constants.h"
#include "physics/fp_check.h"

namespace orv {

inline constexpr double kPathAngleLimit = 90.0 / kDegreesPerRadian;  // rad
inline constexpr double kBuoyancy = 0.0;  // N: the buoyancy of the medium is not modelled

struct PlainArithmetic {
  [[gnu::always_inline]] static double Add(double a, double b) { return a + b; }
  [[gnu::always_inline]] static double Sub(double a, double b) { return a - b; }
  [[gnu::always_inline]] static double Mul(double a, double b) { return a * b; }
  [[gnu::always_inline]] static double Div(double a, double b) { return a / b; }
};

struct CheckedArithmetic {
  [[gnu::always_inline]] static double Add(double a, double b) { return CheckedAdd(a, b); }
  [[gnu::always_inline]] static double Sub(double a, double b) { return CheckedSub(a, b); }
  [[gnu::always_inline]] static double Mul(double a, double b) { return CheckedMul(a, b); }
  [[gnu::always_inline]] static double Div(double a, double b) { return CheckedDiv(a, b); }
};

// What the motion reads and never changes.
struct StepInputs {
  double F = 0;    // N, thrust along the path
  double W = 0;    // m/s, speed of the medium (wind)
  double dt = 0;   // s, time step of the Euler step (the rates do not read it)
  double rho = 0;  // kg/m3, density of the medium
  double Cx = 0;   // -, drag coefficient
  double Cy = 0;   // -, lift coefficient
  double m = 0;    // kg, mass of the body
  double S = 0;    // m2, reference area
};

// The path angle never passes the vertical of the program's degree factor.
[[gnu::always_inline]] inline double ClampPathAngle(double Q) {
  if (Q <= -kPathAngleLimit) Q = -kPathAngleLimit;
  if (Q >= kPathAngleLimit) Q = kPathAngleLimit;
  return Q;
}

// q = rho V^2 / 2, Pa: the dynamic pressure of the speed along the path, without the wind.
template <typename A = PlainArithmetic>
[[gnu::always_inline]] inline double DynamicPressure(const StepInputs& in, double V) {
  return A::Div(A::Mul(A::Mul(in.rho, V), V), 2);
}

// W cosQ + V, m/s: the speed through the medium, which drags and carries the range.
template <typename A = PlainArithmetic>
[[gnu::always_inline]] inline double SpeedThroughMedium(const StepInputs& in, double V, double c) {
  return A::Add(A::Mul(in.W, c), V);
}

// dV/dt = F/m + Auftrieb sinQ/m - Cx rho (W cosQ + V)^2 S/2/m - g sinQ, m/s2
template <typename A = PlainArithmetic>
[[gnu::always_inline]] inline double PathAcceleration(const StepInputs& in, double auftrieb, double vMedium,
                                                      double s) {
  const double thrust = A::Div(in.F, in.m);
  const double buoyancy = A::Div(A::Mul(auftrieb, s), in.m);
  const double drag =
      A::Div(A::Div(A::Mul(A::Mul(A::Mul(in.Cx, in.rho), A::Mul(vMedium, vMedium)), in.S), 2), in.m);
  return A::Sub(A::Sub(A::Add(thrust, buoyancy), drag), A::Mul(kGravity, s));
}

// dX/dt = (W cosQ + V) cosQ, m/s
template <typename A = PlainArithmetic>
[[gnu::always_inline]] inline double RangeRate(double vMedium, double c) {
  return A::Mul(vMedium, c);
}

// dH/dt = V sinQ, m/s
template <typename A = PlainArithmetic>
[[gnu::always_inline]] inline double HeightRate(double V, double s) {
  return A::Mul(V, s);
}

// dQ/dt = -g cosQ / V, rad/s: only gravity turns the path; the lift does not act on it.
template <typename A = PlainArithmetic>
[[gnu::always_inline]] inline double PathAngleRate(double V, double c) {
  return A::Div(A::Mul(-c, kGravity), V);
}

// Drag = Cx q S and Lift = Cy q S, N, with q from DynamicPressure (no wind).
template <typename A = PlainArithmetic>
[[gnu::always_inline]] inline double DragForce(const StepInputs& in, double q) {
  return A::Mul(A::Mul(in.Cx, q), in.S);
}
template <typename A = PlainArithmetic>
[[gnu::always_inline]] inline double LiftForce(const StepInputs& in, double q) {
  return A::Mul(A::Mul(in.Cy, q), in.S);
}

// nx = (F - Drag) / m / g, in g
template <typename A = PlainArithmetic>
[[gnu::always_inline]] inline double LoadFactor(const StepInputs& in, double drag) {
  return A::Div(A::Div(A::Sub(in.F, drag), in.m), kGravity);
}

// Fin = m dV/dt, N
template <typename A = PlainArithmetic>
[[gnu::always_inline]] inline double NetForce(const StepInputs& in, double accel) {
  return A::Mul(in.m, accel);
}

}  // namespace orv
