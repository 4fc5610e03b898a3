// The SVG surface: the window surface's geometry in SVG numbers, well-formed XML,
// and for the default chart one element for each drawing call of the chart engine.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "base/errors.h"
#include "charts/chart_catalogue.h"
#include "charts/chart_font.h"
#include "charts/svg_surface.h"
#include "tests/default_run.h"
#include "tests/recording_surface.h"
#include "tests/sim_test_support.h"

namespace orv::test {
namespace {

std::string Body(SvgSurface& s) {
  const std::string doc = s.Document();
  const std::size_t start = doc.find("<rect width=\"800\" height=\"600\" fill=\"#ffffff\"/>\n");
  EXPECT_NE(start, std::string::npos);
  const std::size_t from = doc.find('\n', start) + 1;
  return doc.substr(from, doc.rfind("</svg>") - from);
}

TEST(SvgSurface, RectangleCoversItsCornerButNotTheOppositeEdges) {
  SvgSurface s(800, 600);
  s.SetPenColor(kBlack);
  s.SetBrushColor(kYellow);
  s.Rectangle(30, 25, 10, 20);  // corners in any order: [10, 30) x [20, 25)
  // A 1-pixel stroke centred on pixel centres 10.5 .. 29.5 covers columns 10..29.
  EXPECT_EQ(Body(s),
            "<rect x=\"10.5\" y=\"20.5\" width=\"19\" height=\"4\" fill=\"#ffff00\" stroke=\"#000000\"/>\n");
}

TEST(SvgSurface, RectangleOnePixelThinIsAllOutline) {
  SvgSurface s(800, 600);
  s.SetPenColor(kRed);
  s.Rectangle(5, 7, 6, 10);
  EXPECT_EQ(Body(s), "<rect x=\"5\" y=\"7\" width=\"1\" height=\"3\" fill=\"#ff0000\"/>\n");
  s.Rectangle(5, 7, 5, 10);  // empty
  EXPECT_EQ(Body(s), "<rect x=\"5\" y=\"7\" width=\"1\" height=\"3\" fill=\"#ff0000\"/>\n");
}

TEST(SvgSurface, EllipseStaysInsideItsRectangle) {
  SvgSurface s(800, 600);
  s.Ellipse(94, 307, 106, 319);  // a legend circle: 12 across round (100, 313)
  EXPECT_EQ(Body(s),
            "<ellipse cx=\"100\" cy=\"313\" rx=\"5.5\" ry=\"5.5\" fill=\"#ffffff\" stroke=\"#000000\"/>\n");
}

TEST(SvgSurface, LinesLeaveOutTheirEndPixel) {
  SvgSurface s(800, 600);
  s.MoveTo(0, 0);
  s.LineTo(5, 0);  // pixels 0..4
  s.LineTo(5, 3);  // goes on from (5, 0): pixels (5, 0)..(5, 2)
  s.MoveTo(3, 3);
  s.LineTo(4, 4);  // one pixel: (3, 3)
  s.MoveTo(7, 7);
  s.LineTo(7, 7);  // none
  s.SetPenColor(kGrey);
  s.MoveTo(0, 10);
  s.LineTo(-4, 11);  // a new pen starts a new path: pixels (0, 10)..(-3, 11)
  EXPECT_EQ(Body(s),
            "<path d=\"M 0.5 0.5 L 5.5 0.5 L 5.5 2.5 M 3.5 3.5 L 3.5 3.5\" stroke=\"#000000\"/>\n"
            "<path d=\"M 0.5 10.5 L -2.5 11.5\" stroke=\"#808080\"/>\n");
}

// Text is UTF-8, as the window's German and Russian axis titles are; a byte outside
// a UTF-8 sequence stands for its Latin-1 character.
TEST(SvgSurface, TextSitsOnItsCellInUtf8OrLatin1) {
  SvgSurface s(800, 600);
  s.SetFontHeight(12);
  s.SetBrushColor(kPaleAqua);
  const std::string text = "\xBC<&>\xB0";
  s.TextOut(40, 50, text);
  EXPECT_EQ(
      Body(s),
      "<rect x=\"40\" y=\"50\" width=\"" + std::to_string(ChartTextWidth(text, 10)) +
          "\" height=\"12\" fill=\"#aef5f9\"/>\n"
          "<text x=\"40\" y=\"59\" font-size=\"10\" fill=\"#000000\">\xC2\xBC&lt;&amp;&gt;\xC2\xB0</text>\n");
  SvgSurface russian(800, 600);
  russian.SetFontHeight(12);
  russian.TextOut(0, 0, "угол, град; Höhe");
  EXPECT_NE(Body(russian).find(">угол, град; Höhe</text>"), std::string::npos) << Body(russian);
  // A Cyrillic letter is as wide as a Latin one of its case, not as two Latin-1 signs.
  EXPECT_EQ(ChartTextWidth("угол", 10), ChartTextWidth("nnnn", 10));
}

// --- The default chart, element by element ---------------------------------------

// A pixel line's first and last pixel, and its pen, as the pixel surface draws it.
struct PixelLine {
  Point first, last;
  Color pen;
  friend bool operator==(const PixelLine&, const PixelLine&) = default;
};

// Bresenham as textbooks write it, stepping along the major axis with an error term
// and moving on the minor axis once the error passes half a pixel; the last pixel
// before `to`.
Point LastPixelBefore(Point from, Point to) {
  const int dx = std::abs(to.x - from.x), dy = std::abs(to.y - from.y);
  const int sx = to.x >= from.x ? 1 : -1, sy = to.y >= from.y ? 1 : -1;
  const bool xMajor = dx >= dy;
  const int major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
  Point p = from, last = from;
  int error = 0;  // twice the distance from the ideal line, in units of 1 / major
  for (int i = 0; i < major; ++i) {
    last = p;
    error += 2 * minor;
    if (error >= major + 1) {  // past the half: step on the minor axis
      error -= 2 * major;
      (xMajor ? p.y : p.x) += xMajor ? sy : sx;
    }
    (xMajor ? p.x : p.y) += xMajor ? sx : sy;
  }
  return last;
}

struct Element {
  std::string name;
  std::vector<std::pair<std::string, std::string>> attributes;
  std::string text;
  std::string Get(const std::string& key) const {
    for (const auto& [k, v] : attributes)
      if (k == key) return v;
    ADD_FAILURE() << name << " has no " << key;
    return "0";
  }
  double Number(const std::string& key) const { return std::stod(Get(key)); }
};

std::vector<Element> Elements(const std::string& svg) {
  std::vector<Element> elements;
  const std::regex element(R"(<(rect|ellipse|path|polygon|text)([^>]*?)/?>(?:([^<]*)</text>)?)");
  const std::regex attribute(R"(([a-z-]+)="([^"]*)\")");
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), element); it != std::sregex_iterator(); ++it) {
    Element e{(*it)[1], {}, (*it)[3]};
    const std::string attrs = (*it)[2];
    for (auto a = std::sregex_iterator(attrs.begin(), attrs.end(), attribute); a != std::sregex_iterator();
         ++a)
      e.attributes.emplace_back((*a)[1], (*a)[2]);
    elements.push_back(std::move(e));
  }
  return elements;
}

Color ParseColor(const std::string& hex) {
  const auto byte = [&](int k) {
    return static_cast<std::uint8_t>(std::stoi(hex.substr(1 + 2 * k, 2), nullptr, 16));
  };
  return {byte(0), byte(1), byte(2)};
}

int Pixel(double centre) { return static_cast<int>(std::floor(centre)); }

std::string Latin1(const std::string& utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c >= 0xC0) {
      out += static_cast<char>(((c & 0x1F) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F));
    } else if (utf8.compare(i, 5, "&amp;") == 0) {
      out += '&', i += 4;
    } else if (utf8.compare(i, 4, "&lt;") == 0) {
      out += '<', i += 3;
    } else if (utf8.compare(i, 4, "&gt;") == 0) {
      out += '>', i += 3;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

// One drawing call as the SVG says it was made; lines are compared by their pixels.
struct Drawn {
  Op op;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  std::vector<Point> points{};
  std::string text{};
  Color pen{}, brush{};
  PixelLine line{};
  friend bool operator==(const Drawn&, const Drawn&) = default;
};

std::ostream& operator<<(std::ostream& os, const Drawn& d) {
  return os << "op " << static_cast<int>(d.op) << " (" << d.x1 << "," << d.y1 << "," << d.x2 << "," << d.y2
            << ") line " << d.line.first.x << "," << d.line.first.y << " .. " << d.line.last.x << ","
            << d.line.last.y << " '" << d.text << "'";
}

// What the recorded calls draw; pen and brush only where the call uses them.
std::vector<Drawn> FromCalls(const CallLog& calls) {
  std::vector<Drawn> drawn;
  for (const Call& c : calls) {
    switch (c.op) {
      case Op::kRectangle:
      case Op::kEllipse:
        drawn.push_back({c.op,
                         std::min(c.x1, c.x2),
                         std::min(c.y1, c.y2),
                         std::max(c.x1, c.x2),
                         std::max(c.y1, c.y2),
                         {},
                         {},
                         c.pen,
                         c.brush});
        break;
      case Op::kPolygon:
        drawn.push_back({c.op, 0, 0, 0, 0, c.points, {}, c.pen, c.brush});
        break;
      case Op::kText:
        EXPECT_EQ(c.fontHeight, 12);
        drawn.push_back({c.op, c.x1, c.y1, 0, 0, {}, c.text, {}, c.brush});
        break;
      case Op::kLineTo:
        if (c.x1 != c.x2 || c.y1 != c.y2) {
          const Point from{c.x1, c.y1};
          drawn.push_back(
              {c.op, 0, 0, 0, 0, {}, {}, {}, {}, {from, LastPixelBefore(from, {c.x2, c.y2}), c.pen}});
        }
        break;
      default:
        break;
    }
  }
  return drawn;
}

// What the SVG elements draw. A path's vertices are pixel centres: every vertex but
// the last of a subpath is where a line ended (the next one's first pixel), the last
// is the last pixel the subpath's final line covers.
std::vector<Drawn> FromSvg(const std::vector<Element>& elements) {
  std::vector<Drawn> drawn;
  for (std::size_t i = 1; i < elements.size(); ++i) {  // 0: the white background
    const Element& e = elements[i];
    if (e.name == "rect" && i + 1 < elements.size() && elements[i + 1].name == "text") {
      const Element& t = elements[++i];
      const ChartTextFace face = ChartFaceForCell(12);
      const std::string text = Latin1(t.text);
      EXPECT_EQ(e.Number("height"), 12);
      EXPECT_EQ(e.Number("width"), ChartTextWidth(text, face.pixelSize)) << text;
      EXPECT_EQ(t.Number("y"), e.Number("y") + face.ascent);
      drawn.push_back({Op::kText,
                       static_cast<int>(e.Number("x")),
                       static_cast<int>(e.Number("y")),
                       0,
                       0,
                       {},
                       text,
                       {},
                       ParseColor(e.Get("fill"))});
    } else if (e.name == "rect" || e.name == "ellipse") {
      const bool isRect = e.name == "rect";
      const double cx = isRect ? e.Number("x") + e.Number("width") / 2 : e.Number("cx");
      const double cy = isRect ? e.Number("y") + e.Number("height") / 2 : e.Number("cy");
      const double w = isRect ? e.Number("width") + 1 : 2 * e.Number("rx") + 1;
      const double h = isRect ? e.Number("height") + 1 : 2 * e.Number("ry") + 1;
      drawn.push_back({isRect ? Op::kRectangle : Op::kEllipse,
                       static_cast<int>(cx - w / 2 + 0.5),
                       static_cast<int>(cy - h / 2 + 0.5),
                       static_cast<int>(cx + w / 2 + 0.5),
                       static_cast<int>(cy + h / 2 + 0.5),
                       {},
                       {},
                       ParseColor(e.Get("stroke")),
                       ParseColor(e.Get("fill"))});
    } else if (e.name == "polygon") {
      Drawn d{Op::kPolygon, 0, 0, 0, 0, {}, {}, ParseColor(e.Get("stroke")), ParseColor(e.Get("fill"))};
      std::istringstream in(e.Get("points"));
      double x, y;
      char comma;
      while (in >> x >> comma >> y) d.points.push_back({Pixel(x), Pixel(y)});
      drawn.push_back(d);
    } else if (e.name == "path") {
      const Color pen = ParseColor(e.Get("stroke"));
      std::istringstream in(e.Get("d"));
      std::vector<std::vector<Point>> subpaths;
      std::string command;
      double x, y;
      while (in >> command >> x >> y) {
        if (command == "M") subpaths.emplace_back();
        subpaths.back().push_back({Pixel(x), Pixel(y)});
      }
      for (const auto& v : subpaths)
        for (std::size_t k = 0; k + 1 < v.size(); ++k) {
          const Point last = k + 2 == v.size() ? v[k + 1] : LastPixelBefore(v[k], v[k + 1]);
          drawn.push_back({Op::kLineTo, 0, 0, 0, 0, {}, {}, {}, {}, {v[k], last, pen}});
        }
    } else {
      ADD_FAILURE() << "unexpected element " << e.name;
    }
  }
  return drawn;
}

TEST(SvgSurface, DefaultChartHasAnElementForEveryCall) {
  auto state = orv::testing::DefaultRun();
  RecordingHost recording;
  DrawChart(*state, DefaultChartRequest(), recording, '.');
  const std::string svg = ChartSvg(*state, DefaultChartRequest(), '.');

  const std::vector<Drawn> expected = FromCalls(recording.shown);
  const std::vector<Drawn> actual = FromSvg(Elements(svg));
  ASSERT_GT(expected.size(), 2000u);
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) ASSERT_EQ(actual[i], expected[i]) << "element " << i;
}

TEST(SvgSurface, EveryCatalogueChartIsWellFormedXml) {
  auto state = orv::testing::DefaultRun();
  orv::testing::TempFolder folder;
  for (const ChartButton& button : ChartCatalogue()) {
    const std::string path = folder / (std::string(button.name) + ".svg");
    orv::testing::WriteFile(path, ChartSvg(*state, button.request, '.'));
    EXPECT_EQ(std::system(("xmllint --noout '" + path + "'").c_str()), 0) << button.name;
  }
}

TEST(SvgSurface, ChartThatCannotBeDrawnThrowsAndGivesNoDocument) {
  const auto empty = std::make_unique<SharedState>();  // no run: Xmax is 0
  EXPECT_THROW(ChartSvg(*empty, DefaultChartRequest(), '.'), FloatingPointFault);
}

}  // namespace
}  // namespace orv::test
