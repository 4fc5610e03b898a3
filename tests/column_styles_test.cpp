#include "haupt/column_styles.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(ColumnStyles, TitlesFollowTheUnitFlags) {
  FlightData fd;
  EXPECT_EQ(PlainTitle(3, fd), "H,m");
  EXPECT_EQ(PlainTitle(7, fd), "X,m");
  EXPECT_EQ(PlainTitle(15, fd), "P,N");
  EXPECT_EQ(PlainTitle(16, fd), "m,kg");
  EXPECT_EQ(XTitle(0, fd), "t,s");
  EXPECT_EQ(XTitle(7, fd), "X,m");
  fd.HeightInKm = fd.RangeInKm = fd.ThrustInKn = fd.MassInTonnes = 1;
  fd.TimeUnitCode = 2;
  EXPECT_EQ(PlainTitle(3, fd), "H,km");
  EXPECT_EQ(PlainTitle(7, fd), "X,km");
  EXPECT_EQ(PlainTitle(15, fd), "P,kN");
  EXPECT_EQ(PlainTitle(16, fd), "m,t");
  EXPECT_EQ(XTitle(0, fd), "t,min");
  EXPECT_EQ(XTitle(7, fd), "X,km");
  fd.TimeUnitCode = 3;
  EXPECT_EQ(XTitle(0, fd), "t,h");
  // Signed titles do not follow the flags.
  EXPECT_STREQ(ColumnStyleOf(16).signedTitle, "m,kg/s");
  EXPECT_STREQ(ColumnStyleOf(15).signedTitle, "P,N");
}

TEST(ColumnStyles, XTitlesOnlyForTimeSpeedRange) {
  FlightData fd;
  EXPECT_EQ(XTitle(1, fd), "V,m/s");
  for (int c : {2, 3, 4, 5, 29, -1, 30}) EXPECT_TRUE(XTitle(c, fd).empty()) << c;
}

TEST(ColumnStyles, TitleTextsAndShifts) {
  FlightData fd;
  EXPECT_EQ(PlainTitle(0, fd), " t,Min");  // leading blank kept
  EXPECT_EQ(PlainTitle(20, fd), " Auftrieb,N");
  EXPECT_EQ(PlainTitle(17, fd), "P/m, N/kg");
  EXPECT_EQ(ColumnStyleOf(1).plainDyFirstCurve, 42);
  EXPECT_EQ(ColumnStyleOf(1).plainDy, 20);
  EXPECT_EQ(ColumnStyleOf(3).plainDyFirstCurve, 18);
  EXPECT_EQ(ColumnStyleOf(5).plainDx, -5);
  EXPECT_EQ(ColumnStyleOf(5).plainDy, 30);
  EXPECT_EQ(ColumnStyleOf(17).plainDy, 35);
  EXPECT_EQ(ColumnStyleOf(12).signedDx, -12);
  EXPECT_EQ(ColumnStyleOf(1).signedDx, -6);
  // Column 11's signed title is "a," and the single byte 0xBC.
  EXPECT_EQ(std::string_view(ColumnStyleOf(11).signedTitle), std::string_view("a,\xBC", 3));
  for (int c : {0, 2, 3, 7, 13, 14, 18, 19, 20, 21, 23, 24, 25, 26, 27, 28, 29})
    EXPECT_EQ(ColumnStyleOf(c).signedTitle, nullptr) << c;
}

TEST(ColumnStyles, MarkerSpacingAt500Rows) {
  // Every m-th sample with m = 22 + d, as listed per column 1..29.
  const int every[] = {19, 20, 22, 21, 20, 20, 22, 22, 22, 21, 23, 24, 23, 22, 22,
                       25, 21, 23, 20, 19, 19, 20, 21, 20, 19, 21, 20, 22, 23};
  for (int c = 1; c <= 29; ++c) EXPECT_EQ(22 + ColumnStyleOf(c).spacingOffset, every[c - 1]) << c;
}

TEST(ColumnStyles, Markers) {
  EXPECT_EQ(ColumnStyleOf(0).legend.kind, 0);  // time has none
  EXPECT_EQ(ColumnStyleOf(0).curve.kind, 0);
  EXPECT_EQ(ColumnStyleOf(3).legend.kind, 6);
  EXPECT_EQ(ColumnStyleOf(3).curve.size, 6);
  // Legend and curve differ in kind for columns 8 and 20.
  EXPECT_EQ(ColumnStyleOf(8).legend.kind, 14);
  EXPECT_EQ(ColumnStyleOf(8).curve.kind, 15);
  EXPECT_EQ(ColumnStyleOf(20).legend.kind, 2);
  EXPECT_EQ(ColumnStyleOf(20).curve.kind, 1);
  EXPECT_EQ(ColumnStyleOf(13).legend.size, 9);
  EXPECT_EQ(ColumnStyleOf(13).curve.size, 7);
  EXPECT_EQ(ColumnStyleOf(4).legend.size, 4);
}

TEST(ColumnStyles, OutsideTheTableNothing) {
  FlightData fd;
  for (int c : {-1, 30, 1000}) {
    EXPECT_TRUE(PlainTitle(c, fd).empty());
    EXPECT_EQ(ColumnStyleOf(c).signedTitle, nullptr);
    EXPECT_EQ(ColumnStyleOf(c).legend.kind, 0);
    EXPECT_EQ(ColumnStyleOf(c).curve.kind, 0);
  }
}

}  // namespace
}  // namespace orv
