// The default chart [7, 3, 1, 4, 2, 5] of a default run: on the QImage surface with
// the hand-over copy, and on a recording surface (the engine alone).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <memory>

#include "charts/chart_catalogue.h"
#include "flight/flight_run.h"
#include "tests/default_run.h"
#include "tests/recording_surface.h"
#include "toolkit/qimage_chart_host.h"

namespace orv {
namespace {

void BM_DrawChart_Default(benchmark::State& bench) {
  auto state = testing::DefaultRun();
  QImageChartHost host;
  for (auto _ : bench) {
    DrawChart(*state, DefaultChartRequest(), host, '.');
    benchmark::DoNotOptimize(host.picture.constBits());
  }
}
BENCHMARK(BM_DrawChart_Default)->Unit(benchmark::kMillisecond);

void BM_DrawChart_Recording(benchmark::State& bench) {
  auto state = testing::DefaultRun();
  test::RecordingHost host;
  for (auto _ : bench) {
    DrawChart(*state, DefaultChartRequest(), host, '.');
    benchmark::DoNotOptimize(host.shown.data());
  }
}
BENCHMARK(BM_DrawChart_Recording)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orv

int main(int argc, char** argv) {
  // Fonts need a QGuiApplication; no display is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
