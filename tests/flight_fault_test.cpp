// A floating-point fault ends the run at the faulting operation; what the step had
// assigned before it stays.
#include <gtest/gtest.h>

#include <cmath>

#include "base/errors.h"
#include "flight/flight_run.h"
#include "physics/atmosphere.h"
#include "tests/sim_test_support.h"

namespace orv {
namespace {

std::string FaultText(SharedState& state) {
  try {
    RunFlight(state);
  } catch (const FloatingPointFault& e) {
    return e.what();
  }
  return "no fault";
}

void ExpectAirAt(FlightData& fd, double H) {
  AirState air;
  StandardAtmosphere(H, air.Temp, air.Pres, air.Sound, air.Rho, air.Visc);
  EXPECT_EQ(fd.Temp(), air.Temp);
  EXPECT_EQ(fd.Pres(), air.Pres);
  EXPECT_EQ(fd.Visc(), air.Visc);
  EXPECT_EQ(fd.Sound(), 1500.0);
  EXPECT_EQ(fd.Rho(), 1000.0);
}

TEST(RunFlightFaults, ZeroLaunchSpeedOnTheLevelDividesByZero) {
  auto state = testing::DefaultState();
  FlightData& fd = state->fd;
  fd.V0() = 0;
  fd.Drag = 77;
  EXPECT_EQ(FaultText(*state), kDivByZeroText);
  // First step of the first pass: atmosphere, Mach, q, Accel, X, H and V assigned;
  // the path angle, the time and the forces not.
  ExpectAirAt(fd, 1.7);
  EXPECT_EQ(fd.Mach(), 0.0);
  EXPECT_EQ(fd.qDyn(), 0.0);
  EXPECT_EQ(fd.Accel, 0.0);
  EXPECT_EQ(fd.X(), 0.0);
  EXPECT_EQ(fd.H(), 1.7);
  EXPECT_EQ(fd.V(), 0.0);
  EXPECT_EQ(fd.Q(), 0.0);
  EXPECT_EQ(fd.t(), 0.0);
  EXPECT_EQ(fd.Drag, 77.0);
  EXPECT_EQ(state->SampleRows, 500);
  EXPECT_EQ(state->SamplingPass, 0);
}

TEST(RunFlightFaults, ZeroMassIsAnInvalidOperation) {
  auto state = testing::DefaultState();
  FlightData& fd = state->fd;
  fd.MassaStart() = 0;
  fd.Accel = 55;
  EXPECT_EQ(FaultText(*state), kInvalidOpText);  // thrust 0 over mass 0
  ExpectAirAt(fd, 1.7);
  EXPECT_DOUBLE_EQ(fd.Mach(), 30.2 / 1500);
  EXPECT_EQ(fd.qDyn(), 1000 * 30.2 * 30.2 / 2);
  EXPECT_EQ(fd.Auftrieb, 0.0);
  EXPECT_EQ(fd.Accel, 55.0);
  EXPECT_EQ(fd.V(), 30.2);
  EXPECT_EQ(fd.X(), 0.0);
  EXPECT_EQ(fd.t(), 0.0);
}

// A step far too long for the drag makes the speed swing and grow until the dynamic
// pressure overflows; the state holds the last finite step.
TEST(RunFlightFaults, UnstableStepOverflows) {
  auto state = testing::DefaultState();
  FlightData& fd = state->fd;
  fd.H0() = 1e300;  // high enough never to reach the ground
  fd.dt0() = 0.5;
  fd.Tk() = 100;
  EXPECT_EQ(FaultText(*state), kOverflowText);
  EXPECT_GT(fd.t(), 0.0);
  for (double v : {fd.t(), fd.V(), fd.H(), fd.X(), fd.Q(), fd.Accel, fd.Drag, fd.qDyn()})
    EXPECT_TRUE(std::isfinite(v));
  EXPECT_GT(std::fabs(fd.V()), 1e100);
}

// The smallest time step: one step ends the flight, and its five-hundredth part is
// zero, so the second pass's sampling test divides by zero after its motion step.
TEST(RunFlightFaults, SampleIntervalOfZeroDividesByZero) {
  auto state = testing::DefaultState();
  FlightData& fd = state->fd;
  fd.H0() = 0.0;
  fd.dt0() = 5e-324;
  EXPECT_EQ(FaultText(*state), kDivByZeroText);
  EXPECT_EQ(state->SampleInterval, 0.0);
  EXPECT_EQ(state->SamplingPass, 1);
  EXPECT_EQ(fd.t(), 5e-324);
  EXPECT_EQ(state->Sample(0, 1), 0.0);  // not recorded
}

}  // namespace
}  // namespace orv
