// The bytes of Orvantis_500.txt.
#include <gtest/gtest.h>

#include <clocale>

#include "files/results_file.h"
#include "files/results_table.h"
#include "flight/flight_run.h"
#include "tests/sim_test_support.h"

namespace orv {
namespace {

std::string Fixed(double value, int width, int decimals) {
  std::string out;
  AppendFixed(out, value, width, decimals);
  return out;
}

TEST(AppendFixed, RoundsAndAlignsRight) {
  EXPECT_EQ(Fixed(1, 6, 2), "  1.00");
  EXPECT_EQ(Fixed(500, 6, 2), "500.00");
  EXPECT_EQ(Fixed(12.3456, 8, 2), "   12.35");
  EXPECT_EQ(Fixed(2.1, 10, 1), "       2.1");
  EXPECT_EQ(Fixed(-3.14159, 5, 1), " -3.1");
  EXPECT_EQ(Fixed(9.96, 5, 1), " 10.0");
  EXPECT_EQ(Fixed(-9.99, 6, 1), " -10.0");
  EXPECT_EQ(Fixed(0.0004, 6, 2), "  0.00");
}

TEST(AppendFixed, WidensInsteadOfCutting) {
  EXPECT_EQ(Fixed(1200000, 5, 1), "1200000.0");
  EXPECT_EQ(Fixed(-123456.78, 5, 1), "-123456.8");
  EXPECT_EQ(Fixed(1e20, 5, 1), "100000000000000000000.0");
}

TEST(AppendFixed, HalvesRoundAwayFromZero) {
  EXPECT_EQ(Fixed(0.125, 6, 2), "  0.13");  // exactly half in binary
  EXPECT_EQ(Fixed(2.25, 5, 1), "  2.3");
  EXPECT_EQ(Fixed(-2.25, 5, 1), " -2.3");
  EXPECT_EQ(Fixed(0.05, 5, 1), "  0.1");   // 0.05000000000000000277
  EXPECT_EQ(Fixed(0.15, 5, 1), "  0.1");   // 0.14999999999999999445
  EXPECT_EQ(Fixed(99.95, 5, 1), "100.0");  // 99.9500000000000028422
}

TEST(AppendFixed, ZeroNeverCarriesAMinus) {
  EXPECT_EQ(Fixed(-0.0, 12, 1), "         0.0");
  EXPECT_EQ(Fixed(-0.04, 5, 1), "  0.0");
  EXPECT_EQ(Fixed(-0.06, 5, 1), " -0.1");
}

std::string ZeroLine(int row) {
  std::string line = "  ";
  line += row < 10 ? "  " : row < 100 ? " " : "";
  line += std::to_string(row) + ".00";
  return line + "      0.00    0.00    0.0    0.0    0.0    0.0         0.0           0.0    \r\n";
}

// One step of 0.5 s, level at 10 m/s from 2 m, 2 kg, 0.001 m2, Cx 0.1:
//   q = 1000 * 10^2 / 2 = 50 000 Pa, drag = 0.1 * q * 0.001 = 5 N,
//   dV/dt = -5 / 2 = -2.5 m/s2, V = 10 - 1.25 = 8.75 m/s, X = 10 * 0.5 = 5 m, H = 2 m,
//   Q = -9.8 / 8.75 * 0.5 = -0.56 rad = -32.088 degree, E = 2 * 8.75^2 / 2 = 76.5625 J.
TEST(ResultsFile, SmallRunByHand) {
  auto state = testing::DefaultState();
  FlightData& fd = state->fd;
  fd.H0() = 2;
  fd.V0() = 10;
  fd.MassaStart() = 2;
  fd.S0 = 0.001;
  fd.Cx() = 0.1;
  fd.dt0() = 0.5;
  fd.Tk() = 0.5;
  RunFlight(*state);
  testing::TempFolder folder;
  const std::string path = folder / "Orvantis_500.txt";
  WriteResultsFile(*state, path);

  std::string expected = " \r\n";
  expected += "    j        t,s      X,m     H,m   V,m/s  E,J   Q,grad        m,kg         F,N   \r\n";
  expected += " \r\n";
  expected += "    1.00      0.50    5.00    2.0    8.8   76.6  -32.1         2.0          -5.0    \r\n";
  for (int row = 2; row <= 500; ++row) expected += ZeroLine(row);
  EXPECT_EQ(testing::ReadFile(path), expected);
  EXPECT_EQ(expected.size(), 3 + 84 + 3 + 500 * 86u);
}

TEST(ResultsFile, HeaderHasEightyTwoCharacters) { EXPECT_EQ(std::string(kResultsHeader).size(), 82u); }

// A scaled column's label names the unit of the values below it and ends where
// "t,s", "X,m", "H,m" or "m,kg" ends; the other labels stay where they are.
TEST(ResultsFile, ScaledColumnsNameTheirUnit) {
  auto state = testing::DefaultState();
  state->fd.H0() = 20000;
  state->fd.Tk() = 0.01;
  RunFlight(*state);
  testing::TempFolder folder;
  WriteResultsFile(*state, folder / "Orvantis_500.txt");
  const std::string text = testing::ReadFile(folder / "Orvantis_500.txt");
  const std::string head =
      " \r\n    j        t,s      X,m    H,km   V,m/s  E,J   Q,grad        m,kg         F,N   \r\n \r\n"
      "    1.00      0.00    0.00   20.0   30.2";
  EXPECT_EQ(text.substr(0, head.size()), head);

  FlightData& fd = state->fd;
  fd.TimeUnitCode = 2;
  fd.RangeInKm = 1;
  fd.MassInTonnes = 1;
  EXPECT_EQ(ResultsHeader(fd),
            "    j      t,min     X,km    H,km   V,m/s  E,J   Q,grad         m,t         F,N   ");
  fd.TimeUnitCode = 3;
  fd.HeightInKm = 0;
  EXPECT_EQ(ResultsHeader(fd),
            "    j        t,h     X,km     H,m   V,m/s  E,J   Q,grad         m,t         F,N   ");
}

TEST(ResultsFile, ValuesAfterScalingAndWideFields) {
  auto state = std::make_unique<SharedState>();
  state->SampleRows = 500;
  state->FieldSeparator = "  ";
  state->Sample(0, 1) = 12.3456;
  state->Sample(16, 1) = 2.1;
  state->Sample(2, 1) = 1200000;
  state->Sample(5, 1) = -0.5;
  const std::string table = FormatResultsTable(*state);
  const std::string line4 = table.substr(3 + 84 + 3, 90);  // after the three head lines
  EXPECT_EQ(line4,
            "    1.00     12.35    0.00    0.0    0.0  1200000.0    0.0         2.1          -0.5    \r\n");
  EXPECT_NE(table.find("  500.00      0.00"), std::string::npos);
}

TEST(ResultsFile, PointSeparatorUnderACommaLocale) {
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
  char buf[16];
  std::snprintf(buf, sizeof buf, "%.2f", 1.5);
  EXPECT_STREQ(buf, "1,50");  // the locale is really in force
  auto state = std::make_unique<SharedState>();
  state->SampleRows = 500;
  state->FieldSeparator = "  ";
  state->Sample(0, 1) = 12.3456;
  testing::TempFolder folder;
  WriteResultsFile(*state, folder / "Orvantis_500.txt");
  const std::string text = testing::ReadFile(folder / "Orvantis_500.txt");
  std::setlocale(LC_ALL, "C");
  EXPECT_NE(text.find("   12.35  "), std::string::npos);
  EXPECT_EQ(text.find(',', 3 + 84 + 3), std::string::npos);  // the header has its own commas
}

TEST(ResultsFile, SecondWriteReplacesTheWholeFile) {
  testing::TempFolder folder;
  const std::string path = folder / "Orvantis_500.txt";
  testing::WriteFile(path, std::string(100000, 'x'));
  auto state = testing::DefaultState();
  RunFlight(*state);
  WriteResultsFile(*state, path);
  EXPECT_EQ(testing::ReadFile(path), FormatResultsTable(*state));
  // Nothing but the table is left in the folder.
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 1);
}

TEST(ResultsFile, WritesOnlyTheRowsOfSampleRows) {
  auto state = std::make_unique<SharedState>();  // before the first run: no rows
  state->FieldSeparator = "  ";
  EXPECT_EQ(FormatResultsTable(*state), std::string(" \r\n") + kResultsHeader + "\r\n \r\n");
}

}  // namespace
}  // namespace orv
