#include "physics/atmosphere_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace orv {
namespace {

AirState At(double H) {
  AirState a;
  StandardAtmosphere(H, a.Temp, a.Pres, a.Sound, a.Rho, a.Visc);
  return a;
}

constexpr double kTol = 1e-9;

TEST(StandardAtmosphere, SeaLevelIsTheTopOfTheLayerBelow) {
  EXPECT_EQ(AtmosphereLayer(0.0), 1);
  const AirState a = At(0.0);
  EXPECT_NEAR(a.Temp, 288.15, kTol);
  EXPECT_NEAR(a.Pres, 1.013, kTol);
  EXPECT_NEAR(a.Sound, 340.3, kTol);
  EXPECT_NEAR(a.Visc, 0.00017894, 1e-15);
  EXPECT_EQ(a.Rho, 1.225);
}

TEST(StandardAtmosphere, HalfwayBetweenNodesTwoAndThree) {
  const AirState a = At(250.0);
  EXPECT_NEAR(a.Temp, 286.525, kTol);
  EXPECT_NEAR(a.Rho, 1.19615, kTol);
}

TEST(StandardAtmosphere, FiveHundredMetresGiveNodeThree) {
  EXPECT_EQ(AtmosphereLayer(500.0), 2);
  const AirState a = At(500.0);
  EXPECT_NEAR(a.Temp, 284.9, kTol);
  EXPECT_NEAR(a.Pres, 0.954, kTol);
  EXPECT_NEAR(a.Rho, 1.1673, kTol);
  EXPECT_NEAR(a.Sound, 338.37, kTol);
  EXPECT_NEAR(a.Visc, 0.00017737, 1e-15);
}

TEST(StandardAtmosphere, BelowSeaLevelKeepsSeaLevelDensity) {
  const AirState a = At(-3000.0);
  EXPECT_NEAR(a.Temp, 307.625, kTol);
  EXPECT_NEAR(a.Pres, 1.2345, kTol);
  EXPECT_NEAR(a.Sound, 351.555, kTol);
  EXPECT_NEAR(a.Visc, 0.000188, 1e-15);
  EXPECT_EQ(a.Rho, 1.225);
}

TEST(StandardAtmosphere, EqualNodesGiveTheirValueExactly) {
  const AirState a = At(11500.0);
  EXPECT_EQ(a.Temp, 216.65);
  EXPECT_EQ(a.Sound, 295.07);
  EXPECT_NEAR(a.Pres, (0.2263 + 0.1933) / 2, kTol);
  EXPECT_NEAR(a.Rho, (0.3639 + 0.3108) / 2, kTol);
}

TEST(StandardAtmosphere, HighLayers) {
  EXPECT_EQ(AtmosphereLayer(200000.0), 35);
  EXPECT_NEAR(At(200000.0).Temp, 854.56, kTol);
  EXPECT_EQ(AtmosphereLayer(600000.0), 36);
  EXPECT_NEAR(At(600000.0).Temp, 927.56, kTol);
}

TEST(StandardAtmosphere, ExtrapolatesAboveTheTable) {
  const AirState a = At(2000000.0);
  EXPECT_NEAR(a.Temp, 1183.06, kTol);
  EXPECT_LT(a.Rho, 0.0);
  // The density line of the last layer crosses zero near 1 000 112 m.
  EXPECT_GT(At(1000100.0).Rho, 0.0);
  EXPECT_LT(At(1000120.0).Rho, 0.0);
}

TEST(StandardAtmosphere, LowestLayerContinuesBelowTheTable) {
  // f = -1 in the layer from -5000 m to -1000 m: one layer's difference beyond node 0.
  const AirState a = At(-9000.0);
  EXPECT_NEAR(a.Temp, 320.6 + 25.95, kTol);
  EXPECT_NEAR(a.Pres, 1.33 + 0.191, kTol);
  EXPECT_NEAR(a.Sound, 359 + 14.89, kTol);
  EXPECT_NEAR(a.Visc, 0.000194 + 0.000012, 1e-15);
  EXPECT_EQ(a.Rho, 1.225);
  const AirState node0 = At(-5000.0);
  EXPECT_NEAR(node0.Temp, 320.6, kTol);
  EXPECT_NEAR(node0.Pres, 1.33, kTol);
}

// The layer as the table defines it: the first layer, in ascending order, above whose
// lower node and not above whose upper node H lies; the last layer has no upper limit.
const double kNodeAltitudes[] = {-5000, -1000, 0,     500,    1000,   1500,   2000,   2500,   3000,  3500,
                                 4000,  4500,  5000,  6000,   7000,   8000,   9000,   10000,  11000, 12000,
                                 14000, 16000, 18000, 20000,  22000,  25000,  30000,  40000,  50000, 60000,
                                 70000, 80000, 90000, 100000, 120000, 150000, 200000, 1000000};

int AscendingScan(double H) {
  for (int k = 0; k < 36; ++k)
    if (H > kNodeAltitudes[k] && H <= kNodeAltitudes[k + 1]) return k;
  if (H > 200000) return 36;
  return -1;  // no layer
}

TEST(AtmosphereLayer, AgreesWithTheAscendingScan) {
  std::vector<double> heights = {-1e9, 1e12, 123.456, 999999.5, 200000.0000001};
  for (double node : kNodeAltitudes) {
    heights.push_back(node);
    heights.push_back(std::nextafter(node, -1e300));
    heights.push_back(std::nextafter(node, 1e300));
    heights.push_back(node + 0.5);
  }
  for (double H : heights) {
    const int scanned = AscendingScan(H);
    const int expected = scanned < 0 ? 0 : scanned;  // below the table: the lowest layer
    EXPECT_EQ(AtmosphereLayer(H), expected) << "H = " << H;
    for (int hint = 0; hint < kAtmosphereLayers; ++hint)
      ASSERT_EQ(AtmosphereLayerFrom(H, hint), expected) << "H = " << H << ", hint " << hint;
  }
}

TEST(AtmosphereLayer, LayerInterpolationMatchesStandardAtmosphere) {
  for (double H : {-7000.0, 0.0, 1.7, 11000.0, 150000.0, 3e6}) {
    AirState viaLayer;
    AtmosphereInLayer(AtmosphereLayerFrom(H, 20), H, viaLayer);
    const AirState a = At(H);
    EXPECT_EQ(viaLayer.Temp, a.Temp);
    EXPECT_EQ(viaLayer.Pres, a.Pres);
    EXPECT_EQ(viaLayer.Sound, a.Sound);
    EXPECT_EQ(viaLayer.Rho, a.Rho);
    EXPECT_EQ(viaLayer.Visc, a.Visc);
  }
}

}  // namespace
}  // namespace orv
