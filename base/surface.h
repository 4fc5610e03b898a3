// The drawing surface the chart engine and the point markers draw on. No toolkit
// behind it here: the program hands the engine a QImage-backed surface
// (toolkit/qimage_surface.h), the tests one that records the calls.
#pragma once

#include <cstdint>
#include <string_view>

namespace orv {

struct Color {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(Color, Color) = default;
};

inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kWhite{255, 255, 255};
inline constexpr Color kGrey{128, 128, 128};
inline constexpr Color kSilver{192, 192, 192};
inline constexpr Color kYellow{255, 255, 0};
inline constexpr Color kLime{0, 255, 0};
inline constexpr Color kAqua{0, 255, 255};
inline constexpr Color kRed{255, 0, 0};
inline constexpr Color kPaleAqua{174, 245, 249};
inline constexpr Color kPaleCyan{204, 255, 255};

struct Point {
  int x = 0, y = 0;
  friend bool operator==(Point, Point) = default;
};

// Pixel coordinates, x to the right, y downward. Pens are one pixel wide and solid.
class Surface {
 public:
  virtual ~Surface() = default;

  virtual void SetPenColor(Color c) = 0;    // lines and outlines
  virtual void SetBrushColor(Color c) = 0;  // interiors and the background behind text
  virtual void SetFontHeight(int cellPixels) = 0;

  // Outline in the pen colour, interior in the brush colour; the right and bottom
  // edges are exclusive; corners may come in any order.
  virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
  // The ellipse inscribed in Rectangle(x1, y1, x2, y2), same rules.
  virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
  virtual void MoveTo(int x, int y) = 0;
  // Line from the current point to (x, y) without its end pixel; (x, y) becomes current.
  virtual void LineTo(int x, int y) = 0;
  // Closed outline in the pen colour, interior in the brush colour.
  virtual void Polygon(const Point* points, int count) = 0;
  // Single-byte (Latin-1) text, top-left of its cell at (x, y), on the brush colour.
  virtual void TextOut(int x, int y, std::string_view text) = 0;
};

}  // namespace orv
