// Draws the program's pictures with QPainter and writes them beside this file:
//   background.jpg  780 x 500  sea scene with the title banner (start window, chart area)
//   language.jpg    314 x 193  three flags and language names beside the "Ru", "De", "En" items
//   emblem.jpg       90 x  41  the small emblem over the charts
//   sketch.png      271 x 146  the trajectory sketch (line art stays crisp as PNG)
//   icons/          the program's icon, scalable and in three sizes (program_icon.cpp)
// Usage: make_pictures <output folder>. The generated files are committed, so a build
// never runs this; see make_pictures.sh.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <cmath>
#include <cstdio>

#include "program_icon.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

QFont Font(int pixels, bool bold) {
  QFont f;
  f.setFamilies({"DejaVu Sans"});
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

void Save(const QImage& img, const QString& path, const char* format, int quality) {
  if (!img.save(path, format, quality)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    std::exit(1);
  }
}

// Sky, sun, distant hills, sea with rows of waves, and a banner with the name across the top.
QImage Background() {
  QImage img(780, 500, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const int horizon = 250;

  QLinearGradient sky(0, 0, 0, horizon);
  sky.setColorAt(0, QColor(70, 130, 200));
  sky.setColorAt(1, QColor(200, 228, 245));
  p.fillRect(0, 0, 780, horizon, sky);

  QRadialGradient glow(600, 150, 70);
  glow.setColorAt(0, QColor(255, 250, 210));
  glow.setColorAt(0.35, QColor(255, 240, 170));
  glow.setColorAt(1, QColor(255, 240, 170, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(QPointF(600, 150), 70, 70);

  // Two soft clouds.
  p.setBrush(QColor(255, 255, 255, 170));
  for (auto [cx, cy] : {std::pair{180.0, 120.0}, std::pair{420.0, 175.0}}) {
    p.drawEllipse(QPointF(cx, cy), 55, 14);
    p.drawEllipse(QPointF(cx - 25, cy - 8), 28, 14);
    p.drawEllipse(QPointF(cx + 20, cy - 10), 32, 16);
  }

  // Hills on the horizon.
  QPainterPath hills;
  hills.moveTo(0, horizon);
  for (int x = 0; x <= 330; x += 5)
    hills.lineTo(x, horizon - 22 * std::sin(x / 330.0 * kPi) - 6 * std::sin(x / 23.0));
  hills.lineTo(330, horizon);
  hills.closeSubpath();
  p.setBrush(QColor(96, 128, 140));
  p.drawPath(hills);

  QLinearGradient sea(0, horizon, 0, 500);
  sea.setColorAt(0, QColor(40, 110, 160));
  sea.setColorAt(1, QColor(8, 40, 82));
  p.fillRect(0, horizon, 780, 500 - horizon, sea);

  // Sun glitter on the water.
  p.setPen(QPen(QColor(255, 245, 200, 150), 2));
  for (int k = 0; k < 24; ++k) {
    const int y = horizon + 6 + k * 9;
    const int half = 12 + k * 3;
    p.drawLine(600 - half / 2 + (k * 37) % 19, y, 600 + half / 2 - (k * 23) % 17, y);
  }

  // Rows of waves, longer and brighter towards the viewer.
  for (int row = 0; row < 14; ++row) {
    const double y0 = horizon + 12 + row * row * 1.35 + row * 6;
    const double len = 18 + row * 5;
    const int alpha = 60 + row * 8;
    p.setPen(QPen(QColor(190, 225, 245, alpha), 1 + row / 5));
    for (double x = -len + (row % 3) * 17; x < 780; x += len * 2.2) {
      QPainterPath wave;
      wave.moveTo(x, y0);
      wave.quadTo(x + len / 2, y0 - 3 - row * 0.4, x + len, y0);
      p.drawPath(wave);
    }
  }

  // A sailing boat far away.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 45, 60));
  p.drawPolygon(QPolygonF({QPointF(452, horizon + 4), QPointF(486, horizon + 4), QPointF(480, horizon + 10),
                           QPointF(458, horizon + 10)}));
  p.setBrush(QColor(245, 245, 240));
  p.drawPolygon(
      QPolygonF({QPointF(468, horizon + 2), QPointF(468, horizon - 30), QPointF(484, horizon + 2)}));

  // Title banner across the top.
  QLinearGradient band(0, 0, 0, 62);
  band.setColorAt(0, QColor(10, 30, 80, 235));
  band.setColorAt(1, QColor(20, 60, 120, 215));
  p.fillRect(0, 0, 780, 62, band);
  p.fillRect(0, 62, 780, 3, QColor(220, 180, 60));
  p.setPen(QColor(255, 255, 255));
  QFont title = Font(40, true);
  title.setLetterSpacing(QFont::AbsoluteSpacing, 10);
  p.setFont(title);
  p.drawText(QRect(0, 4, 770, 52), Qt::AlignCenter, "ORVANTIS");
  p.setPen(QColor(220, 200, 140));
  p.setFont(Font(12, false));
  p.drawText(QRect(0, 44, 770, 18), Qt::AlignCenter, "external ballistics of harpoons");
  return img;
}

void StripedFlag(QPainter& p, const QRect& r, std::initializer_list<QColor> stripes) {
  const int n = static_cast<int>(stripes.size());
  int k = 0;
  for (const QColor& c : stripes) {
    const int top = r.top() + r.height() * k / n;
    const int bottom = r.top() + r.height() * (k + 1) / n;
    p.fillRect(QRect(r.left(), top, r.width(), bottom - top), c);
    ++k;
  }
}

// The Union flag, simplified only in that the red saltire is not counterchanged.
void UnionFlag(QPainter& p, const QRect& r) {
  p.save();
  p.setClipRect(r);
  p.fillRect(r, QColor(1, 33, 105));
  const double w = r.width(), h = r.height();
  p.translate(r.topLeft());
  p.setPen(QPen(Qt::white, h / 5.0));
  p.drawLine(QPointF(0, 0), QPointF(w, h));
  p.drawLine(QPointF(0, h), QPointF(w, 0));
  p.setPen(QPen(QColor(200, 16, 46), h / 15.0));
  p.drawLine(QPointF(0, 0), QPointF(w, h));
  p.drawLine(QPointF(0, h), QPointF(w, 0));
  p.fillRect(QRectF(w / 2 - h / 6, 0, h / 3, h), Qt::white);
  p.fillRect(QRectF(0, h / 3, w, h / 3), Qt::white);
  p.fillRect(QRectF(w / 2 - h / 10, 0, h / 5, h), QColor(200, 16, 46));
  p.fillRect(QRectF(0, h / 2 - h / 10, w, h / 5), QColor(200, 16, 46));
  p.restore();
}

// The radio group of the start window lies over this picture at x 120..177 with its
// items centred on rows 31, 65 and 99: flags to the left of it, names to the right.
QImage Language() {
  QImage img(314, 193, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient bg(0, 0, 0, 193);
  bg.setColorAt(0, QColor(236, 244, 250));
  bg.setColorAt(1, QColor(200, 220, 236));
  p.fillRect(img.rect(), bg);
  p.setPen(QPen(QColor(20, 60, 120), 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(1, 1, 312, 191));

  const int rows[] = {31, 65, 99};
  const char* names[] = {"РУССКИЙ", "DEUTSCH", "ENGLISH"};
  for (int i = 0; i < 3; ++i) {
    const QRect flag(48, rows[i] - 13, 44, 26);
    if (i == 0) StripedFlag(p, flag, {Qt::white, QColor(0, 57, 166), QColor(213, 43, 30)});
    if (i == 1) StripedFlag(p, flag, {Qt::black, QColor(221, 0, 0), QColor(255, 206, 0)});
    if (i == 2) UnionFlag(p, flag);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(flag).adjusted(-0.5, -0.5, 0.5, 0.5));
    p.setPen(QColor(20, 40, 90));
    p.setFont(Font(15, true));
    p.drawText(QRect(186, rows[i] - 12, 126, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromUtf8(names[i]));
  }
  p.setPen(QPen(QColor(20, 60, 120, 120), 1));
  p.drawLine(16, 132, 298, 132);
  p.setPen(QColor(40, 60, 90));
  p.setFont(Font(11, false));
  p.drawText(QRect(0, 138, 314, 16), Qt::AlignCenter, QString::fromUtf8("Выберите язык"));
  p.drawText(QRect(0, 154, 314, 16), Qt::AlignCenter, QString::fromUtf8("Sprache wählen"));
  p.drawText(QRect(0, 170, 314, 16), Qt::AlignCenter, "Choose the language");
  return img;
}

void Harpoon(QPainter& p, QPointF tail, QPointF tip, const QColor& c, double width) {
  p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(tail, tip);
  const QPointF d = (tip - tail) / std::hypot(tip.x() - tail.x(), tip.y() - tail.y());
  const QPointF n(-d.y(), d.x());
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  p.drawPolygon(QPolygonF({tip + d * 3, tip - d * 7 + n * 4, tip - d * 4, tip - d * 7 - n * 4}));
}

// Lettering and an outline on white: the window shows white as transparent, so the
// chart under the emblem stays visible between the letters.
QImage Emblem() {
  QImage img(90, 41, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor navy(20, 50, 120);
  p.setPen(QPen(navy, 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(1.5, 1.5, 87, 38), 7, 7);
  Harpoon(p, QPointF(12, 31), QPointF(78, 31), QColor(190, 140, 30), 1.6);
  p.setPen(navy);
  p.setFont(Font(13, true));
  p.drawText(QRect(0, 3, 90, 22), Qt::AlignCenter, "ORVANTIS");
  return img;
}

// Launch point at height Ho above the ground, the speed vector Vo at the angle Qo, the
// body of mass mo, and the curve of the flight rising and then falling to the ground.
QImage Sketch() {
  QImage img(271, 146, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const double ground = 128;
  const QPointF launch(50, 92);

  p.setPen(QPen(QColor(60, 60, 60), 1.2));
  p.drawLine(QPointF(8, ground), QPointF(262, ground));
  for (int x = 12; x < 262; x += 8) p.drawLine(QPointF(x, ground), QPointF(x - 5, ground + 5));

  // Flight curve: a parabola through the launch point, rising, then down to the ground.
  QPainterPath curve;
  curve.moveTo(launch);
  for (double s = 0; s <= 1.0001; s += 0.02) {
    const double x = launch.x() + s * 200;
    const double y = launch.y() - 150 * s + 186 * s * s;
    curve.lineTo(x, std::min(y, ground));
  }
  p.setPen(QPen(QColor(20, 70, 170), 2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(curve);

  // Height of the launch point.
  p.setPen(QPen(QColor(90, 90, 90), 1, Qt::DashLine));
  p.drawLine(launch, QPointF(launch.x(), ground));
  p.drawLine(launch, QPointF(launch.x() + 70, launch.y()));
  p.setPen(QPen(QColor(90, 90, 90), 1));
  p.drawLine(QPointF(16, launch.y()), QPointF(16, ground));
  p.drawLine(QPointF(12, launch.y()), QPointF(20, launch.y()));
  p.drawLine(QPointF(12, ground), QPointF(20, ground));

  // Speed vector along the tangent at launch, and the angle Qo to the horizontal.
  const double angle = std::atan2(150.0, 200.0);
  const QPointF tip = launch + QPointF(std::cos(angle), -std::sin(angle)) * 62;
  Harpoon(p, launch, tip, QColor(200, 30, 30), 1.8);
  p.setPen(QPen(QColor(40, 40, 40), 1));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(launch.x() - 40, launch.y() - 40, 80, 80), 0, static_cast<int>(angle * 180 / kPi * 16));

  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 30, 30));
  p.drawEllipse(launch, 4, 4);

  QFont f = Font(13, true);
  f.setItalic(true);
  p.setFont(f);
  p.setPen(QColor(200, 30, 30));
  p.drawText(QPointF(tip.x() - 4, tip.y() - 6), "Vo");
  p.setPen(QColor(20, 20, 20));
  p.drawText(QPointF(launch.x() + 44, launch.y() - 5), "Qo");
  p.drawText(QPointF(launch.x() - 20, launch.y() - 10), "mo");
  p.drawText(QPointF(22, 116), "Ho");
  return img;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  Save(Background(), out.filePath("background.jpg"), "JPEG", 90);
  Save(Language(), out.filePath("language.jpg"), "JPEG", 95);
  Save(Emblem(), out.filePath("emblem.jpg"), "JPEG", 95);
  Save(Sketch(), out.filePath("sketch.png"), "PNG", -1);
  if (!WriteProgramIcon(QDir(out.filePath("icons")))) {
    std::fprintf(stderr, "cannot write the icons in %s\n", qPrintable(out.filePath("icons")));
    return 1;
  }
  return 0;
}
