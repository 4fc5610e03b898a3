#include "charts/draw_marker.h"

#include <algorithm>

namespace orv {
namespace {

// rnd(a / b) for b > 0, halves to the even neighbour.
int RoundedQuotient(int a, int b) {
  int q = a / b;
  int r = a % b;
  if (r < 0) {  // floor division
    --q;
    r += b;
  }
  if (2 * r > b || (2 * r == b && q % 2 != 0)) ++q;
  return q;
}

void Line(Surface& s, int x1, int y1, int x2, int y2) {
  s.MoveTo(x1, y1);
  s.LineTo(x2, y2);
}

void Square(Surface& s, int x, int y, int half) { s.Rectangle(x - half, y - half, x + half, y + half); }

void TriangleUp(Surface& s, int x, int y, int h, int t) {
  const Point p[3] = {{x - h, y + t}, {x + h, y + t}, {x, y - h}};
  s.Polygon(p, 3);
}

void TriangleDown(Surface& s, int x, int y, int h, int t) {
  const Point p[3] = {{x - h, y - t}, {x + h, y - t}, {x, y + h}};
  s.Polygon(p, 3);
}

// The circle of kinds 14, 16-18 is 8 pixels across whatever the size: rnd(15 / 4).
constexpr int kCircleHalf = 4;
// The box of the letter kinds is 16 pixels across: rnd(15 / 2).
constexpr int kBoxHalf = 8;

void Circle(Surface& s, int x, int y) {
  s.Ellipse(x - kCircleHalf, y - kCircleHalf, x + kCircleHalf, y + kCircleHalf);
}

void BoxedText(Surface& s, int x, int y, Color fill, const char* text) {
  s.SetBrushColor(fill);
  Square(s, x, y, kBoxHalf);
  s.TextOut(x - 3, y - kBoxHalf + 1, text);
}

}  // namespace

void DrawMarker(Surface& s, int x, int y, int kind, int size) {
  s.SetPenColor(kBlack);
  s.SetBrushColor(kSilver);
  // Callers pass 4 to 9; the clamp only keeps absurd sizes from overflowing.
  size = std::clamp(size, -4096, 4096);
  const int h = RoundedQuotient(size, 2);
  const int t = RoundedQuotient(size, 3);
  const int q = RoundedQuotient(size, 4);

  switch (static_cast<Marker>(kind)) {
    case Marker::kCrossedYellowSquare:  // boxed diagonal cross
      s.SetBrushColor(kYellow);
      Square(s, x, y, h);
      Line(s, x - h, y - h, x + h, y + h);
      Line(s, x - h, y + h, x + h, y - h);
      break;
    case Marker::kCrossedLimeBox:  // boxed upright cross, one pixel wider than high
      s.SetBrushColor(kLime);
      s.Rectangle(x - h, y - h, x + h + 1, y + h);
      Line(s, x - h, y, x + h + 1, y);
      Line(s, x, y + h, x, y - h);
      break;
    case Marker::kBarredAquaSquare:  // boxed minus
      s.SetBrushColor(kAqua);
      Square(s, x, y, h);
      Line(s, x - h, y, x + h, y);
      break;
    case Marker::kYellowInSilverSquare:  // silver square with a yellow core
      Square(s, x, y, h);
      s.SetBrushColor(kYellow);
      s.Rectangle(x - h + 2, y - h + 2, x + h - 2, y + h - 2);
      break;
    case Marker::kStar:  // eight-ray star, lines only
      s.SetBrushColor(kYellow);
      Line(s, x - h, y - h, x + h, y + h);
      Line(s, x - h, y + h, x + h, y - h);
      Line(s, x - h, y, x + h + 1, y);
      Line(s, x, y + h, x, y - h);
      break;
    case Marker::kRedSquare:
      s.SetBrushColor(kRed);
      Square(s, x, y, h);
      break;
    case Marker::kLimeSquare:
      s.SetBrushColor(kLime);
      Square(s, x, y, h);
      break;
    case Marker::kBlackTriangleUp:
      s.SetBrushColor(kBlack);
      TriangleUp(s, x, y, h, t);
      break;
    case Marker::kBlackTriangleDown:
      s.SetBrushColor(kBlack);
      TriangleDown(s, x, y, h, t);
      break;
    case Marker::kRedUprightBar:
      s.SetBrushColor(kRed);
      s.Rectangle(x - q, y - h, x + q, y + h);
      break;
    case Marker::kSilverLyingBar:
      s.Rectangle(x - h, y - q, x + h, y + q);
      break;
    case Marker::kYellowTriangleUp:
      s.SetBrushColor(kYellow);
      TriangleUp(s, x, y, h, t);
      break;
    case Marker::kAquaTriangleDown:
      s.SetBrushColor(kAqua);
      TriangleDown(s, x, y, h, t);
      break;
    case Marker::kBlackCircle:
      s.SetBrushColor(kBlack);
      Circle(s, x, y);
      break;
    case Marker::kLetterSmallL:
      BoxedText(s, x, y, kAqua, "l");
      break;
    case Marker::kAquaCircle:
      s.SetBrushColor(kAqua);
      Circle(s, x, y);
      break;
    case Marker::kPaleAquaCircleLyingBar:  // circle with a horizontal stroke
      s.SetBrushColor(kPaleAqua);
      Circle(s, x, y);
      Line(s, x - h, y, x + h, y);
      break;
    case Marker::kPaleCyanCircleUprightBar:  // circle with a vertical stroke
      s.SetBrushColor(kPaleCyan);
      Circle(s, x, y);
      Line(s, x, y + h, x, y - h);
      break;
    case Marker::kLetterD:
      BoxedText(s, x, y, kAqua, "D");
      break;
    case Marker::kLetterL:
      BoxedText(s, x, y, kAqua, "L");
      break;
    case Marker::kDigit1:
      BoxedText(s, x, y, kYellow, "1");
      break;
    case Marker::kDigit2:
      BoxedText(s, x, y, kYellow, "2");
      break;
    case Marker::kDigit3:
      BoxedText(s, x, y, kYellow, "3");
      break;
    case Marker::kDigit4:
      BoxedText(s, x, y, kYellow, "4");
      break;
    default:  // no such marker
      break;
  }
  s.SetBrushColor(kSilver);
}

}  // namespace orv
