// The SVG surface sizes its text cells from a measured table of the chart face; the
// window's pixel surface measures with Qt. Every Latin-1 character, every pair of
// them and every text of the catalogue's charts must give the same cell on both.
#include <QtTest>
#include <memory>
#include <string>

#include "charts/chart_catalogue.h"
#include "charts/chart_font.h"
#include "tests/default_run.h"
#include "tests/recording_surface.h"
#include "toolkit/qimage_surface.h"

namespace orv {

class ChartFontTest : public QObject {
  Q_OBJECT

 private:
  static constexpr int kCell = 12;
  static constexpr QRgb kCellColor = qRgb(255, 0, 0);

  // The width of the cell the pixel surface fills behind `text` (its glyphs are
  // black, the cell red): one past the rightmost red column.
  static int CellWidth(const std::string& text) {
    QImageSurface s(800, kCell);
    s.SetFontHeight(kCell);
    s.SetBrushColor({255, 0, 0});
    s.TextOut(0, 0, text);
    const QImage& image = s.image();
    for (int x = image.width() - 1; x >= 0; --x)
      for (int y = 0; y < kCell; ++y)
        if ((image.pixel(x, y) | 0xff000000u) == kCellColor) return x + 1;
    return 0;
  }

  static bool Printable(int c) { return (c >= 0x20 && c < 0x7F) || c >= 0xA0; }

  static void Compare(const std::string& text) {
    const int measured = ChartTextWidth(text, ChartFaceForCell(kCell).pixelSize);
    if (measured != CellWidth(text))
      QFAIL(qPrintable(QStringLiteral("'%1': table %2, pixel surface %3")
                           .arg(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())))
                           .arg(measured)
                           .arg(CellWidth(text))));
  }

 private slots:
  // Chart texts are UTF-8: each Latin-1 character and pair as its UTF-8 bytes.
  void everyCharacterAndPair() {
    const auto utf8 = [](int c) {
      return c < 0x80 ? std::string(1, static_cast<char>(c))
                      : std::string{static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
    };
    for (int a = 0; a < 256; ++a) {
      if (!Printable(a)) continue;
      Compare(utf8(a));
      for (int b = 0; b < 256; ++b)
        if (Printable(b)) Compare(utf8(a) + utf8(b));
    }
  }

  void everyTextOfTheCatalogueCharts() {
    auto state = testing::DefaultRun();
    int texts = 0;
    for (const ChartButton& button : ChartCatalogue()) {
      test::RecordingHost host;
      DrawChart(*state, button.request, host, '.');
      for (const test::Call& call : host.shown)
        if (call.op == test::Op::kText) {
          Compare(call.text);
          ++texts;
        }
    }
    QVERIFY(texts > 100);
  }

  void chartCellUsesTheTenPixelFace() {
    QCOMPARE(ChartFaceForCell(kCell).pixelSize, 10);
    QCOMPARE(ChartFaceForCell(kCell).ascent, 9);
  }
};

}  // namespace orv

QTEST_MAIN(orv::ChartFontTest)
#include "chart_font_test.moc"
