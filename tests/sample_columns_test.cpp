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
  const std::vector<std::string> first{"t [s]", "X [m]",   "H [m]",  "V [m/s]",
                                       "E [J]", "Q [deg]", "m [kg]", "-D [N]"};
  EXPECT_EQ(std::vector<std::string>(headings.begin(), headings.begin() + 8), first);
  for (Col c : ExportColumns()) EXPECT_TRUE(ColumnInfoOf(c).filled);
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
