// The run's two ways through a step agree, the air is taken where the step starts,
// and three whole runs stay bit for bit what they were.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstring>
#include <random>

#include "flight/flight_run.h"
#include "physics/atmosphere.h"
#include "physics/motion_step.h"
#include "tests/default_run.h"

namespace orv {
namespace {

// The fast step and the operation-by-operation one (the run redoes a faulting step
// that way to find the fault) must give the same bits wherever nothing faults.
TEST(StepPaths, FastAndCheckedStepsAgreeBitForBit) {
  std::mt19937_64 random(20261208);
  auto in = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(random); };
  int compared = 0;
  for (int k = 0; k < 5000; ++k) {
    StepInputs inputs{in(-50, 50), in(-5, 5), in(1e-5, 0.1), in(1, 1500),
                      in(0, 3),    in(-1, 1), in(0.01, 100), in(1e-6, 0.1)};
    const BodyState start{in(0, 100), in(-6000, 50000), in(-100, 1e5), in(0.5, 300), in(-1.6, 1.6)};
    BodyState fast = start, checked = start;
    StepOutputs fastOut, checkedOut;
    if (!TryMotionStep(inputs, fast, fastOut)) continue;
    CheckedMotionStep(inputs, checked, checkedOut);
    ++compared;
    ASSERT_EQ(std::memcmp(&fast, &checked, sizeof fast), 0) << "input " << k;
    ASSERT_EQ(std::memcmp(&fastOut, &checkedOut, sizeof fastOut), 0) << "input " << k;
  }
  EXPECT_GT(compared, 4900);
}

// A one-step dive through the troposphere, where the temperature changes with
// height: the recorded air is that of the launch height, and the Mach number that
// of the launch speed.
TEST(StepPaths, AirIsTakenAtTheHeightBeforeTheStep) {
  auto state = testing::DefaultState();
  FlightData& fd = state->fd;
  fd.H0() = 5000;
  fd.V0() = 100;
  fd.TTO() = -45;
  fd.dt0() = 0.01;
  fd.Tk() = 0.01;
  ASSERT_EQ(RunFlight(*state), 2);
  double temp, pres, sound, rho, visc;
  StandardAtmosphere(fd.H(), temp, pres, sound, rho, visc);
  ASSERT_NE(state->Sample(Col::kTemperature, 1), temp);  // the air after the step differs
  StandardAtmosphere(5000, temp, pres, sound, rho, visc);
  EXPECT_EQ(state->Sample(Col::kTemperature, 1), temp);
  EXPECT_EQ(state->Sample(Col::kPressure, 1), pres);
  EXPECT_EQ(state->Sample(Col::kMach, 1), 100 / kSoundWater);
  EXPECT_EQ(fd.Visc(), visc);
}

// FNV-1a over the bytes of every sample and the unit flags.
std::uint64_t Digest(const SharedState& state) {
  std::uint64_t h = 14695981039346656037ull;
  auto add = [&](const void* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i)
      h = (h ^ static_cast<const unsigned char*>(data)[i]) * 1099511628211ull;
  };
  add(state.TrajectorySamples.data(), sizeof(double) * kSampleColumns * kSampleRowsMax);
  const FlightData& fd = state.fd;
  for (std::int32_t flag : {fd.TimeUnitCode, fd.HeightInKm, fd.RangeInKm, fd.ThrustInKn, fd.MassInTonnes})
    add(&flag, sizeof flag);
  return h;
}

// Pinned digests of three runs: any change of the arithmetic (a reordered sum, a
// contracted multiply-add, another libm path) changes some bit of some sample.
TEST(StepPaths, GoldenRuns) {
  auto defaults = testing::DefaultRun();
  EXPECT_EQ(Digest(*defaults), 9565860563632654145ull) << "default run";

  auto deep = testing::DefaultState();  // minutes and kilometres
  deep->fd.H0() = 30000;
  deep->fd.Tk() = 3650;
  deep->fd.dt0() = 0.01;
  RunFlight(*deep);
  ASSERT_EQ(deep->fd.TimeUnitCode, 2);
  ASSERT_EQ(deep->fd.HeightInKm, 1);
  EXPECT_EQ(Digest(*deep), 13066198460138463058ull) << "H0 = 30000, Tk = 3650, dt0 = 0.01";

  auto low = testing::DefaultState();  // below the lowest atmosphere node
  low->fd.H0() = -4900;
  low->fd.Hk() = -1e9;
  low->fd.HkInit() = -1e9;
  low->fd.TTO() = -80;
  low->fd.Tk() = 60;
  low->fd.dt0() = 0.001;
  RunFlight(*low);
  ASSERT_LT(low->fd.H(), -5000.0);
  EXPECT_EQ(Digest(*low), 5190519619777525864ull) << "below -5000 m";
}

}  // namespace
}  // namespace orv
