#include "charts/draw_marker.h"

#include <gtest/gtest.h>

#include "tests/chart_test_queries.h"
#include "tests/recording_surface.h"

namespace orv::test {
namespace {

CallLog Marker(int kind, int size, int x = 100, int y = 100) {
  RecordingSurface s;
  DrawMarker(s, x, y, kind, size);
  return s.calls();
}

// The drawing calls only (no pen, brush or font changes).
CallLog Shapes(const CallLog& log) {
  CallLog out;
  for (const Call& c : log)
    if (c.op != Op::kPen && c.op != Op::kBrush && c.op != Op::kFont) out.push_back(c);
  return out;
}

void ExpectBox(const Call& c, int x1, int y1, int x2, int y2, Color fill) {
  EXPECT_EQ((Segment{c.x1, c.y1, c.x2, c.y2}), (Segment{x1, y1, x2, y2}));
  EXPECT_EQ(c.brush, fill);
  EXPECT_EQ(c.pen, kBlack);
}

TEST(DrawMarker, Kind1YellowSquareWithDiagonals) {
  const CallLog log = Marker(1, 8);
  const CallLog shapes = Shapes(log);
  ASSERT_EQ(CallsOf(log, Op::kRectangle).size(), 1u);
  ExpectBox(CallsOf(log, Op::kRectangle)[0], 96, 96, 104, 104, kYellow);
  EXPECT_EQ(Lines(log, kBlack), (std::vector<Segment>{{96, 96, 104, 104}, {96, 104, 104, 96}}));
}

TEST(DrawMarker, Kind2IsOnePixelWiderThanHigh) {
  const CallLog log = Marker(2, 6);
  ExpectBox(CallsOf(log, Op::kRectangle)[0], 97, 97, 104, 103, kLime);
  EXPECT_EQ(Lines(log, kBlack), (std::vector<Segment>{{97, 100, 104, 100}, {100, 103, 100, 97}}));
}

TEST(DrawMarker, SquaresBySize) {
  // h = rnd(size / 2): 2, 3, 4, 4, 4 for sizes 4, 6, 7, 8, 9.
  const std::pair<int, int> sizes[] = {{4, 2}, {6, 3}, {7, 4}, {8, 4}, {9, 4}};
  for (auto [size, h] : sizes) {
    ExpectBox(CallsOf(Marker(6, size), Op::kRectangle)[0], 100 - h, 100 - h, 100 + h, 100 + h, kRed);
    ExpectBox(CallsOf(Marker(7, size), Op::kRectangle)[0], 100 - h, 100 - h, 100 + h, 100 + h, kLime);
  }
  const CallLog three = Marker(3, 6);
  ExpectBox(CallsOf(three, Op::kRectangle)[0], 97, 97, 103, 103, kAqua);
  EXPECT_EQ(Lines(three, kBlack), (std::vector<Segment>{{97, 100, 103, 100}}));
}

TEST(DrawMarker, Kind4SilverSquareWithYellowCore) {
  const auto rects = CallsOf(Marker(4, 8), Op::kRectangle);
  ASSERT_EQ(rects.size(), 2u);
  ExpectBox(rects[0], 96, 96, 104, 104, kSilver);
  ExpectBox(rects[1], 98, 98, 102, 102, kYellow);
}

TEST(DrawMarker, Kind5StarOfLinesOnly) {
  const CallLog log = Marker(5, 6);
  EXPECT_EQ(Shapes(log).size(), 8u);  // four MoveTo / LineTo pairs
  EXPECT_EQ(Lines(log, kBlack),
            (std::vector<Segment>{
                {97, 97, 103, 103}, {97, 103, 103, 97}, {97, 100, 104, 100}, {100, 103, 100, 97}}));
}

TEST(DrawMarker, Triangles) {
  // size 8: h = 4, t = rnd(8 / 3) = 3; size 6: h = 3, t = 2.
  const auto up = CallsOf(Marker(8, 8), Op::kPolygon);
  ASSERT_EQ(up.size(), 1u);
  EXPECT_EQ(up[0].points, (std::vector<Point>{{96, 103}, {104, 103}, {100, 96}}));
  EXPECT_EQ(up[0].brush, kBlack);
  const auto down = CallsOf(Marker(9, 6), Op::kPolygon);
  EXPECT_EQ(down[0].points, (std::vector<Point>{{97, 98}, {103, 98}, {100, 103}}));
  EXPECT_EQ(CallsOf(Marker(12, 8), Op::kPolygon)[0].brush, kYellow);
  EXPECT_EQ(CallsOf(Marker(12, 8), Op::kPolygon)[0].points, up[0].points);
  EXPECT_EQ(CallsOf(Marker(13, 6), Op::kPolygon)[0].brush, kAqua);
  EXPECT_EQ(CallsOf(Marker(13, 6), Op::kPolygon)[0].points, down[0].points);
}

TEST(DrawMarker, Bars) {
  // size 8: q = 2; size 9: h = 4, q = rnd(2.25) = 2; size 6: q = rnd(1.5) = 2.
  ExpectBox(CallsOf(Marker(10, 8), Op::kRectangle)[0], 98, 96, 102, 104, kRed);
  ExpectBox(CallsOf(Marker(11, 9), Op::kRectangle)[0], 96, 98, 104, 102, kSilver);
  ExpectBox(CallsOf(Marker(10, 6), Op::kRectangle)[0], 98, 97, 102, 103, kRed);
}

TEST(DrawMarker, CirclesIgnoreTheSize) {
  const std::pair<int, Color> kinds[] = {{14, kBlack}, {16, kAqua}, {17, kPaleAqua}, {18, kPaleCyan}};
  for (auto [kind, fill] : kinds)
    for (int size : {4, 9}) {
      const auto e = CallsOf(Marker(kind, size), Op::kEllipse);
      ASSERT_EQ(e.size(), 1u);
      ExpectBox(e[0], 96, 96, 104, 104, fill);
    }
  // The strokes of 17 and 18 still follow the size.
  EXPECT_EQ(Lines(Marker(17, 4), kBlack), (std::vector<Segment>{{98, 100, 102, 100}}));
  EXPECT_EQ(Lines(Marker(18, 9), kBlack), (std::vector<Segment>{{100, 104, 100, 96}}));
}

TEST(DrawMarker, BoxedLettersAndDigits) {
  const std::tuple<int, const char*, Color> kinds[] = {
      {15, "l", kAqua},   {21, "D", kAqua},   {22, "L", kAqua},  {31, "1", kYellow},
      {32, "2", kYellow}, {33, "3", kYellow}, {34, "4", kYellow}};
  for (auto [kind, text, fill] : kinds) {
    const CallLog log = Marker(kind, 4, 50, 60);
    ExpectBox(CallsOf(log, Op::kRectangle)[0], 42, 52, 58, 68, fill);  // box 16 across whatever the size
    const auto texts = CallsOf(log, Op::kText);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, text);
    EXPECT_EQ((Point{texts[0].x1, texts[0].y1}), (Point{47, 53}));
    EXPECT_EQ(texts[0].brush, fill);  // on the box's colour
  }
}

TEST(DrawMarker, UnknownKindsDrawNothing) {
  for (int kind : {0, 19, 20, 23, 25, 30, 35, 99, -1}) {
    const CallLog log = Marker(kind, 8);
    EXPECT_TRUE(Shapes(log).empty()) << kind;
    EXPECT_EQ(log.back().op, Op::kBrush);
    EXPECT_EQ(log.back().color, kSilver);
  }
}

TEST(DrawMarker, LeavesPenBlackAndBrushSilver) {
  for (int kind = 0; kind <= 35; ++kind) {
    RecordingSurface s;
    s.SetPenColor(kRed);
    s.SetBrushColor(kWhite);
    DrawMarker(s, 10, 10, kind, 6);
    const Call& last = s.calls().back();
    EXPECT_EQ(last.op, Op::kBrush) << kind;
    EXPECT_EQ(last.color, kSilver) << kind;
    EXPECT_EQ(last.pen, kBlack) << kind;
  }
}

}  // namespace
}  // namespace orv::test
