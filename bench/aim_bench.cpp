// Speed of the studies read along the path: one aim with both solutions, a range
// table and 10,000 spread draws, beside one default run of each method.
#include <benchmark/benchmark.h>

#include <memory>

#include "flight/aim.h"
#include "flight/parallel_runs.h"
#include "flight/range_table.h"
#include "flight/spread.h"

namespace orv {
namespace {

const MethodChoice kRk45{FlightMethod::kRk45, kDefaultTolerance};

// One rk45 run of the default harpoon to the end: the unit of BM_RangeTable.
void BM_Rk45Run_Default(benchmark::State& bench) {
  auto state = std::make_unique<SharedState>();
  for (auto _ : bench) benchmark::DoNotOptimize(FlySummary(*state, StartOf(DefaultInputs()), kRk45));
}
BENCHMARK(BM_Rk45Run_Default)->Unit(benchmark::kMicrosecond);

// Both solutions through (5, 1.2) on one thread; against BM_FlightRun_Default.
void BM_Aim(benchmark::State& bench) {
  for (auto _ : bench) {
    RunControl control;
    const AimResult aim = FindAim(DefaultInputs(), kRk45, {5, 1.2}, 1, control);
    if (aim.solutions.size() != 2) bench.SkipWithError("not two solutions");
  }
}
BENCHMARK(BM_Aim)->Unit(benchmark::kMillisecond);

void BM_RangeTable(benchmark::State& bench) {
  for (auto _ : bench) benchmark::DoNotOptimize(RangeTable(DefaultInputs(), kRk45, 0.5, std::nullopt));
}
BENCHMARK(BM_RangeTable)->Unit(benchmark::kMicrosecond);

// 10,000 draws of v0 around the default harpoon, their heights at (5, 1.2), on
// bench.range(0) threads (one spread input: no one-input runs besides).
void BM_Spread_10000(benchmark::State& bench) {
  SpreadSetup setup;
  setup.inputs = DefaultInputs();
  setup.target = {5, 1.2};
  setup.draws = 10000;
  setup.seed = 1;
  setup.spreads = {{Input::kV0, 0.5}};
  for (auto _ : bench) {
    RunControl control;
    benchmark::DoNotOptimize(RunSpread(setup, static_cast<int>(bench.range(0)), control));
  }
}
BENCHMARK(BM_Spread_10000)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orv
BENCHMARK_MAIN();
