// A sweep's speed: 1 000 flights of the default kind with the launch angle varied,
// on one thread and on two, flown by the classic method and by rk45 at its default
// tolerance. ns_per_step is wall time over the steps of all flights, to set beside
// BM_FlightRun_Default's per-step time of a single flight; ns_per_flight compares
// the two methods; cpu_us_per_flight is the processor time of the whole process per
// flight, which holds still on a machine that other work keeps busy.
#include <benchmark/benchmark.h>
#include <time.h>

#include <chrono>
#include <string_view>
#include <vector>

#include "cli/sweep_runner.h"
#include "flight/parallel_runs.h"

namespace orv::cli {
namespace {

double CpuSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

void Sweep1000(benchmark::State& bench, FlightMethod method) {
  const int jobs = static_cast<int>(bench.range(0));
  SweepPlan plan;
  plan.fixed = DefaultInputs();
  plan.axes.push_back(ParseVary("angle=-45:44.91:0.09"));
  plan.last = GridSize(plan.axes);
  plan.method.method = method;
  double steps = 0, flights = 0;
  const auto start = std::chrono::steady_clock::now();
  const double cpuStart = CpuSeconds();
  for (auto _ : bench) {
    RunControl control;
    steps += static_cast<double>(RunSweep(plan, jobs, control, [](std::string_view row) {
                                   benchmark::DoNotOptimize(row.data());
                                 }).steps);
    flights += static_cast<double>(plan.last);
  }
  const std::chrono::duration<double, std::nano> wall = std::chrono::steady_clock::now() - start;
  bench.counters["ns_per_step"] = wall.count() / steps;
  bench.counters["ns_per_flight"] = wall.count() / flights;
  bench.counters["cpu_us_per_flight"] = (CpuSeconds() - cpuStart) * 1e6 / flights;
  bench.counters["flights"] = static_cast<double>(plan.last);
}

void BM_Sweep_1000(benchmark::State& bench) { Sweep1000(bench, FlightMethod::kEuler); }
void BM_Sweep_1000_RK45(benchmark::State& bench) { Sweep1000(bench, FlightMethod::kRk45); }
// The calling thread only hands rows on, so its processor time says nothing: timed
// on the wall clock.
BENCHMARK(BM_Sweep_1000)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sweep_1000_RK45)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

// The window's sweep: 1 000 flights of the default values (the studies' grid flown
// by FlyAll, which the window's Sweep... and the search for the best value use), on
// one thread and on two. The window's goal: under a second on two processors.
void WindowSweep1000(benchmark::State& bench, FlightMethod method) {
  const int jobs = static_cast<int>(bench.range(0));
  const std::vector<FlightInputs> runs(1000, DefaultInputs());
  MethodChoice choice;
  choice.method = method;
  double flights = 0;
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : bench) {
    RunControl control;
    benchmark::DoNotOptimize(FlyAll(runs, choice, jobs, control).data());
    flights += static_cast<double>(runs.size());
  }
  const std::chrono::duration<double, std::nano> wall = std::chrono::steady_clock::now() - start;
  bench.counters["ns_per_flight"] = wall.count() / flights;
}

void BM_WindowSweep_1000(benchmark::State& bench) { WindowSweep1000(bench, FlightMethod::kEuler); }
void BM_WindowSweep_1000_RK45(benchmark::State& bench) { WindowSweep1000(bench, FlightMethod::kRk45); }
BENCHMARK(BM_WindowSweep_1000)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowSweep_1000_RK45)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orv::cli

BENCHMARK_MAIN();
