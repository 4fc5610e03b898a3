// Speed of the flight run against the bare motion-step equations.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <time.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "base/flight_data.h"
#include "base/preset_data.h"
#include "files/results_file.h"
#include "flight/flight_run.h"
#include "tests/default_run.h"

namespace orv {
namespace {

// Processor time of this process, ns: the per-step figure should not depend on what
// else the machine runs.
double CpuNanoseconds() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) * 1e9 + static_cast<double>(ts.tv_nsec);
}

// Times the benchmark loop; `body` returns the steps of one iteration.
template <typename Body>
void TimePerStep(benchmark::State& bench, Body body) {
  double steps = 0;
  const double start = CpuNanoseconds();
  for (auto _ : bench) steps += static_cast<double>(body());
  bench.counters["ns_per_step"] = (CpuNanoseconds() - start) / steps;
}

void BM_FlightRun_Default(benchmark::State& bench) {
  auto state = testing::DefaultState();
  std::string pattern = (std::filesystem::temp_directory_path() / "orvantis_bench_XXXXXX").string();
  const std::filesystem::path folder = mkdtemp(pattern.data());
  const std::string path = (folder / kResultsFileName).string();
  TimePerStep(bench, [&] {
    const std::int64_t steps = RunFlight(*state);
    WriteResultsFile(*state, path);
    return steps;
  });
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_FlightRun_Default)->Unit(benchmark::kMillisecond);

// A 500 kg body of 0.01 m2 and Cx 0.05 shot down at 45 degrees from 100 km: it falls
// through 32 atmosphere layers in about 14 million steps of 50 microseconds a pass.
constexpr double kLongMass = 500, kLongArea = 0.01, kLongCx = 0.05, kLongStep = 5e-5;
constexpr double kLongHeight = 100000, kLongSpeed = 1000, kLongAngle = -45;

std::unique_ptr<SharedState> LongState() {
  auto state = testing::DefaultState();
  FlightData& fd = state->fd;
  fd.MassaStart() = kLongMass;
  fd.S0 = kLongArea;
  fd.Cx() = kLongCx;
  fd.H0() = kLongHeight;
  fd.V0() = kLongSpeed;
  fd.TTO() = kLongAngle;
  fd.Tk() = 1e6;
  fd.dt0() = kLongStep;
  return state;
}

// ns_per_step counts the steps of both passes, as if the second flew them all.
// second_pass_steps are the steps it does fly (up to each row from the nearest
// checkpoint), checkpoint_MiB the memory the first pass sets aside for its
// checkpoints (their peak).
void BM_FlightRun_Long(benchmark::State& bench) {
  auto state = LongState();
  std::int64_t steps = 0;
  TimePerStep(bench, [&] { return steps = RunFlight(*state); });
  RunControl control;
  RunFlight(*state, &control);
  bench.counters["steps_per_pass"] = static_cast<double>(steps / 2);
  bench.counters["second_pass_steps"] = static_cast<double>(control.total.load() - steps / 2);
  bench.counters["checkpoint_MiB"] = static_cast<double>(control.checkpointBytes.load()) / (1 << 20);
}
BENCHMARK(BM_FlightRun_Long)->Unit(benchmark::kMillisecond);

// The same run with the full second pass, which repeats every step of the first.
void BM_FlightRun_Long_FullSecondPass(benchmark::State& bench) {
  auto state = LongState();
  TimePerStep(bench, [&] { return RunFlight(*state, nullptr, SecondPass::kFull); });
}
BENCHMARK(BM_FlightRun_Long_FullSecondPass)->Unit(benchmark::kMillisecond);

// The same run as the window does it: followed by another thread, which may cancel it.
void BM_FlightRun_Long_Followed(benchmark::State& bench) {
  auto state = LongState();
  TimePerStep(bench, [&] {
    RunControl control;
    return RunFlight(*state, &control);
  });
}
BENCHMARK(BM_FlightRun_Long_Followed)->Unit(benchmark::kMillisecond);

// The floor: the motion step's equations alone, one pass of the same flight (the
// same angles for sin and cos, the same number of steps), without the atmosphere,
// the fault checks and the samples.
void BM_BareEulerStep(benchmark::State& bench) {
  constexpr double g = 9.8, rho = 1000, F = 0, W = 0, Cy = 0, limit = 90.0 / 57.3;
  const double m = kLongMass, S = kLongArea, Cx = kLongCx, dt = kLongStep;
  TimePerStep(bench, [&] {
    double t = 0, H = kLongHeight, X = 0, V = kLongSpeed, Q = kLongAngle / 57.3;
    double qDyn = 0, accel = 0, drag = 0, lift = 0, nx = 0, fin = 0;
    std::int64_t steps = 0;
    do {
      const double q = rho * V * V / 2;
      qDyn = q;
      const double s = std::sin(Q), c = std::cos(Q);
      accel = F / m + 0.0 * s / m - Cx * rho * ((W * c + V) * (W * c + V)) * S / 2 / m - g * s;
      X = X + (W * c + V) * c * dt;
      H = H + V * s * dt;
      V = V + accel * dt;
      Q = Q + (-c * g / V) * dt;
      if (Q <= -limit) Q = -limit;
      if (Q >= limit) Q = limit;
      t = t + dt;
      drag = Cx * q * S;
      lift = Cy * q * S;
      nx = (F - drag) / m / g;
      fin = m * accel;
      benchmark::DoNotOptimize(nx);
      benchmark::DoNotOptimize(fin);
      ++steps;
    } while (H > 0);
    benchmark::DoNotOptimize(t);
    benchmark::DoNotOptimize(H);
    benchmark::DoNotOptimize(X);
    benchmark::DoNotOptimize(qDyn);
    benchmark::DoNotOptimize(lift);
    return steps;
  });
}
BENCHMARK(BM_BareEulerStep)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orv

BENCHMARK_MAIN();
