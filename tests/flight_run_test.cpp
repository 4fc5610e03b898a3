#include "flight/flight_run.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/errors.h"
#include "flight/flight_run.h"
#include "physics/atmosphere.h"
#include "tests/sim_test_support.h"

namespace orv {
namespace {

using testing::DefaultState;
using testing::ScaledUnitsFlight;

TEST(RunFlight, DefaultFlightEndsAtTheGround) {
  auto state = DefaultState();
  RunFlight(*state);
  FlightData& fd = state->fd;
  EXPECT_LE(fd.H(), 0.0);
  EXPECT_LT(fd.t(), 5.0);
  EXPECT_EQ(state->SampleRows, 500);
  EXPECT_EQ(state->FieldSeparator, "  ");
  EXPECT_EQ(state->SamplingPass, 1);
  EXPECT_DOUBLE_EQ(state->SampleInterval, fd.t() / 500);
}

// Row 1 holds the state after the first step: level launch at 30.2 m/s from 1.7 m.
TEST(RunFlight, FirstRowIsTheStateAfterOneStep) {
  auto state = DefaultState();
  RunFlight(*state);
  const SharedState& s = *state;
  const double q = 1000 * 30.2 * 30.2 / 2;                               // Pa
  const double accel = -(2.1 * 1000 * (30.2 * 30.2) * 5e-5 / 2 / 0.18);  // m/s2, level: no gravity term
  const double V1 = 30.2 + accel * 1e-4;
  const double drag = 2.1 * q * 5e-5;
  AirState air;
  StandardAtmosphere(1.7, air.Temp, air.Pres, air.Sound, air.Rho, air.Visc);
  EXPECT_EQ(s.Sample(0, 1), 1e-4);
  EXPECT_DOUBLE_EQ(s.Sample(1, 1), V1);
  EXPECT_DOUBLE_EQ(s.Sample(2, 1), 0.18 * V1 * V1 / 2);
  EXPECT_EQ(s.Sample(3, 1), 1.7);
  EXPECT_DOUBLE_EQ(s.Sample(4, 1), -9.8 / V1 * 1e-4 * 57.3);
  EXPECT_DOUBLE_EQ(s.Sample(5, 1), -drag);
  EXPECT_EQ(s.Sample(6, 1), 0.0);
  EXPECT_DOUBLE_EQ(s.Sample(7, 1), 30.2 * 1e-4);
  EXPECT_EQ(s.Sample(8, 1), 0.0);
  EXPECT_DOUBLE_EQ(s.Sample(9, 1), -drag / 0.18 / 9.8);
  EXPECT_DOUBLE_EQ(s.Sample(10, 1), 0.18 * accel);
  EXPECT_EQ(s.Sample(11, 1), 0.0);
  EXPECT_EQ(s.Sample(12, 1), 1e-9);
  EXPECT_EQ(s.Sample(13, 1), 0.0);
  EXPECT_EQ(s.Sample(14, 1), 0.0);
  EXPECT_EQ(s.Sample(15, 1), 0.0);
  EXPECT_EQ(s.Sample(16, 1), 0.18);
  EXPECT_EQ(s.Sample(17, 1), 0.0);
  EXPECT_EQ(s.Sample(18, 1), 0.0);
  EXPECT_EQ(s.Sample(19, 1), 0.0);
  EXPECT_EQ(s.Sample(20, 1), 0.0);
  EXPECT_DOUBLE_EQ(s.Sample(21, 1), drag);
  EXPECT_EQ(s.Sample(22, 1), 0.0);
  EXPECT_EQ(s.Sample(23, 1), 2.1);
  EXPECT_EQ(s.Sample(24, 1), 0.0);
  EXPECT_DOUBLE_EQ(s.Sample(25, 1), 30.2 / 1500);  // Mach before the step, in water
  EXPECT_EQ(s.Sample(26, 1), air.Temp);            // the air at the height before the step
  EXPECT_EQ(s.Sample(27, 1), air.Pres);
  EXPECT_EQ(s.Sample(28, 1), 1000.0);
  EXPECT_DOUBLE_EQ(s.Sample(29, 1), 1000 * V1 / air.Visc / 1000);
}

TEST(RunFlight, SetsTheRunStateFromTheInputs) {
  auto state = DefaultState();
  FlightData& fd = state->fd;
  fd.TTO() = 30;
  fd.Cy() = 0.4;
  fd.Hk() = 1000;  // a left-over end height: the run takes HkInit
  fd.Tk() = 0.00025;
  RunFlight(*state);
  EXPECT_EQ(fd.Q0grad(), 30.0);
  EXPECT_EQ(fd.CxCur(), 2.1);
  EXPECT_EQ(fd.CyCur(), 0.4);
  EXPECT_EQ(fd.Hk(), 0.0);
  EXPECT_EQ(fd.X0(), 0.0);
  EXPECT_EQ(fd.Mass, 0.18);
  EXPECT_EQ(fd.SRef, 5e-5);
  EXPECT_EQ(fd.RhoMedium, 1000.0);
  EXPECT_EQ(fd.Rho(), 1000.0);
  EXPECT_EQ(fd.Sound(), 1500.0);
  EXPECT_NE(fd.Lift, 0.0);
  EXPECT_GE(fd.t(), 0.00025);  // three steps: t < Tk until the third
  EXPECT_EQ(state->Sample(24, 1), 0.4);
}

TEST(RunFlight, SpeedOfSoundAboveOneHundredTwentyKilometres) {
  auto state = DefaultState();
  state->fd.H0() = 130000;
  state->fd.Tk() = 1e-4;
  RunFlight(*state);
  EXPECT_EQ(state->fd.Sound(), 290.0);
  EXPECT_DOUBLE_EQ(state->Sample(25, 1), 30.2 / 290);
}

TEST(RunFlight, SinksBelowTheAtmosphereTable) {
  auto state = DefaultState();
  state->fd.H0() = -9000;  // the lowest layer continues: f = -1 there
  state->fd.HkInit() = -1e9;
  state->fd.Tk() = 1e-4;
  RunFlight(*state);
  EXPECT_NEAR(state->Sample(26, 1), 320.6 + 25.95, 1e-9);
  EXPECT_NEAR(state->Sample(27, 1), 1.33 + 0.191, 1e-9);
  EXPECT_NEAR(state->Sample(29, 1), 1000 * state->fd.V() / (0.000194 + 0.000012) / 1000, 1e-3);
}

TEST(RunFlight, EndsAfterItsFirstStep) {
  auto state = DefaultState();
  RunFlight(*state);  // fills every row
  ASSERT_NE(state->Sample(0, 250), 0.0);
  state->fd.H0() = 0.0;  // the end height: the loop body still runs once
  EXPECT_EQ(RunFlight(*state), 2);
  EXPECT_EQ(state->fd.t(), 1e-4);
  EXPECT_EQ(state->SampleInterval, 1e-4 / 500);
  EXPECT_EQ(state->Sample(0, 1), 1e-4);
  // Rows the run did not fill are cleared, not left from the run before.
  for (int row = 2; row <= 500; ++row)
    for (int column = 0; column < 30; ++column) ASSERT_EQ(state->Sample(column, row), 0.0);
}

TEST(RunFlight, StepBelowGroundStoresHeightZeroWithoutInterpolating) {
  auto state = DefaultState();
  FlightData& fd = state->fd;
  fd.H0() = 0.5;
  fd.TTO() = -90;
  fd.V0() = 10;
  fd.dt0() = 0.1;
  RunFlight(*state);
  EXPECT_LT(fd.H(), 0.0);
  EXPECT_NEAR(fd.H(), 0.5 - 10 * 0.1, 1e-6);  // sin(-90/57.3) is 1 within 2e-8
  EXPECT_EQ(fd.t(), 0.1);
  EXPECT_EQ(state->Sample(3, 1), 0.0);
}

TEST(RunFlight, RefusesATimeStepThatNeverAdvances) {
  for (double dt0 : {0.0, -0.001}) {
    auto state = DefaultState();
    state->fd.dt0() = dt0;
    state->Sample(5, 7) = 42;
    const auto before = std::make_unique<SharedState>(*state);
    try {
      RunFlight(*state);
      FAIL() << "no fault for " << dt0;
    } catch (const InputFault& e) {
      EXPECT_NE(std::string(e.what()).find(dt0 == 0 ? "step 0 s" : "step -0.001 s"), std::string::npos)
          << e.what();
    }
    EXPECT_EQ(state->fd.slot, before->fd.slot);
    EXPECT_EQ(state->TrajectorySamples, before->TrajectorySamples);
    EXPECT_EQ(state->SampleRows, 0);
    EXPECT_EQ(state->FieldSeparator, "");
  }
}

// Cx = 0: the vacuum parabola. Euler's error in the position shrinks with the step.
TEST(RunFlight, VacuumFlightConvergesToTheParabola) {
  auto errorWithStep = [](double dt) {
    auto state = DefaultState();
    FlightData& fd = state->fd;
    fd.Cx() = 0;
    fd.TTO() = 45;
    fd.V0() = 20;
    fd.H0() = 100;
    fd.HkInit() = -1e9;
    fd.Tk() = 2.0;
    fd.dt0() = dt;
    RunFlight(*state);
    const double theta = 45 / 57.3, t = fd.t();
    const double X = 20 * std::cos(theta) * t;
    const double H = 100 + 20 * std::sin(theta) * t - 9.8 * t * t / 2;
    return std::hypot(fd.X() - X, fd.H() - H);
  };
  const double coarse = errorWithStep(1.0 / 256), fine = errorWithStep(1.0 / 1024);
  EXPECT_LT(coarse, 0.2);
  EXPECT_NEAR(fine / coarse, 0.25, 0.05);  // first order
}

TEST(RunFlight, TimeInMinutesHeightAndRangeInKmMassInTonnes) {
  auto state = DefaultState();
  FlightData& fd = state->fd;
  ScaledUnitsFlight(fd);
  RunFlight(*state);
  EXPECT_EQ(fd.t(), 4000.0);
  EXPECT_EQ(fd.TimeUnitCode, 2);
  EXPECT_EQ(fd.HeightInKm, 1);
  EXPECT_EQ(fd.RangeInKm, 1);
  EXPECT_EQ(fd.MassInTonnes, 1);
  EXPECT_EQ(fd.ThrustInKn, 0);
  // 400 steps of 1.25 sample intervals: the first step, then every fourth step,
  // where the fraction falls back to 0 (t = 40, 80, ... 4000 s): 101 rows.
  EXPECT_EQ(state->Sample(0, 101), 4000.0 / 60);
  EXPECT_EQ(state->Sample(3, 101), fd.H() / 1000);
  EXPECT_EQ(state->Sample(7, 101), fd.X() / 1000);
  EXPECT_EQ(state->Sample(16, 101), 20.0);
  EXPECT_EQ(state->Sample(0, 1), 10.0 / 60);
  EXPECT_EQ(state->Sample(0, 2), 40.0 / 60);
  EXPECT_EQ(state->Sample(0, 102), 0.0);
}

TEST(RunFlight, TimeInHours) {
  auto state = DefaultState();
  FlightData& fd = state->fd;
  fd.Cx() = 0;
  fd.H0() = 1e12;
  fd.dt0() = 100;
  fd.Tk() = 40000;
  RunFlight(*state);
  EXPECT_EQ(fd.TimeUnitCode, 3);
  EXPECT_EQ(state->Sample(0, 101), 40000.0 / 3600);
  EXPECT_EQ(state->Sample(0, 10), 1.0);  // t = 3600 s, the ninth fourth step
}

TEST(RunFlight, BothPassesTakeTheSameSteps) {
  auto state = DefaultState();
  const std::int64_t steps = RunFlight(*state);
  EXPECT_EQ(steps % 2, 0);
  EXPECT_DOUBLE_EQ(state->SampleInterval * 500, state->fd.t());
  // The default flight lasts under a second: about 8000 steps of 0.1 ms a pass.
  EXPECT_NEAR(static_cast<double>(steps / 2) * 1e-4, state->fd.t(), 1e-9);
}

}  // namespace
}  // namespace orv
