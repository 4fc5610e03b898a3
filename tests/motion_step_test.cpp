#include "physics/motion_step.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orv {
namespace {

// 2 kg body of 0.002 m2 with Cx 0.5 at 10 m/s, level, in water, step 0.1 s.
StepInputs LevelInputs() {
  StepInputs in;
  in.dt = 0.1;
  in.rho = 1000;
  in.Cx = 0.5;
  in.Cy = 0.3;
  in.m = 2;
  in.S = 0.002;
  return in;
}

TEST(MotionStep, PathAngleLimitIsNinetyDegreesByFactor57_3) {
  EXPECT_EQ(kPathAngleLimit, 1.5706806282722514);
}

TEST(MotionStep, LevelStepByHand) {
  BodyState body{0, 5, 0, 10, 0};
  StepOutputs out;
  MotionStep(LevelInputs(), body, out);
  EXPECT_EQ(out.qDyn, 50000.0);  // 1000 * 10^2 / 2
  EXPECT_EQ(out.Accel, -25.0);   // 0.5 * 1000 * 100 * 0.002 / 2 / 2
  EXPECT_EQ(body.X, 1.0);        // 10 * cos 0 * 0.1
  EXPECT_EQ(body.H, 5.0);        // sin 0 = 0
  EXPECT_EQ(body.V, 7.5);
  EXPECT_DOUBLE_EQ(body.Q, -9.8 / 7.5 * 0.1);  // the speed at the end of the step
  EXPECT_EQ(body.t, 0.1);
  EXPECT_DOUBLE_EQ(out.Drag, 50.0);
  EXPECT_DOUBLE_EQ(out.Lift, 30.0);
  EXPECT_DOUBLE_EQ(out.nx, -50.0 / 2 / 9.8);
  EXPECT_EQ(out.Fin, -50.0);
  EXPECT_EQ(out.Auftrieb, 0.0);
}

TEST(MotionStep, WindActsOnDragAndRangeButNotOnReportedDrag) {
  StepInputs in = LevelInputs();
  in.W = 2;
  BodyState body{0, 5, 0, 10, 0};
  StepOutputs out;
  MotionStep(in, body, out);
  EXPECT_EQ(out.Accel, -36.0);  // (2 + 10)^2 = 144 in place of 100
  EXPECT_DOUBLE_EQ(body.X, 1.2);
  EXPECT_EQ(body.H, 5.0);
  EXPECT_DOUBLE_EQ(out.Drag, 50.0);  // q without the wind
}

TEST(MotionStep, LiftIsReportedOnly) {
  StepInputs withLift = LevelInputs();
  StepInputs without = LevelInputs();
  without.Cy = 0;
  BodyState a{0, 5, 0, 10, 0.3}, b = a;
  StepOutputs outA, outB;
  for (int i = 0; i < 50; ++i) {
    MotionStep(withLift, a, outA);
    MotionStep(without, b, outB);
  }
  EXPECT_EQ(a.t, b.t);
  EXPECT_EQ(a.H, b.H);
  EXPECT_EQ(a.X, b.X);
  EXPECT_EQ(a.V, b.V);
  EXPECT_EQ(a.Q, b.Q);
  EXPECT_NE(outA.Lift, 0.0);
  EXPECT_EQ(outB.Lift, 0.0);
}

TEST(MotionStep, UnpoweredBodyUnderDragHasNegativeLoadFactor) {
  BodyState body{0, 5, 0, 3, -0.4};
  StepOutputs out;
  MotionStep(LevelInputs(), body, out);
  EXPECT_GT(out.Drag, 0.0);
  EXPECT_LT(out.nx, 0.0);
}

TEST(MotionStep, StraightDownKeepsItsAngle) {
  EXPECT_NEAR(std::cos(-kPathAngleLimit), 1.2e-4, 0.1e-4);
  BodyState body{0, 100, 0, 5, -kPathAngleLimit};
  StepOutputs out;
  for (int i = 0; i < 100; ++i) {
    MotionStep(LevelInputs(), body, out);
    ASSERT_EQ(body.Q, -kPathAngleLimit);
  }
}

TEST(MotionStep, ClampsBothWays) {
  EXPECT_EQ(ClampPathAngle(-2.0), -kPathAngleLimit);
  EXPECT_EQ(ClampPathAngle(2.0), kPathAngleLimit);
  EXPECT_EQ(ClampPathAngle(1.0), 1.0);
}

TEST(MotionStep, TooSlowUpwardsTurnsBackThroughZeroSpeed) {
  StepInputs in = LevelInputs();
  in.Cx = 0;
  in.dt = 0.2;
  BodyState body{0, 10, 0, 1, 1.5};
  StepOutputs out;
  MotionStep(in, body, out);
  // V = 1 - 9.8 sin(1.5) 0.2 < 0: the rate -g cos Q / V turns positive, past the limit.
  EXPECT_NEAR(body.V, 1 - 9.8 * std::sin(1.5) * 0.2, 1e-12);
  EXPECT_LT(body.V, 0.0);
  EXPECT_EQ(body.Q, kPathAngleLimit);
  EXPECT_NEAR(body.H, 10 + std::sin(1.5) * 0.2, 1e-12);  // still the speed at the start
  const double before = body.H;
  MotionStep(in, body, out);
  EXPECT_LT(body.H, before);  // V sin Q < 0 now
  EXPECT_LT(body.V, -1.0);
}

// Straight down in vacuum the path angle stays at the limit, so the Euler scheme has
// a closed form: V_n = V0 - n g s dt, and the position sums V_0 .. V_(n-1).
TEST(MotionStep, VacuumDropFollowsTheEulerClosedForm) {
  StepInputs in;
  in.dt = 0.01;
  in.rho = 1000;
  in.m = 1;
  in.S = 0.01;
  const double V0 = 3, H0 = 1000;
  BodyState body{0, H0, 0, V0, -kPathAngleLimit};
  StepOutputs out;
  const int n = 1000;
  for (int i = 0; i < n; ++i) MotionStep(in, body, out);
  const double s = std::sin(-kPathAngleLimit), c = std::cos(-kPathAngleLimit);
  const double sumV = n * V0 - 9.8 * s * in.dt * n * (n - 1) / 2.0;
  EXPECT_NEAR(body.V, V0 - n * 9.8 * s * in.dt, 1e-9);
  EXPECT_NEAR(body.H, H0 + s * in.dt * sumV, 1e-9);
  EXPECT_NEAR(body.X, c * in.dt * sumV, 1e-12);
  EXPECT_NEAR(body.t, 10.0, 1e-12);
}

// Sentinels that show which outputs a faulting step did not reach.
constexpr double kUntouched = 123.0;

StepOutputs Sentinels() {
  return {kUntouched, kUntouched, kUntouched, kUntouched, kUntouched, kUntouched, kUntouched};
}

void ExpectFault(const StepInputs& in, BodyState& body, StepOutputs& out, const char* text) {
  try {
    MotionStep(in, body, out);
    FAIL() << "no fault";
  } catch (const FloatingPointFault& e) {
    EXPECT_STREQ(e.what(), text);
  }
}

TEST(MotionStepFaults, ZeroSpeedLevelDividesByZeroInThePathAngleRate) {
  StepInputs in = LevelInputs();
  BodyState body{0, 5, 7, 0, 0};
  StepOutputs out = Sentinels();
  ExpectFault(in, body, out, kDivByZeroText);
  // q, the buoyancy, the acceleration, X, H and V were assigned; Q, t and the forces not.
  EXPECT_EQ(out.qDyn, 0.0);
  EXPECT_EQ(out.Auftrieb, 0.0);
  EXPECT_EQ(out.Accel, 0.0);
  EXPECT_EQ(body.X, 7.0);
  EXPECT_EQ(body.H, 5.0);
  EXPECT_EQ(body.V, 0.0);
  EXPECT_EQ(body.Q, 0.0);
  EXPECT_EQ(body.t, 0.0);
  EXPECT_EQ(out.Drag, kUntouched);
  EXPECT_EQ(out.Fin, kUntouched);
}

TEST(MotionStepFaults, ZeroMassWithoutThrustIsInvalid) {
  StepInputs in = LevelInputs();
  in.m = 0;
  BodyState body{0, 5, 0, 10, 0};
  StepOutputs out = Sentinels();
  ExpectFault(in, body, out, kInvalidOpText);  // F/m = 0/0
  EXPECT_EQ(out.qDyn, 50000.0);
  EXPECT_EQ(out.Auftrieb, 0.0);
  EXPECT_EQ(out.Accel, kUntouched);
  EXPECT_EQ(body.V, 10.0);
  EXPECT_EQ(body.X, 0.0);
}

TEST(MotionStepFaults, ZeroMassWithThrustDividesByZero) {
  StepInputs in = LevelInputs();
  in.m = 0;
  in.F = 5;
  BodyState body{0, 5, 0, 10, 0};
  StepOutputs out = Sentinels();
  ExpectFault(in, body, out, kDivByZeroText);
  EXPECT_EQ(out.Accel, kUntouched);
}

TEST(MotionStepFaults, HugeSpeedOverflowsTheDynamicPressureFirst) {
  BodyState body{0, 5, 0, 1e200, 0};
  StepOutputs out = Sentinels();
  ExpectFault(LevelInputs(), body, out, kOverflowText);
  EXPECT_EQ(out.qDyn, kUntouched);
  EXPECT_EQ(out.Auftrieb, kUntouched);
}

TEST(MotionStepFaults, RangeOverflowKeepsTheAccelerationAssignedBefore) {
  StepInputs in = LevelInputs();
  in.Cx = 0;
  in.dt = 1e300;
  BodyState body{0, 5, 0, 1e10, 0};
  StepOutputs out = Sentinels();
  ExpectFault(in, body, out, kOverflowText);
  EXPECT_EQ(out.qDyn, 5e22);
  EXPECT_EQ(out.Accel, 0.0);  // -g sin 0, no drag
  EXPECT_EQ(body.X, 0.0);
  EXPECT_EQ(body.V, 1e10);
}

TEST(MotionStepFaults, TinySpeedOverflowsThePathAngleRate) {
  StepInputs in = LevelInputs();
  in.Cx = 0;
  BodyState body{0, 5, 0, 1e-310, 0};
  StepOutputs out = Sentinels();
  ExpectFault(in, body, out, kOverflowText);  // 9.8 / 1e-310
  EXPECT_EQ(body.V, 1e-310);
  EXPECT_EQ(body.Q, 0.0);
}

TEST(FloatingPointChecks, ClassifyLikeTheHardware) {
  EXPECT_TRUE(AllFinite(1.0, -2.0, 0.0, 1e308));
  EXPECT_FALSE(AllFinite(1.0, HUGE_VAL));
  EXPECT_FALSE(AllFinite(std::nan(""), 1.0));
  auto text = [](auto op) -> std::string {
    try {
      op();
    } catch (const FloatingPointFault& e) {
      return e.what();
    }
    return "";
  };
  EXPECT_EQ(text([] { CheckedDiv(1, 0); }), kDivByZeroText);
  EXPECT_EQ(text([] { CheckedDiv(-1, 0); }), kDivByZeroText);
  EXPECT_EQ(text([] { CheckedDiv(0, 0); }), kInvalidOpText);
  EXPECT_EQ(text([] { CheckedMul(1e200, 1e200); }), kOverflowText);
  EXPECT_EQ(text([] { CheckedSub(-1e308, 1e308); }), kOverflowText);
  EXPECT_EQ(text([] { CheckedAdd(1, 2); }), "");
  EXPECT_EQ(CheckedDiv(1, 4), 0.25);
}

}  // namespace
}  // namespace orv
