#include "haupt/chart_catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/chart_test_queries.h"
#include "tests/chart_test_tables.h"
#include "tests/default_run.h"

namespace orv::test {
namespace {

std::vector<int> Columns(const ChartRequest& r) { return {r.column.begin(), r.column.begin() + r.count}; }

TEST(ChartCatalogue, ButtonsInOrder) {
  struct Row {
    const char* name;
    const char* caption;
    std::vector<int> columns;
  };
  const Row rows[] = {
      {"Button3", "H = f (t)", {0, 3}},
      {"Button27", "V = f (t)", {0, 1}},
      {"Button22", "V, H = f (t)", {0, 3, 1}},
      {"Button8", "Q = f(t)", {0, 4}},
      {"Button4", "F = f (t)", {0, 10}},
      {"Button10", "H,V,Q,E,x", {0, 3, 1, 4, 2, 7}},
      {"Button9", "H,V,Q,E,X", {7, 3, 1, 4, 2, 5}},
      {"Button2", "V, H = f (x)", {7, 3, 1}},
      {"Button16", "H = f (x)", {7, 3}},
      {"Button15", "V=f(H)", {1, 3}},
  };
  const auto catalogue = ChartCatalogue();
  ASSERT_EQ(catalogue.size(), std::size(rows));
  for (std::size_t i = 0; i < catalogue.size(); ++i) {
    EXPECT_STREQ(catalogue[i].name, rows[i].name);
    EXPECT_STREQ(catalogue[i].caption, rows[i].caption);
    EXPECT_EQ(Columns(catalogue[i].request), rows[i].columns) << rows[i].name;
    EXPECT_EQ(FindChartButton(rows[i].name), &catalogue[i]);
  }
  EXPECT_EQ(FindChartButton("Button1"), nullptr);
  EXPECT_EQ(FindChartButton(nullptr), nullptr);
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
