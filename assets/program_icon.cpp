// The program's icon: a harpoon's flight arc over water, on a rounded tile. One
// description of the shapes feeds both the scalable SVG and the PNG sizes, so the
// two can never drift apart. Drawn on a 256-unit grid; bold strokes, so the arc and
// the harpoon still read at 48 pixels.
#include "program_icon.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

struct Point {
  double x, y;
};

// A path of straight and quadratic pieces, the subset both SVG and QPainterPath share.
struct Piece {
  char kind;  // 'M' move, 'L' line, 'Q' quadratic curve, 'Z' close
  std::vector<Point> points;
};
using Path = std::vector<Piece>;

struct Gradient {  // vertical, from top to bottom
  double top, bottom;
  QColor from, to;
};

struct Shape {
  Path path;
  QColor fill;  // used when the shape has no gradient; transparent for none
  const Gradient* gradient = nullptr;
  QColor stroke;  // transparent for none
  double width = 0;
};

QString Number(double v) {
  QString s = QString::number(v, 'f', 2);
  while (s.endsWith('0')) s.chop(1);
  if (s.endsWith('.')) s.chop(1);
  return s;
}

QString Hex(const QColor& c) { return c.name(QColor::HexRgb); }

QString SvgPath(const Path& path) {
  QString d;
  for (const Piece& piece : path) {
    if (!d.isEmpty()) d += ' ';
    d += QChar(piece.kind);
    for (const Point& p : piece.points) d += ' ' + Number(p.x) + ' ' + Number(p.y);
  }
  return d;
}

QPainterPath PainterPath(const Path& path) {
  QPainterPath out;
  for (const Piece& piece : path) {
    const auto& p = piece.points;
    if (piece.kind == 'M') out.moveTo(p[0].x, p[0].y);
    if (piece.kind == 'L') out.lineTo(p[0].x, p[0].y);
    if (piece.kind == 'Q') out.quadTo(p[0].x, p[0].y, p[1].x, p[1].y);
    if (piece.kind == 'Z') out.closeSubpath();
  }
  return out;
}

Path RoundedSquare(double left, double top, double size, double r) {
  const double right = left + size, bottom = top + size;
  return {{'M', {{left + r, top}}},
          {'L', {{right - r, top}}},
          {'Q', {{right, top}, {right, top + r}}},
          {'L', {{right, bottom - r}}},
          {'Q', {{right, bottom}, {right - r, bottom}}},
          {'L', {{left + r, bottom}}},
          {'Q', {{left, bottom}, {left, bottom - r}}},
          {'L', {{left, top + r}}},
          {'Q', {{left, top}, {left + r, top}}},
          {'Z', {}}};
}

// The sea below `surface` inside the tile, its top edge one long swell.
Path Sea(double surface) {
  return {{'M', {{12, surface}}},
          {'Q', {{70, surface - 14}, {128, surface}}},
          {'Q', {{186, surface + 14}, {244, surface}}},
          {'L', {{244, 208}}},
          {'Q', {{244, 244}, {208, 244}}},
          {'L', {{48, 244}}},
          {'Q', {{12, 244}, {12, 208}}},
          {'Z', {}}};
}

Path Wave(double left, double y, double length) {
  return {{'M', {{left, y}}},
          {'Q', {{left + length / 4, y - 8}, {left + length / 2, y}}},
          {'Q', {{left + 3 * length / 4, y + 8}, {left + length, y}}}};
}

constexpr Point kLaunch{34, 150};
constexpr Point kControl{112, -6};
constexpr Point kEntry{196, 168};

// The point and the direction of the flight arc at parameter t of its Bezier curve.
Point ArcAt(double t) {
  const double u = 1 - t;
  return {u * u * kLaunch.x + 2 * u * t * kControl.x + t * t * kEntry.x,
          u * u * kLaunch.y + 2 * u * t * kControl.y + t * t * kEntry.y};
}
Point ArcDirection(double t) {
  const double dx = 2 * (1 - t) * (kControl.x - kLaunch.x) + 2 * t * (kEntry.x - kControl.x);
  const double dy = 2 * (1 - t) * (kControl.y - kLaunch.y) + 2 * t * (kEntry.y - kControl.y);
  const double n = std::hypot(dx, dy);
  return {dx / n, dy / n};
}

// The flight arc up to where the harpoon begins; the harpoon flies on along it.
Path Arc(double end) {
  // The part of a quadratic Bezier up to t has the control point (1-t) P0 + t P1.
  const Point control{(1 - end) * kLaunch.x + end * kControl.x, (1 - end) * kLaunch.y + end * kControl.y};
  return {{'M', {kLaunch}}, {'Q', {control, ArcAt(end)}}};
}

Path Shaft(Point tail, Point tip) { return {{'M', {tail}}, {'L', {tip}}}; }

Path Head(Point tip, Point d, double length, double half) {
  const Point n{-d.y, d.x};
  const Point back{tip.x - d.x * length, tip.y - d.y * length};
  const Point notch{tip.x - d.x * length * 0.7, tip.y - d.y * length * 0.7};
  return {{'M', {tip}},
          {'L', {{back.x + n.x * half, back.y + n.y * half}}},
          {'L', {notch}},
          {'L', {{back.x - n.x * half, back.y - n.y * half}}},
          {'Z', {}}};
}

const Gradient kSky{12, 150, QColor(58, 120, 196), QColor(176, 216, 242)};
const Gradient kWater{140, 244, QColor(30, 104, 160), QColor(8, 40, 86)};

std::vector<Shape> Shapes() {
  const QColor none(Qt::transparent);
  const QColor gold(236, 184, 48);
  const QColor foam(206, 232, 248);
  const double harpoonStart = 0.72, harpoonEnd = 0.95;
  const Point tail = ArcAt(harpoonStart);
  const Point tip = ArcAt(harpoonEnd);
  const Point d = ArcDirection(harpoonEnd);

  std::vector<Shape> shapes;
  shapes.push_back({RoundedSquare(12, 12, 232, 36), none, &kSky, none, 0});
  shapes.push_back({Sea(150), none, &kWater, none, 0});
  shapes.push_back({Wave(40, 196, 64), none, nullptr, foam, 7});
  shapes.push_back({Wave(136, 218, 72), none, nullptr, foam, 7});
  shapes.push_back({Arc(harpoonStart), none, nullptr, QColor(255, 255, 255), 10});
  shapes.push_back({Shaft(tail, tip), none, nullptr, gold, 12});
  shapes.push_back({Head(Point{tip.x + d.x * 24, tip.y + d.y * 24}, d, 38, 17), gold, nullptr, none, 0});
  // The rim last, over the edges of the sea.
  shapes.push_back({RoundedSquare(12, 12, 232, 36), none, nullptr, QColor(10, 30, 80), 6});
  return shapes;
}

QString Svg() {
  QString out;
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n";
  out += "  <defs>\n";
  int id = 0;
  for (const Gradient* g : {&kSky, &kWater}) {
    out += QString(
               "    <linearGradient id=\"g%1\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"%2\" x2=\"0\" "
               "y2=\"%3\">\n")
               .arg(id++)
               .arg(Number(g->top), Number(g->bottom));
    out += "      <stop offset=\"0\" stop-color=\"" + Hex(g->from) + "\"/>\n";
    out += "      <stop offset=\"1\" stop-color=\"" + Hex(g->to) + "\"/>\n";
    out += "    </linearGradient>\n";
  }
  out += "  </defs>\n";
  for (const Shape& s : Shapes()) {
    QString fill = "none";
    if (s.gradient == &kSky) fill = "url(#g0)";
    if (s.gradient == &kWater) fill = "url(#g1)";
    if (!s.gradient && s.fill.alpha() > 0) fill = Hex(s.fill);
    out += "  <path d=\"" + SvgPath(s.path) + "\" fill=\"" + fill + "\"";
    if (s.stroke.alpha() > 0)
      out += " stroke=\"" + Hex(s.stroke) + "\" stroke-width=\"" + Number(s.width) +
             "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"";
    out += "/>\n";
  }
  out += "</svg>\n";
  return out;
}

QImage Png(int size) {
  QImage img(size, size, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 256.0, size / 256.0);
  for (const Shape& s : Shapes()) {
    if (s.gradient) {
      QLinearGradient g(0, s.gradient->top, 0, s.gradient->bottom);
      g.setColorAt(0, s.gradient->from);
      g.setColorAt(1, s.gradient->to);
      p.setBrush(g);
    } else {
      p.setBrush(s.fill.alpha() > 0 ? QBrush(s.fill) : Qt::NoBrush);
    }
    if (s.stroke.alpha() > 0)
      p.setPen(QPen(s.stroke, s.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
      p.setPen(Qt::NoPen);
    p.drawPath(PainterPath(s.path));
  }
  return img;
}

bool WriteText(const QString& path, const QString& text) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text.toUtf8()) >= 0;
}

}  // namespace

bool WriteProgramIcon(const QDir& folder) {
  if (!folder.exists() && !QDir().mkpath(folder.path())) return false;
  if (!WriteText(folder.filePath("orvantis.svg"), Svg())) return false;
  for (int size : {48, 128, 256})
    if (!Png(size).save(folder.filePath(QString("orvantis-%1.png").arg(size)), "PNG")) return false;
  return true;
}
