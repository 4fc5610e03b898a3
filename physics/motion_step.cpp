#include "physics/motion_step.h"

namespace orv {

void CheckedMotionStep(const StepInputs& in, BodyState& body, StepOutputs& out) {
  using A = CheckedArithmetic;
  const double V = body.V;
  const double q = DynamicPressure<A>(in, V);
  out.qDyn = q;
  const double s = std::sin(body.Q);
  const double c = std::cos(body.Q);
  out.Auftrieb = kBuoyancy;

  const double vMedium = SpeedThroughMedium<A>(in, V, c);
  out.Accel = PathAcceleration<A>(in, out.Auftrieb, vMedium, s);

  body.X = CheckedAdd(body.X, CheckedMul(RangeRate<A>(vMedium, c), in.dt));
  body.H = CheckedAdd(body.H, CheckedMul(HeightRate<A>(V, s), in.dt));
  body.V = CheckedAdd(V, CheckedMul(out.Accel, in.dt));
  body.Q = ClampPathAngle(CheckedAdd(body.Q, CheckedMul(PathAngleRate<A>(body.V, c), in.dt)));
  body.t = CheckedAdd(body.t, in.dt);

  out.Drag = DragForce<A>(in, q);
  out.Lift = LiftForce<A>(in, q);
  out.nx = LoadFactor<A>(in, out.Drag);
  out.Fin = NetForce<A>(in, out.Accel);
}

}  // namespace orv
