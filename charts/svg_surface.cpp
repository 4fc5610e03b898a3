#include "charts/svg_surface.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

#include "charts/chart_font.h"
#include "charts/chart_text.h"

namespace orv {
namespace {

void Append(std::string& out, double v) {
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
  out.append(buffer, end);
}

void Append(std::string& out, long long v) {
  char buffer[24];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
  out.append(buffer, end);
}

// The centre of pixel column or row v.
void AppendCentre(std::string& out, long long v) { Append(out, static_cast<double>(v) + 0.5); }

void AppendAttribute(std::string& out, const char* name, double v) {
  out += ' ';
  out += name;
  out += "=\"";
  Append(out, v);
  out += '"';
}

void AppendColor(std::string& out, const char* name, Color c) {
  static constexpr char kHex[] = "0123456789abcdef";
  out += ' ';
  out += name;
  out += "=\"#";
  for (std::uint8_t part : {c.r, c.g, c.b}) {
    out += kHex[part >> 4];
    out += kHex[part & 15];
  }
  out += '"';
}

// A chart text (charts/chart_text.h) as XML character data in UTF-8. Control
// characters have no place in XML 1.0 text; they show as the replacement character.
void AppendText(std::string& out, std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = NextChartCharacter(text, i);
    if (c == '&') {
      out += "&amp;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else if (c < 0x20) {
      out += "\xEF\xBF\xBD";
    } else if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
}

// The last pixel a line from `from` to `to` covers: the pixel surface steps along
// the major axis and puts pixel i at the minor offset i * minor / major, rounded
// with halves down; the line's end pixel (i = major) is left out.
Point LastPixel(Point from, Point to) {
  const long long dx = static_cast<long long>(to.x) - from.x, dy = static_cast<long long>(to.y) - from.y;
  const bool xMajor = std::llabs(dx) >= std::llabs(dy);
  const long long major = xMajor ? std::llabs(dx) : std::llabs(dy);
  const long long minor = xMajor ? std::llabs(dy) : std::llabs(dx);
  const __int128 i = major - 1;
  const long long offset =
      static_cast<long long>((2 * i * minor + major - 1) / (2 * static_cast<__int128>(major)));
  const long long majorSign = (xMajor ? dx : dy) > 0 ? 1 : -1;
  const long long minorSign = (xMajor ? dy : dx) >= 0 ? 1 : -1;
  const long long a = (xMajor ? from.x : from.y) + majorSign * static_cast<long long>(i);
  const long long b = (xMajor ? from.y : from.x) + minorSign * offset;
  return xMajor ? Point{static_cast<int>(a), static_cast<int>(b)}
                : Point{static_cast<int>(b), static_cast<int>(a)};
}

void AppendPoint(std::string& out, Point p) {
  AppendCentre(out, p.x);
  out += ' ';
  AppendCentre(out, p.y);
}

}  // namespace

SvgSurface::SvgSurface(int width, int height) : width_(width), height_(height) {
  body_ += "<rect width=\"";
  Append(body_, static_cast<long long>(width));
  body_ += "\" height=\"";
  Append(body_, static_cast<long long>(height));
  body_ += "\" fill=\"#ffffff\"/>\n";
}

std::string SvgSurface::Document() {
  FlushPath();
  std::string doc =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\"";
  AppendAttribute(doc, "width", width_);
  AppendAttribute(doc, "height", height_);
  doc += " viewBox=\"0 0 ";
  Append(doc, static_cast<long long>(width_));
  doc += ' ';
  Append(doc, static_cast<long long>(height_));
  doc +=
      "\" shape-rendering=\"crispEdges\" stroke-linecap=\"square\" fill=\"none\""
      " font-family=\"DejaVu Sans, sans-serif\" xml:space=\"preserve\">\n";
  doc += body_;
  doc += "</svg>\n";
  return doc;
}

// Outline on the first and last pixel row and column of [x1, x2) x [y1, y2), the
// interior in the brush colour; a rectangle one pixel thin is all outline.
void SvgSurface::Rectangle(int x1, int y1, int x2, int y2) {
  FlushPath();
  const long long left = std::min(x1, x2), right = std::max(x1, x2);
  const long long top = std::min(y1, y2), bottom = std::max(y1, y2);
  if (left == right || top == bottom) return;
  body_ += "<rect";
  if (right - left < 2 || bottom - top < 2) {
    AppendAttribute(body_, "x", static_cast<double>(left));
    AppendAttribute(body_, "y", static_cast<double>(top));
    AppendAttribute(body_, "width", static_cast<double>(right - left));
    AppendAttribute(body_, "height", static_cast<double>(bottom - top));
    AppendColor(body_, "fill", pen_);
  } else {
    AppendAttribute(body_, "x", static_cast<double>(left) + 0.5);
    AppendAttribute(body_, "y", static_cast<double>(top) + 0.5);
    AppendAttribute(body_, "width", static_cast<double>(right - left - 1));
    AppendAttribute(body_, "height", static_cast<double>(bottom - top - 1));
    AppendColor(body_, "fill", brush_);
    AppendColor(body_, "stroke", pen_);
  }
  body_ += "/>\n";
}

// Inscribed in the rectangle's outline: centred on its middle, its stroke reaching
// the first and last pixel rows and columns.
void SvgSurface::Ellipse(int x1, int y1, int x2, int y2) {
  FlushPath();
  const long long left = std::min(x1, x2), right = std::max(x1, x2);
  const long long top = std::min(y1, y2), bottom = std::max(y1, y2);
  if (left == right || top == bottom) return;
  body_ += "<ellipse";
  AppendAttribute(body_, "cx", static_cast<double>(left + right) / 2);
  AppendAttribute(body_, "cy", static_cast<double>(top + bottom) / 2);
  AppendAttribute(body_, "rx", static_cast<double>(right - left - 1) / 2);
  AppendAttribute(body_, "ry", static_cast<double>(bottom - top - 1) / 2);
  AppendColor(body_, "fill", brush_);
  AppendColor(body_, "stroke", pen_);
  body_ += "/>\n";
}

void SvgSurface::LineTo(int x, int y) {
  const Point from = current_, to{x, y};
  current_ = to;
  if (from == to) return;  // no pixel at all
  if (pathOpen_ && !(pathPen_ == pen_)) FlushPath();
  if (!pathOpen_) {
    pathOpen_ = true;
    pathPen_ = pen_;
    d_.clear();
  }
  if (subpathOpen_ && segmentEnd_ == from) {
    // The previous segment goes on into this one: its end pixel is this one's first.
    d_ += " L ";
    AppendPoint(d_, segmentEnd_);
  } else {
    EndSubpath();
    if (!d_.empty()) d_ += ' ';
    d_ += "M ";
    AppendPoint(d_, from);
    subpathOpen_ = true;
  }
  segmentStart_ = from;
  segmentEnd_ = to;
}

void SvgSurface::EndSubpath() {
  if (!subpathOpen_) return;
  d_ += " L ";
  AppendPoint(d_, LastPixel(segmentStart_, segmentEnd_));
  subpathOpen_ = false;
}

void SvgSurface::FlushPath() {
  if (!pathOpen_) return;
  EndSubpath();
  body_ += "<path d=\"";
  body_ += d_;
  body_ += '"';
  AppendColor(body_, "stroke", pathPen_);
  body_ += "/>\n";
  pathOpen_ = false;
}

void SvgSurface::Polygon(const Point* points, int count) {
  FlushPath();
  if (points == nullptr || count < 1) return;
  body_ += "<polygon points=\"";
  for (int i = 0; i < count; ++i) {
    if (i > 0) body_ += ' ';
    AppendCentre(body_, points[i].x);
    body_ += ',';
    AppendCentre(body_, points[i].y);
  }
  body_ += "\" fill-rule=\"evenodd\"";
  AppendColor(body_, "fill", brush_);
  AppendColor(body_, "stroke", pen_);
  body_ += "/>\n";
}

// The cell [x, x + advance) x [y, y + cell) in the brush colour, then the text in
// black on the baseline the pixel surface uses.
void SvgSurface::TextOut(int x, int y, std::string_view text) {
  FlushPath();
  if (text.empty()) return;
  const ChartTextFace face = ChartFaceForCell(cell_);
  body_ += "<rect";
  AppendAttribute(body_, "x", x);
  AppendAttribute(body_, "y", y);
  AppendAttribute(body_, "width", ChartTextWidth(text, face.pixelSize));
  AppendAttribute(body_, "height", cell_);
  AppendColor(body_, "fill", brush_);
  body_ += "/>\n<text";
  AppendAttribute(body_, "x", x);
  AppendAttribute(body_, "y", static_cast<double>(y) + face.ascent);
  AppendAttribute(body_, "font-size", face.pixelSize);
  AppendColor(body_, "fill", kBlack);
  body_ += '>';
  AppendText(body_, text);
  body_ += "</text>\n";
}

std::unique_ptr<Surface> SvgChartHost::CreateSurface(int width, int height) {
  return std::make_unique<SvgSurface>(width, height);
}

void SvgChartHost::ShowPicture(Surface& finished) { svg = static_cast<SvgSurface&>(finished).Document(); }

std::string ChartSvg(const SharedState& state, const ChartRequest& request, char decimalSeparator) {
  SvgChartHost host;
  DrawChart(state, request, host, decimalSeparator);
  return std::move(host.svg);
}

}  // namespace orv
