// Sample tables for chart tests, built on the heap (the table alone is 400 kB).
#pragma once

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

}  // namespace orv::test
