#include "base/preset_data.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(StoreDefaultValues, WritesEveryElementZerosIncluded) {
  PresetRecord preset;
  preset.fill(99.0);
  StoreDefaultValues(preset);
  const std::pair<int, double> expected[] = {{5, 0.18},  {6, 0.00005}, {7, 2.1},    {11, 1.7},
                                             {12, 30.2}, {18, 5.0},    {19, 0.0001}};
  for (int i = 0; i < 30; ++i) {
    double want = 0.0;
    for (auto [element, value] : expected)
      if (element == i) want = value;
    EXPECT_EQ(preset[i], want) << "element " << i;
  }
}

}  // namespace
}  // namespace orv
