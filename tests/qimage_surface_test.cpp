// Pixels of the QImage surface: exclusive rectangle edges, lines without their end
// pixel, inscribed ellipses, filled polygons, text cells, and nothing outside.
#include "toolkit/qimage_surface.h"

#include <QtTest>
#include <climits>

#include "charts/draw_marker.h"

namespace orv {
namespace {

const QRgb kWhitePx = qRgb(255, 255, 255);
const QRgb kBlackPx = qRgb(0, 0, 0);
const QRgb kYellowPx = qRgb(255, 255, 0);
const QRgb kRedPx = qRgb(255, 0, 0);

QRgb Px(const QImageSurface& s, int x, int y) { return s.image().pixel(x, y) | 0xff000000u; }

int CountNot(const QImage& image, QRgb background, const QRect& area) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if ((image.pixel(x, y) | 0xff000000u) != background) ++n;
  return n;
}

// Pixels that differ from white outside `area`.
int ChangedOutside(const QImage& image, const QRect& area) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (!area.contains(x, y) && (image.pixel(x, y) | 0xff000000u) != kWhitePx) ++n;
  return n;
}

}  // namespace

class QImageSurfaceTest : public QObject {
  Q_OBJECT

 private slots:
  void startsWhite() {
    QImageSurface s(800, 600);
    QCOMPARE(s.image().size(), QSize(800, 600));
    QCOMPARE(CountNot(s.image(), kWhitePx, QRect(0, 0, 800, 600)), 0);
  }

  void rectangleEdgesAreExclusive() {
    QImageSurface s(800, 600);
    s.SetPenColor(kBlack);
    s.SetBrushColor(kYellow);
    s.Rectangle(10, 20, 30, 40);
    QCOMPARE(Px(s, 10, 20), kBlackPx);
    QCOMPARE(Px(s, 29, 39), kBlackPx);  // last column and row drawn
    QCOMPARE(Px(s, 29, 25), kBlackPx);
    QCOMPARE(Px(s, 15, 39), kBlackPx);
    QCOMPARE(Px(s, 30, 25), kWhitePx);  // x2 and y2 are not
    QCOMPARE(Px(s, 15, 40), kWhitePx);
    QCOMPARE(Px(s, 11, 21), kYellowPx);
    QCOMPARE(Px(s, 28, 38), kYellowPx);
    QCOMPARE(ChangedOutside(s.image(), QRect(10, 20, 20, 20)), 0);
  }

  void rectangleCornersInAnyOrder() {
    QImageSurface a(100, 100), b(100, 100);
    for (QImageSurface* s : {&a, &b}) {
      s->SetPenColor(kBlack);
      s->SetBrushColor(kRed);
    }
    a.Rectangle(10, 20, 30, 40);
    b.Rectangle(30, 40, 10, 20);
    QCOMPARE(a.image(), b.image());
    b.Rectangle(30, 20, 10, 40);
    QCOMPARE(a.image(), b.image());
  }

  void lineLeavesOutItsEndPixel() {
    QImageSurface s(100, 100);
    s.SetPenColor(kRed);
    s.MoveTo(10, 50);
    s.LineTo(20, 50);
    QCOMPARE(Px(s, 10, 50), kRedPx);
    QCOMPARE(Px(s, 19, 50), kRedPx);
    QCOMPARE(Px(s, 20, 50), kWhitePx);
    QCOMPARE(CountNot(s.image(), kWhitePx, QRect(0, 0, 100, 100)), 10);
    // The end became the current point.
    s.LineTo(20, 60);
    QCOMPARE(Px(s, 20, 50), kRedPx);
    QCOMPARE(Px(s, 20, 59), kRedPx);
    QCOMPARE(Px(s, 20, 60), kWhitePx);
  }

  void lineFollowsBresenham() {
    // (0, 0) to (4, 2): x steps 0..3, y steps on the second pixel past the half.
    QImageSurface s(10, 10);
    s.SetPenColor(kBlack);
    s.MoveTo(0, 0);
    s.LineTo(4, 2);
    QCOMPARE(Px(s, 0, 0), kBlackPx);
    QCOMPARE(Px(s, 1, 0), kBlackPx);
    QCOMPARE(Px(s, 2, 1), kBlackPx);
    QCOMPARE(Px(s, 3, 1), kBlackPx);
    QCOMPARE(CountNot(s.image(), kWhitePx, QRect(0, 0, 10, 10)), 4);
    // A steep line backwards: (5, 9) to (3, 1), eight pixels.
    QImageSurface t(10, 10);
    t.SetPenColor(kBlack);
    t.MoveTo(5, 9);
    t.LineTo(3, 1);
    QCOMPARE(CountNot(t.image(), kWhitePx, QRect(0, 0, 10, 10)), 8);
    QCOMPARE(Px(t, 5, 9), kBlackPx);
    QCOMPARE(Px(t, 3, 1), kWhitePx);
    for (int y = 2; y <= 9; ++y)
      QVERIFY(Px(t, 3, y) == kBlackPx || Px(t, 4, y) == kBlackPx || Px(t, 5, y) == kBlackPx);
  }

  void clippedLineKeepsItsPixels() {
    // The part inside the image is the same whether the line starts inside or far out.
    QImageSurface whole(2000, 100), part(100, 100);
    for (QImageSurface* s : {&whole, &part}) s->SetPenColor(kBlack);
    whole.MoveTo(0, 3);
    whole.LineTo(1999, 97);
    part.MoveTo(-1900, 3);
    part.LineTo(99, 97);
    QCOMPARE(part.image(), whole.image().copy(1900, 0, 100, 100));
  }

  void nothingOutsideTheImage() {
    QImageSurface s(50, 40);
    s.SetPenColor(kBlack);
    s.SetBrushColor(kRed);
    s.SetFontHeight(12);
    s.MoveTo(INT_MIN, INT_MIN);
    s.LineTo(INT_MAX, INT_MAX);  // through the image
    s.MoveTo(-1000000000, 20);
    s.LineTo(1000000000, 20);
    s.Rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    s.Rectangle(-100, -100, -50, -50);
    s.Ellipse(45, 35, 60, 50);
    s.Ellipse(-1000000000, -5, 1000000000, 5);
    const Point far[3] = {{-2000000000, 0}, {2000000000, 0}, {0, 2000000000}};
    s.Polygon(far, 3);
    s.TextOut(45, 35, "Text beyond the edge");
    s.TextOut(-1000, -1000, "gone");
    QCOMPARE(s.image().size(), QSize(50, 40));
    // The huge rectangle covers the whole image: no outline inside, all red.
    QImageSurface r(50, 40);
    r.SetBrushColor(kRed);
    r.Rectangle(-10, -10, 1000, 1000);
    QCOMPARE(CountNot(r.image(), kRedPx, QRect(0, 0, 50, 40)), 0);
    r.Rectangle(40, 30, 60, 50);  // outline's top-left corner only in view
    QCOMPARE(Px(r, 40, 30), kBlackPx);
    QCOMPARE(Px(r, 49, 39), kRedPx);
  }

  void ellipseStaysInItsRectangle() {
    QImageSurface s(100, 100);
    s.SetPenColor(kBlack);
    s.SetBrushColor(kRed);
    s.Ellipse(10, 20, 22, 32);
    QCOMPARE(ChangedOutside(s.image(), QRect(10, 20, 12, 12)), 0);
    QCOMPARE(Px(s, 16, 26), kRedPx);
    QVERIFY(CountNot(s.image(), kWhitePx, QRect(10, 20, 1, 12)) > 0);  // touches the left column
    QVERIFY(CountNot(s.image(), kWhitePx, QRect(21, 20, 1, 12)) > 0);  // and the last one
    QCOMPARE(Px(s, 10, 20), kWhitePx);                                 // not the corners
  }

  void polygonCoversItsVertices() {
    QImageSurface s(100, 100);
    s.SetPenColor(kBlack);
    s.SetBrushColor(kYellow);
    const Point p[3] = {{20, 60}, {60, 60}, {40, 20}};
    s.Polygon(p, 3);
    QCOMPARE(Px(s, 20, 60), kBlackPx);
    QCOMPARE(Px(s, 60, 60), kBlackPx);
    QCOMPARE(Px(s, 40, 20), kBlackPx);
    QCOMPARE(Px(s, 40, 60), kBlackPx);  // on the outline
    QCOMPARE(Px(s, 40, 50), kYellowPx);
    QCOMPARE(ChangedOutside(s.image(), QRect(20, 20, 41, 41)), 0);
  }

  void marker1At100() {
    // Yellow square from (96, 96) to (104, 104), edges exclusive, with both diagonals.
    QImageSurface s(200, 200);
    DrawMarker(s, 100, 100, 1, 8);
    QCOMPARE(Px(s, 96, 96), kBlackPx);
    QCOMPARE(Px(s, 103, 96), kBlackPx);
    QCOMPARE(Px(s, 96, 103), kBlackPx);
    QCOMPARE(Px(s, 103, 103), kBlackPx);
    QCOMPARE(Px(s, 104, 100), kWhitePx);
    QCOMPARE(Px(s, 100, 104), kWhitePx);
    for (int i = 1; i < 7; ++i) {
      QCOMPARE(Px(s, 96 + i, 96 + i), kBlackPx);   // (96, 96) to (104, 104)
      QCOMPARE(Px(s, 96 + i, 104 - i), kBlackPx);  // (96, 104) to (104, 96)
    }
    QCOMPARE(Px(s, 96, 104), kBlackPx);  // the second diagonal starts below the square
    QCOMPARE(Px(s, 104, 96), kWhitePx);  // and leaves out its end
    QCOMPARE(Px(s, 104, 104), kWhitePx);
    QCOMPARE(Px(s, 100, 98), kYellowPx);
    QCOMPARE(Px(s, 98, 100), kYellowPx);
    QCOMPARE(ChangedOutside(s.image(), QRect(96, 96, 8, 9)), 0);
  }

  void textSitsOnTheBrushInA12PixelCell() {
    QImageSurface s(200, 100);
    s.SetFontHeight(12);
    s.SetBrushColor(kYellow);
    s.TextOut(20, 30, "H,m");
    const QImage& img = s.image();
    int yellow = 0, black = 0, right = 20;
    for (int y = 30; y < 42; ++y)
      for (int x = 20; x < 80; ++x) {
        const QRgb p = img.pixel(x, y) | 0xff000000u;
        if (p == kYellowPx) ++yellow;
        if (p == kBlackPx) ++black;
        if (p != kWhitePx) right = std::max(right, x);
      }
    QVERIFY(black > 5);
    QVERIFY(yellow > black);
    QCOMPARE(Px(s, 20, 30), kYellowPx);  // the cell's top-left corner and bottom row
    QCOMPARE(Px(s, 20, 41), kYellowPx);
    QVERIFY(right > 30 && right < 60);
    QCOMPARE(ChangedOutside(img, QRect(20, 30, right - 19, 12)), 0);
    // Only black and the brush: no antialiased shades.
    QCOMPARE(CountNot(img, kWhitePx, QRect(0, 0, 200, 100)), yellow + black);
  }

  void latin1Text() {
    QImageSurface s(100, 40);
    s.SetBrushColor(kWhite);
    s.TextOut(5, 5, std::string_view("a,\xBC", 3));
    QVERIFY(CountNot(s.image(), kWhitePx, QRect(0, 0, 100, 40)) > 5);
  }

  // At two device pixels per pixel every shape is the picture of scale 1 with each
  // pixel doubled, also where it is cut at the surface's edges; text is drawn anew
  // at the full resolution on a doubled cell.
  void scaleTwoDoublesEveryPixelOfTheShapes() {
    auto draw = [](QImageSurface& s) {
      s.SetPenColor(kBlack);
      s.SetBrushColor(kYellow);
      s.Rectangle(10, 12, 60, 40);
      s.Ellipse(70, 5, 95, 30);
      s.MoveTo(-30, 90);
      s.LineTo(130, 41);
      s.MoveTo(5, 5);
      s.LineTo(17, 99);
      const Point triangle[] = {{20, 60}, {90, 70}, {40, 95}};
      s.Polygon(triangle, 3);
      DrawMarker(s, 100, 50, 7, 8);
      s.Ellipse(110, 90, 140, 130);  // cut at the corner
    };
    QImageSurface one(120, 100), two(120, 100, 2);
    draw(one);
    draw(two);
    QCOMPARE(two.image().size(), QSize(240, 200));
    QCOMPARE(two.image(), one.image().scaled(240, 200, Qt::IgnoreAspectRatio, Qt::FastTransformation));

    QImageSurface textOne(100, 30), textTwo(100, 30, 2);
    for (QImageSurface* s : {&textOne, &textTwo}) {
      s->SetBrushColor(kYellow);
      s->TextOut(10, 5, "H,m 8");
    }
    const QImage doubled = textOne.image().scaled(200, 60, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QCOMPARE(textTwo.image().pixel(20, 10) | 0xff000000u, kYellowPx);  // the cell's corner
    QCOMPARE(textTwo.image().pixel(20, 33) | 0xff000000u, kYellowPx);  // and its last row
    QCOMPARE(textTwo.image().pixel(20, 34) | 0xff000000u, kWhitePx);
    QVERIFY(textTwo.image() != doubled);  // glyphs of their own, not enlarged ones
    QVERIFY(CountNot(textTwo.image(), kYellowPx, QRect(20, 10, 40, 24)) >
            2 * CountNot(textOne.image(), kYellowPx, QRect(10, 5, 20, 12)));
  }

  void imageSurvivesFurtherDrawing() {
    // A picture handed out is a copy: drawing on afterwards leaves it as it was.
    QImageSurface s(50, 50);
    s.SetBrushColor(kRed);
    s.Rectangle(0, 0, 10, 10);
    const QImage shown = s.image();
    s.Rectangle(20, 20, 30, 30);
    QCOMPARE(shown.pixel(25, 25) | 0xff000000u, kWhitePx);
    QCOMPARE(Px(s, 25, 25), kRedPx);
  }
};

}  // namespace orv

QTEST_MAIN(orv::QImageSurfaceTest)
#include "qimage_surface_test.moc"
