// Draws every chart of the catalogue and the default chart from a default run on the
// program's surface and saves them as PNG files for a person to look at.
#include <QDir>
#include <QtTest>
#include <memory>

#include "charts/chart_catalogue.h"
#include "flight/flight_run.h"
#include "tests/default_run.h"
#include "toolkit/qimage_chart_host.h"

namespace orv {

class ChartRenderTest : public QObject {
  Q_OBJECT

 private:
  static int Count(const QImage& image, QRgb rgb, int x1, int x2, int y) {
    int n = 0;
    for (int x = x1; x < x2; ++x) n += (image.pixel(x, y) | 0xff000000u) == rgb;
    return n;
  }

  static void Save(const QImage& image, const QString& name) {
    const QDir dir(QStringLiteral(ORVANTIS_CHART_PNG_DIR));
    QVERIFY(QDir().mkpath(dir.path()));
    QVERIFY(image.save(dir.filePath(name + QStringLiteral(".png"))));
  }

 private slots:
  void everyCatalogueChart() {
    auto state = testing::DefaultRun();
    QCOMPARE(state->SampleRows, 500);
    for (const ChartButton& button : ChartCatalogue()) {
      QImageChartHost host;
      DrawChart(*state, button.request, host, '.');
      QCOMPARE(host.picture.size(), QSize(800, 600));
      QVERIFY(host.image3Shown > 0);
      const int left = 37 * button.request.count + 26;
      // The top grid row runs grey from L to L + W.
      QVERIFY2(Count(host.picture, qRgb(128, 128, 128), left, 730, 19) > (730 - left) / 2, button.name);
      Save(host.picture, QString::fromLatin1(button.name));
    }
  }

  void defaultChartIsSigned() {
    auto state = testing::DefaultRun();
    QImageChartHost host;
    DrawChart(*state, DefaultChartRequest(), host, '.');
    // The band below the zero line is framed: its bottom edge on row 459 and its right
    // edge in column L + W = 730, under the grid's last column.
    QVERIFY(Count(host.picture, qRgb(0, 0, 0), 300, 700, 459) > 350);
    QCOMPARE(host.picture.pixel(730, 400) | 0xff000000u, qRgb(0, 0, 0));
    QCOMPARE(host.picture.pixel(731, 400) | 0xff000000u, qRgb(255, 255, 255));
    QCOMPARE(host.picture.pixel(730, 200) | 0xff000000u, qRgb(128, 128, 128));
    Save(host.picture, QStringLiteral("DefaultChart"));
  }
};

}  // namespace orv

QTEST_MAIN(orv::ChartRenderTest)
#include "chart_render_test.moc"
