#include "toolkit/png_chart_module.h"

#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <exception>

#include "toolkit/qimage_surface.h"

namespace {

// Qt's notes about the platform (no runtime folder, no display) are not the user's
// business; its errors are.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

// The text needs fonts, which need an application object; the offscreen platform
// needs no display. Made once, with the first surface.
void EnsureApplication() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = "orvantis-cli";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietMessages);
  static QGuiApplication application(argc, argv);
}

}  // namespace

extern "C" orv::Surface* OrvantisCreatePngSurface(int width, int height, std::string& error) {
  try {
    EnsureApplication();
    return new orv::QImageSurface(width, height);
  } catch (const std::exception& e) {
    error = e.what();
    return nullptr;
  }
}

extern "C" int OrvantisEncodePng(orv::Surface& surface, std::string& png, std::string& error) {
  try {
    png = orv::PngBytes(static_cast<orv::QImageSurface&>(surface).image());
    if (png.empty()) {
      error = "the picture could not be encoded as PNG";
      return 1;
    }
    return 0;
  } catch (const std::exception& e) {
    error = e.what();
    return 1;
  }
}
