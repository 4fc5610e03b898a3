#include "physics/motion_step.h"

namespace orv {

void CheckedMotionStep(const StepInputs& in, BodyState& body, StepOutputs& out) {
  const double V = body.V;
  const double q = CheckedDiv(CheckedMul(CheckedMul(in.rho, V), V), 2);
  out.qDyn = q;
  const double s = std::sin(body.Q);
  const double c = std::cos(body.Q);
  out.Auftrieb = 0.0;

  const double thrustTerm = CheckedDiv(in.F, in.m);
  const double buoyancyTerm = CheckedDiv(CheckedMul(out.Auftrieb, s), in.m);
  const double vMedium = CheckedAdd(CheckedMul(in.W, c), V);
  const double dragTerm = CheckedDiv(
      CheckedDiv(CheckedMul(CheckedMul(CheckedMul(in.Cx, in.rho), CheckedMul(vMedium, vMedium)), in.S), 2),
      in.m);
  out.Accel = CheckedSub(CheckedSub(CheckedAdd(thrustTerm, buoyancyTerm), dragTerm), CheckedMul(kGravity, s));

  body.X = CheckedAdd(body.X, CheckedMul(CheckedMul(vMedium, c), in.dt));
  body.H = CheckedAdd(body.H, CheckedMul(CheckedMul(V, s), in.dt));
  body.V = CheckedAdd(V, CheckedMul(out.Accel, in.dt));
  const double rate = CheckedDiv(CheckedMul(-c, kGravity), body.V);  // rad/s
  body.Q = ClampPathAngle(CheckedAdd(body.Q, CheckedMul(rate, in.dt)));
  body.t = CheckedAdd(body.t, in.dt);

  out.Drag = CheckedMul(CheckedMul(in.Cx, q), in.S);
  out.Lift = CheckedMul(CheckedMul(in.Cy, q), in.S);
  out.nx = CheckedDiv(CheckedDiv(CheckedSub(in.F, out.Drag), in.m), kGravity);
  out.Fin = CheckedMul(in.m, out.Accel);
}

}  // namespace orv
