// A drawing surface that writes SVG 1.1 instead of pixels, with the geometry of the
// program's pixel surface: rectangles with exclusive right and bottom edges, lines
// without their end pixel, text on the brush colour in its cell. Coordinates are
// pixel centres, edges are crisp, so the picture looks like the window's and scales
// without blur. One element per drawing call, except that consecutive lines of one
// pen share a path (one subpath per MoveTo) and text is its cell's rectangle
// followed by the text.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "base/chart_host.h"
#include "base/flight_data.h"
#include "base/surface.h"
#include "charts/chart_engine.h"

namespace orv {

class SvgSurface final : public Surface {
 public:
  SvgSurface(int width, int height);  // all white

  // The whole document as drawn so far.
  std::string Document();

  void SetPenColor(Color c) override { pen_ = c; }
  void SetBrushColor(Color c) override { brush_ = c; }
  void SetFontHeight(int cellPixels) override { cell_ = cellPixels; }
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void MoveTo(int x, int y) override { current_ = {x, y}; }
  void LineTo(int x, int y) override;
  void Polygon(const Point* points, int count) override;
  void TextOut(int x, int y, std::string_view text) override;

 private:
  void EndSubpath();
  void FlushPath();

  int width_, height_;
  std::string body_;
  Color pen_ = kBlack, brush_ = kWhite;
  int cell_ = 12;
  Point current_{};

  // The path of lines being drawn: its pen, the d text up to the open subpath's last
  // finished segment, and that last segment, whose end pixel is left out at the end.
  bool pathOpen_ = false;
  Color pathPen_{};
  std::string d_;
  bool subpathOpen_ = false;
  Point segmentStart_{}, segmentEnd_{};
};

// A chart host whose finished picture is the SVG document.
class SvgChartHost final : public ChartHost {
 public:
  std::unique_ptr<Surface> CreateSurface(int width, int height) override;
  void ShowPicture(Surface& finished) override;
  void ShowImage3() override {}

  std::string svg;  // the last finished picture
};

// The chart of `request` as an SVG document. Throws what DrawChart throws.
std::string ChartSvg(const SharedState& state, const ChartRequest& request, char decimalSeparator);

}  // namespace orv
