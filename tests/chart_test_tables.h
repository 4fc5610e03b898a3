// Sample tables for chart tests, built on the heap (the table alone is 400 kB).
#pragma once

#include <cmath>
#include <functional>
#include <memory>

#include "base/flight_data.h"

namespace orv::test {

inline std::unique_ptr<SharedState> EmptyState() { return std::make_unique<SharedState>(); }

// A table of `rows` rows whose column c holds fill(c, j) in sample j (row j + 1);
// row 1, which charts never draw, holds `rowOne` in every column.
inline std::unique_ptr<SharedState> TableOf(const std::function<double(int column, int j)>& fill,
                                            int rows = 500, double rowOne = 0.0) {
  auto state = EmptyState();
  state->SampleRows = rows;
  for (int c = 0; c < kSampleColumns; ++c) {
    state->Sample(c, 1) = rowOne;
    for (int row = 2; row <= rows; ++row) state->Sample(c, row) = fill(c, row - 1);
  }
  return state;
}

// A harpoon shot horizontally at 30.2 m/s from 1.7 m through water (0.18 kg,
// 0.00005 m2, Cx 2.1), integrated with explicit Euler and sampled 500 times: the
// shape of a default run, for charts that need realistic curves.
inline std::unique_ptr<SharedState> HarpoonShot() {
  constexpr double kMass = 0.18, kArea = 0.00005, kCx = 2.1, kRho = 1000.0, kG = 9.8, kDt = 0.0001;
  auto state = EmptyState();
  state->SampleRows = 500;
  double t = 0, x = 0, h = 1.7, v = 30.2, q = 0;
  // Duration first, then the samples at every five-hundredth of it.
  auto step = [&]() {
    const double drag = 0.5 * kRho * v * v * kCx * kArea;  // N
    v += (-drag / kMass - kG * std::sin(q)) * kDt;         // dV/dt = -D/m - g sin Q
    q += (-kG * std::cos(q) / v) * kDt;                    // dQ/dt = -g cos Q / V
    h += v * std::sin(q) * kDt;
    x += v * std::cos(q) * kDt;
    t += kDt;
    return drag;
  };
  while (h > 0 && t < 5) step();
  const double duration = t;
  t = 0, x = 0, h = 1.7, v = 30.2, q = 0;
  int row = 1;
  while (h > 0 && t < 5 && row <= 500) {
    const double drag = step();
    if (t >= row * duration / 500 || row == 1) {
      state->Sample(0, row) = t;
      state->Sample(1, row) = v;
      state->Sample(2, row) = kMass * v * v / 2;
      state->Sample(3, row) = h < 0 ? 0 : h;
      state->Sample(4, row) = q * 57.3;
      state->Sample(5, row) = -drag;
      state->Sample(7, row) = x;
      state->Sample(10, row) = -drag - kMass * kG * std::sin(q);
      ++row;
    }
  }
  for (; row <= 500; ++row)  // the last step fell short of the last multiple
    for (int c = 0; c < kSampleColumns; ++c) state->Sample(c, row) = state->Sample(c, row - 1);
  return state;
}

}  // namespace orv::test
