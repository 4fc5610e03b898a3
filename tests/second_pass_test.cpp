// The second pass from the first pass's checkpoints leaves exactly what flying the
// whole second pass leaves: every slot and run scalar, the unit flags, the sample
// table, the results file and the CSV, after a finished run and after a fault in
// either pass. Flights from one step to half a million, ended by the height or by
// the end time, with one checkpoint a step and with thinned ones.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "base/errors.h"
#include "files/csv_export.h"
#include "files/results_table.h"
#include "flight/flight_run.h"
#include "tests/default_run.h"

namespace orv {
namespace {

constexpr double kStep = 1.0 / 1024;  // s

struct Outcome {
  std::unique_ptr<SharedState> state;
  std::string fault;  // empty when the run finished
  std::int64_t steps = 0;
};

Outcome Fly(const std::function<void(FlightData&)>& setUp, SecondPass secondPass) {
  Outcome o{testing::DefaultState(), "", 0};
  setUp(o.state->fd);
  try {
    o.steps = RunFlight(*o.state, nullptr, secondPass);
  } catch (const Fault& fault) {
    o.fault = fault.what();
  }
  return o;
}

void ExpectSame(const Outcome& a, const Outcome& b) {
  EXPECT_EQ(a.fault, b.fault);
  EXPECT_EQ(a.steps, b.steps);
  const SharedState &s = *a.state, &r = *b.state;
  const FlightData &f = s.fd, &g = r.fd;
  for (int slot = 0; slot < kSlotCount; ++slot) EXPECT_EQ(f.slot[slot], g.slot[slot]) << "slot " << slot;
  for (auto scalar : {&FlightData::Mass, &FlightData::S0, &FlightData::SRef, &FlightData::Drag,
                      &FlightData::Lift, &FlightData::Auftrieb, &FlightData::Accel, &FlightData::RhoMedium})
    EXPECT_EQ(f.*scalar, g.*scalar);
  for (auto flag : {&FlightData::TimeUnitCode, &FlightData::HeightInKm, &FlightData::RangeInKm,
                    &FlightData::ThrustInKn, &FlightData::MassInTonnes})
    EXPECT_EQ(f.*flag, g.*flag);
  EXPECT_EQ(s.TrajectorySamples, r.TrajectorySamples);
  EXPECT_EQ(s.SampleRows, r.SampleRows);
  EXPECT_EQ(s.RecordedRows, r.RecordedRows);
  EXPECT_EQ(s.SamplingPass, r.SamplingPass);
  EXPECT_EQ(s.SampleInterval, r.SampleInterval);
  EXPECT_EQ(s.PreviousFraction, r.PreviousFraction);
  EXPECT_EQ(s.NextRow, r.NextRow);
  EXPECT_EQ(s.FieldSeparator, r.FieldSeparator);
  if (a.fault.empty()) {
    EXPECT_EQ(FormatResultsTable(s), FormatResultsTable(r));
    EXPECT_EQ(FormatCsv(s, true), FormatCsv(r, true));
  }
}

// A flight of `steps` steps of 2^-10 s that the end time ends, dropped from 10 km.
std::function<void(FlightData&)> TimedSteps(double steps) {
  return [steps](FlightData& fd) {
    fd.H0() = 10000;
    fd.dt0() = kStep;
    fd.Tk() = steps * kStep;
  };
}

TEST(SecondPass, FromCheckpointsLeavesWhatTheFullPassLeaves) {
  const std::pair<const char*, std::function<void(FlightData&)>> flights[] = {
      // The three pinned runs (tests/step_paths_test.cpp): the default, one in
      // minutes and kilometres, and one below the atmosphere table.
      {"default", [](FlightData&) {}},
      {"minutes and km",
       [](FlightData& fd) {
         fd.H0() = 30000;
         fd.Tk() = 3650;
         fd.dt0() = 0.01;
       }},
      {"below -5000 m",
       [](FlightData& fd) {
         fd.H0() = -4900;
         fd.HkInit() = -1e9;
         fd.TTO() = -80;
         fd.Tk() = 60;
         fd.dt0() = 0.001;
       }},
      // Short: one step, fewer steps than rows, steps longer than the sample interval.
      {"one step", [](FlightData& fd) { fd.H0() = 0; }},
      {"300 steps", TimedSteps(300)},
      {"499 steps", TimedSteps(499)},
      {"400 steps of 1.25 intervals", testing::ScaledUnitsFlight},
      // Medium and long: the checkpoints thinned to one in 4 and one in 32 steps.
      {"76 000 steps to the ground", [](FlightData& fd) { fd.dt0() = 1e-5; }},
      {"512 000 steps to the end time", TimedSteps(512000)},
  };
  for (const auto& [name, setUp] : flights) {
    SCOPED_TRACE(name);
    const Outcome checkpoints = Fly(setUp, SecondPass::kFromCheckpoints);
    ASSERT_EQ(checkpoints.fault, "");
    ExpectSame(checkpoints, Fly(setUp, SecondPass::kFull));
  }
}

TEST(SecondPass, AFaultLeavesWhatTheFullPassLeaves) {
  const std::pair<const char*, std::function<void(FlightData&)>> flights[] = {
      // In the first pass: dQ/dt divides by the speed 0; an unstable step overflows.
      {"zero speed", [](FlightData& fd) { fd.V0() = 0; }},
      {"unstable step",
       [](FlightData& fd) {
         fd.H0() = 1e300;
         fd.dt0() = 0.5;
         fd.Tk() = 100;
       }},
      // In the recording: a body of 1e300 kg falling ever faster until its kinetic
      // energy overflows, about 42 s into 100 s.
      {"energy overflows",
       [](FlightData& fd) {
         fd.MassaStart() = 1e300;
         fd.Cx() = 0;
         fd.V0() = 13000;
         fd.TTO() = -90;
         fd.H0() = 1e7;
         fd.Tk() = 100;
         fd.dt0() = 1e-3;
       }},
      // A sample interval of zero: the sampling test divides by it.
      {"sample interval 0",
       [](FlightData& fd) {
         fd.H0() = 0;
         fd.dt0() = 5e-324;
       }},
  };
  for (const auto& [name, setUp] : flights) {
    SCOPED_TRACE(name);
    const Outcome checkpoints = Fly(setUp, SecondPass::kFromCheckpoints);
    ASSERT_NE(checkpoints.fault, "");
    ExpectSame(checkpoints, Fly(setUp, SecondPass::kFull));
  }
  const Outcome overflow = Fly(flights[2].second, SecondPass::kFromCheckpoints);
  EXPECT_EQ(overflow.fault, kOverflowText);
  EXPECT_EQ(overflow.state->SamplingPass, 1);
  EXPECT_GT(overflow.state->RecordedRows, 200);  // rows every 0.2 s up to the fault
  EXPECT_LT(overflow.state->RecordedRows, 250);
}

}  // namespace
}  // namespace orv
