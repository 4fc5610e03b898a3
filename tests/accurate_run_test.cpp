// The accurate run against the physics, not against its stepper: the vacuum flight's
// parabola in closed form, and the classic Euler step carried to a vanishing time
// step (its landing interpolated, the limit extrapolated).
#include "flight/accurate_run.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "base/errors.h"
#include "physics/atmosphere.h"
#include "physics/motion_step.h"
#include "tests/default_run.h"

namespace orv {
namespace {

constexpr double g = 9.8;                                   // m/s2
constexpr double kAccuracy = 1e-6;                          // m, s, m/s
constexpr double kLimitDegrees = 90.0 / 57.3 * 57.3;        // the path-angle limit in degrees
constexpr double kDefaultMass = 0.18, kDefaultArea = 5e-5;  // kg, m2
constexpr double kDefaultCx = 2.1, kDefaultV0 = 30.2, kDefaultH0 = 1.7;

std::unique_ptr<SharedState> Flight(double angle, double Cx) {
  auto state = testing::DefaultState();
  state->fd.TTO() = angle;
  state->fd.Cx() = Cx;
  return state;
}

// The flight in a vacuum from H0 at V0 and angle Q0 (rad): x = V0 cosQ0 t,
// h = H0 + V0 sinQ0 t - g t^2/2.
struct Parabola {
  double H0, V0, Q0;
  double vx() const { return V0 * std::cos(Q0); }
  double vy(double t) const { return V0 * std::sin(Q0) - g * t; }
  double X(double t) const { return vx() * t; }
  double H(double t) const { return H0 + V0 * std::sin(Q0) * t - g * t * t / 2; }
  double Speed(double t) const { return std::hypot(vx(), vy(t)); }
  double Landing(double Hk) const {  // the later root of H(t) = Hk
    const double vy0 = vy(0);
    return (vy0 + std::sqrt(vy0 * vy0 + 2 * g * (H0 - Hk))) / g;
  }
  double Apex() const { return vy(0) > 0 ? H0 + vy(0) * vy(0) / (2 * g) : H0; }
};

TEST(AccurateRun, VacuumFlightIsTheParabola) {
  for (const double angle : {0.0, 20.0, 45.0, -30.0}) {
    SCOPED_TRACE(angle);
    auto state = Flight(angle, 0.0);
    const AccurateFlight flight = RunAccurateFlight(*state, 1e-9, true);
    const Parabola p{kDefaultH0, kDefaultV0, angle / 57.3};
    const double T = p.Landing(0.0);
    FlightData& fd = state->fd;
    EXPECT_NEAR(fd.t(), T, kAccuracy);
    EXPECT_NEAR(fd.X(), p.X(T), kAccuracy);
    // The landing is the root's end at or below the end height, to the last bits.
    EXPECT_LE(fd.H(), 0.0);
    EXPECT_GE(fd.H(), -1e-12);
    EXPECT_NEAR(fd.V(), p.Speed(T), kAccuracy);
    EXPECT_NEAR(flight.greatestHeight, p.Apex(), kAccuracy);

    // Rows at the classic run's even times, each filled as a recorded row is.
    ASSERT_EQ(state->RecordedRows, 500);
    const double interval = fd.t() / 500;
    for (const int row : {1, 2, 137, 251, 499, 500}) {
      SCOPED_TRACE(row);
      const double t = row == 500 ? fd.t() : (row - 1) * interval;
      EXPECT_DOUBLE_EQ(state->Sample(Col::kTime, row), t);
      const double H = state->Sample(Col::kHeight, row), V = state->Sample(Col::kSpeed, row);
      EXPECT_NEAR(H, std::max(p.H(t), 0.0), kAccuracy);
      EXPECT_NEAR(state->Sample(Col::kRange, row), p.X(t), kAccuracy);
      EXPECT_NEAR(V, p.Speed(t), kAccuracy);
      EXPECT_NEAR(state->Sample(Col::kPathAngle, row), std::atan2(p.vy(t), p.vx()) * 57.3, 1e-5);
      EXPECT_DOUBLE_EQ(state->Sample(Col::kEnergy, row), kDefaultMass * V * V / 2);
      EXPECT_DOUBLE_EQ(state->Sample(Col::kMach, row), V / 1500);
      EXPECT_EQ(state->Sample(Col::kDrag, row), 0.0);
      double temp, pres, sound, rho, visc;
      StandardAtmosphere(H, temp, pres, sound, rho, visc);
      EXPECT_DOUBLE_EQ(state->Sample(Col::kTemperature, row), temp);
      EXPECT_DOUBLE_EQ(state->Sample(Col::kReynolds, row), 1000 * V / visc / 1000);
      EXPECT_EQ(state->Sample(Col::kDensity, row), 1000.0);
      EXPECT_EQ(state->Sample(Col::kMass, row), kDefaultMass);
    }
  }
}

// The vertical dive holds the path angle at its limit; in a vacuum the speed then
// grows by g sin(limit) every second.
TEST(AccurateRun, VacuumDiveKeepsThePathAngleAtItsLimit) {
  auto state = Flight(-90.0, 0.0);
  RunAccurateFlight(*state, 1e-9, true);
  const double s = std::sin(90.0 / 57.3), v0 = kDefaultV0;
  const double T = (-v0 + std::sqrt(v0 * v0 + 2 * g * kDefaultH0)) / (g * s);  // H0 = (v0 T + g s T^2/2) s
  EXPECT_NEAR(state->fd.t(), T, kAccuracy);
  EXPECT_NEAR(state->fd.V(), v0 + g * s * T, kAccuracy);
  for (int row = 1; row <= 500; ++row) ASSERT_EQ(state->Sample(Col::kPathAngle, row), -kLimitDegrees) << row;
}

// Launched from the end height the flight goes on while it rises away from it, and
// ends at once when it does not; an end time of zero ends it at once too.
TEST(AccurateRun, StartAtTheEndHeight) {
  auto up = Flight(45.0, 0.0);
  up->fd.H0() = 0.0;
  RunAccurateFlight(*up, 1e-9, false);
  const Parabola p{0.0, kDefaultV0, 45.0 / 57.3};
  EXPECT_NEAR(up->fd.t(), p.Landing(0.0), kAccuracy);
  EXPECT_EQ(up->RecordedRows, 0);

  for (const auto& [angle, H0, Tk] :
       {std::array{-10.0, 0.0, 5.0}, std::array{10.0, -1.0, 5.0}, std::array{10.0, 1.7, 0.0}}) {
    auto state = Flight(angle, kDefaultCx);
    state->fd.H0() = H0;
    state->fd.Tk() = Tk;
    EXPECT_EQ(RunAccurateFlight(*state, 1e-9, true).steps, 0);
    EXPECT_EQ(state->fd.t(), 0.0);
    EXPECT_EQ(state->RecordedRows, 1);
    EXPECT_EQ(state->Sample(Col::kSpeed, 1), kDefaultV0);
  }
}

// t, X and V where the classic Euler step (the run's own step with the run's own
// inputs) first reaches the ground, interpolated linearly inside the last step.
std::array<double, 3> EulerLanding(double angle, double dt) {
  const StepInputs in{0, 0, dt, 1000, kDefaultCx, 0, kDefaultMass, kDefaultArea};
  BodyState body{0, kDefaultH0, 0, kDefaultV0, angle / 57.3}, before;
  StepOutputs out;
  do {
    before = body;
    MotionStep(in, body, out);
  } while (body.H > 0);
  const double f = before.H / (before.H - body.H);
  return {before.t + f * (body.t - before.t), before.X + f * (body.X - before.X),
          before.V + f * (body.V - before.V)};
}

// With drag: Euler's landing at dt, dt/2 and dt/4, extrapolated to dt -> 0 (its error
// is a h + b h^2 + ...: Richardson's two steps remove both terms).
TEST(AccurateRun, AgreesWithTheClassicStepCarriedToAVanishingTimeStep) {
  constexpr double dt = 2e-5;  // s
  for (const double angle : {0.0, 20.0, 45.0}) {
    SCOPED_TRACE(angle);
    const auto a = EulerLanding(angle, dt), b = EulerLanding(angle, dt / 2), c = EulerLanding(angle, dt / 4);
    auto state = Flight(angle, kDefaultCx);
    RunAccurateFlight(*state, 1e-9, false);
    const std::array<double, 3> accurate{state->fd.t(), state->fd.X(), state->fd.V()};
    for (std::size_t k = 0; k < 3; ++k)
      EXPECT_NEAR(accurate[k], (8 * c[k] - 6 * b[k] + a[k]) / 3, kAccuracy) << k;
  }
}

TEST(AccurateRun, FaultsAndRefusals) {
  auto level = Flight(0.0, kDefaultCx);
  level->fd.V0() = 0;  // the path angle's rate divides by the speed
  try {
    RunAccurateFlight(*level, 1e-9, true);
    ADD_FAILURE() << "no fault";
  } catch (const FloatingPointFault& e) {
    EXPECT_STREQ(e.what(), kDivByZeroText);
  }
  EXPECT_THROW(RunAccurateFlight(*Flight(0.0, kDefaultCx), 0.0, true), InputFault);
  EXPECT_THROW(RunAccurateFlight(*Flight(0.0, kDefaultCx), 1e-16, true), InputFault);  // finer than doubles
  // A head wind of 40 m/s stops the harpoon: where its speed passes zero the path's
  // turn has no limit, and the flight ends there, noting the time.
  auto stopped = Flight(0.0, kDefaultCx);
  stopped->fd.Vwind() = -40;
  EXPECT_NO_THROW(RunAccurateFlight(*stopped, 1e-9, true));
  EXPECT_GT(stopped->SpeedPassedZeroAt, 0);
  EXPECT_EQ(stopped->fd.t(), stopped->SpeedPassedZeroAt);
  EXPECT_LT(std::abs(stopped->fd.V()), 0.01);
}

}  // namespace
}  // namespace orv
