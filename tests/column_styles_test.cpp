#include "charts/column_styles.h"

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

TEST(ColumnStyles, OutsideTheTableNothing) {
  FlightData fd;
  for (int c : {-1, 30, 1000}) {
    EXPECT_TRUE(PlainTitle(c, fd).empty());
    EXPECT_EQ(ColumnStyleOf(c).signedTitle, nullptr);
    EXPECT_EQ(ColumnStyleOf(c).legend.kind, Marker::kNone);
    EXPECT_EQ(ColumnStyleOf(c).curve.kind, Marker::kNone);
  }
}

}  // namespace
}  // namespace orv
