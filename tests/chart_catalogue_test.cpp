#include "charts/chart_catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/chart_test_queries.h"
#include "tests/chart_test_tables.h"
#include "tests/default_run.h"

namespace orv::test {
namespace {

std::vector<int> Columns(const ChartRequest& r) { return {r.column.begin(), r.column.begin() + r.count}; }

// What each button's chart shows after a default run: the title under the x axis and
// the titles of its curves, in drawing order (the path angle's axis is signed: "Q,*").
TEST(ChartCatalogue, EveryButtonShowsItsQuantities) {
  const std::pair<const char*, std::vector<std::string>> charts[] = {
      {"Button3", {"t,s", "H,m"}},
      {"Button27", {"t,s", "V,m/s"}},
      {"Button22", {"t,s", "H,m", "V,m/s"}},
      {"Button8", {"t,s", "Q,*"}},
      {"Button4", {"t,s", "F,N"}},
      {"Button10", {"t,s", "H,m", "V,m/s", "Q,*", "E,J", "X,m"}},
      {"Button9", {"X,m", "H,m", "V,m/s", "Q,*", "E,J", "X,N"}},
      {"Button2", {"X,m", "H,m", "V,m/s"}},
      {"Button16", {"X,m", "H,m"}},
      {"Button15", {"V,m/s", "H,m"}},
  };
  auto state = orv::testing::DefaultRun();
  ASSERT_EQ(ChartCatalogue().size(), std::size(charts));
  for (const auto& [name, titles] : charts) {
    ASSERT_NE(FindChartButton(name), nullptr) << name;
    RecordingHost host;
    DrawChart(*state, FindChartButton(name)->request, host, '.');
    std::vector<std::string> seen;
    for (const Text& t : Texts(host.shown))
      if (t.text.find_first_of("0123456789") == std::string::npos) seen.push_back(t.text);
    EXPECT_EQ(seen, titles) << name;
  }
  EXPECT_EQ(FindChartButton("Button1"), nullptr);
  EXPECT_EQ(FindChartButton(nullptr), nullptr);
}

// A chart's name for people says its curves' quantities, then its x's; the button's
// name finds the same chart.
TEST(ChartCatalogue, ChartsAreNamedByTheirQuantities) {
  const std::pair<const char*, const char*> names[] = {
      {"Button3", "height-time"},
      {"Button27", "speed-time"},
      {"Button22", "height-speed-time"},
      {"Button8", "angle-time"},
      {"Button4", "net-force-time"},
      {"Button10", "height-speed-angle-energy-range-time"},
      {"Button9", "height-speed-angle-energy-minus-drag-range"},
      {"Button2", "height-speed-range"},
      {"Button16", "height-range"},
      {"Button15", "height-speed"},
  };
  for (const auto& [button, name] : names) {
    EXPECT_EQ(ChartName(*FindChartButton(button)), name);
    EXPECT_EQ(FindChart(name), FindChartButton(button)) << name;
    EXPECT_EQ(FindChart(button), FindChartButton(button)) << button;
  }
  EXPECT_EQ(FindChart("range-height"), nullptr);
}

TEST(ChartCatalogue, DefaultChartIsButton9) {
  EXPECT_EQ(Columns(DefaultChartRequest()), (std::vector<int>{7, 3, 1, 4, 2, 5}));
  EXPECT_EQ(Columns(DefaultChartRequest()), Columns(FindChartButton("Button9")->request));
}

TEST(ChartCatalogue, EveryButtonDrawsItsLayout) {
  // L (grid's left edge) and step (first title at L - step + 2) per button.
  const std::tuple<const char*, int, int> layouts[] = {
      {"Button3", 100, 89},  {"Button27", 100, 89}, {"Button22", 137, 63}, {"Button8", 100, 89},
      {"Button4", 100, 89},  {"Button10", 248, 47}, {"Button9", 248, 47},  {"Button2", 137, 63},
      {"Button16", 100, 89}, {"Button15", 100, 89}};
  auto state = orv::testing::DefaultRun();
  for (auto [name, left, step] : layouts) {
    RecordingHost host;
    DrawChart(*state, FindChartButton(name)->request, host, '.');
    ASSERT_EQ(host.pictures, 1) << name;
    for (const auto& curve : Polylines(host.shown)) EXPECT_EQ(curve.front().x, left) << name;
    bool titled = false;
    for (const Text& t : Texts(host.shown))
      titled = titled || (t.x >= left - step - 6 && t.x <= left - step + 2);
    EXPECT_TRUE(titled) << name;
  }
}

TEST(ChartCatalogue, Button3AfterAShortLowRun) {
  auto state = orv::testing::DefaultRun();
  RecordingHost host;
  DrawChart(*state, FindChartButton("Button3")->request, host, '.');
  EXPECT_TRUE(HasText(host.shown, {415, 490, "t,s"}));
  EXPECT_TRUE(HasText(host.shown, {13, 460 - 396 - 18, "H,m"}));
  const auto red = SquareCentres(host.shown, kRed);
  ASSERT_EQ(red.size(), 23u);
  EXPECT_EQ(red.front(), (Point{100, 460}));
}

TEST(ChartCatalogue, Button9IsSignedAfterANormalRun) {
  auto state = orv::testing::DefaultRun();
  RecordingHost host;
  DrawChart(*state, FindChartButton("Button9")->request, host, '.');
  const auto rects = CallsOf(host.shown, Op::kRectangle);
  ASSERT_FALSE(rects.empty());
  EXPECT_EQ((Segment{rects[0].x1, rects[0].y1, rects[0].x2, rects[0].y2}), (Segment{248, 460, 731, 313}));
}

}  // namespace
}  // namespace orv::test
