// The column table as its readers see it: which columns the exports list, in which
// unit, and how a scaled column's values come back in their base unit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/sample_columns.h"
#include "files/results_table.h"
#include "tests/default_run.h"

namespace orv {
namespace {

TEST(SampleColumns, ExportsListTheResultsFileColumnsFirstAndNoReservedOne) {
  std::vector<std::string> headings;
  for (Col c : ExportColumns()) headings.push_back(ColumnHeading(c));
  ASSERT_EQ(headings.size(), 26u);  // 30 less the four reserved columns
  const std::vector<std::string> first{"time [s]",    "range [m]",           "height [m]",
                                       "speed [m/s]", "kinetic energy [J]",  "path angle [deg]",
                                       "mass [kg]",   "minus drag force [N]"};
  EXPECT_EQ(std::vector<std::string>(headings.begin(), headings.begin() + 8), first);
  EXPECT_EQ(ColumnHeading(Col::kPressure), "air pressure [bar]");
  EXPECT_EQ(ColumnHeading(Col::kReynolds), "Reynolds number for 1 m / 10000 [-]");
  for (Col c : ExportColumns()) EXPECT_TRUE(ColumnInfoOf(c).filled);
}

// The Reynolds column holds what its heading says: rho V L / mu for L = 1 m, with the
// air's viscosity mu in Pa s (a tenth of its value in poise), over 10000.
TEST(SampleColumns, TheReynoldsColumnIsTheReynoldsNumberOverTenThousand) {
  auto state = testing::DefaultRun();
  const double H = state->Sample(Col::kHeight, 1);
  const double V = state->Sample(Col::kSpeed, 1);
  ASSERT_GT(H, 0);
  ASSERT_LT(H, 500);
  // Standard atmosphere between its nodes at 0 m and 500 m: 0.00017894 and 0.00017737 P.
  const double muPoise = 0.00017894 + H / 500 * (0.00017737 - 0.00017894);
  const double reynolds = 1000.0 * V * 1.0 / (0.1 * muPoise);
  EXPECT_NEAR(state->Sample(Col::kReynolds, 1) / (reynolds / 10000), 1.0, 1e-12);
}

// H0 = 30000 m for 3650 s: the run switches time to minutes and height to
// kilometres; the base unit values are the scaled ones times 60 and 1000.
TEST(SampleColumns, ScaledColumnsComeBackInTheirBaseUnit) {
  auto state = testing::DefaultState();
  FlightData& fd = state->fd;
  fd.H0() = 30000;
  fd.Tk() = 3650;
  fd.dt0() = 0.01;
  RunFlight(*state);
  ASSERT_EQ(fd.TimeUnitCode, 2);
  ASSERT_EQ(fd.HeightInKm, 1);
  ASSERT_EQ(fd.RangeInKm, 0);  // it sinks almost straight down
  EXPECT_EQ(ScaledUnit(Col::kTime, fd), "min");
  EXPECT_EQ(ScaledUnit(Col::kHeight, fd), "km");
  EXPECT_EQ(ScaledUnit(Col::kSpeed, fd), "m/s");
  const int last = state->RecordedRows;
  EXPECT_DOUBLE_EQ(ToBaseUnit(Col::kTime, state->Sample(Col::kTime, last), fd), fd.t());
  EXPECT_DOUBLE_EQ(ToBaseUnit(Col::kHeight, state->Sample(Col::kHeight, last), fd), fd.H());
  EXPECT_EQ(ToBaseUnit(Col::kRange, state->Sample(Col::kRange, last), fd), fd.X());
  EXPECT_EQ(ToBaseUnit(Col::kSpeed, 12.5, fd), 12.5);
  EXPECT_EQ(ToBaseUnit(Col::kMass, 0.18, fd), 0.18);  // mass stays in kg
}

}  // namespace
}  // namespace orv
