// Runs a sweep's grid over several threads, each with one shared state of its own,
// and hands the CSV rows on in grid order, so the bytes do not depend on the thread
// count or on timing. A run that faults gives its fault text in its row; the sweep
// goes on.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/flight_inputs.h"
#include "cli/sweep_grid.h"
#include "files/csv_text.h"
#include "flight/flight_method.h"
#include "flight/run_control.h"

namespace orv::cli {

struct SweepPlan {
  FlightInputs fixed{};        // the inputs that do not vary
  std::vector<VaryAxis> axes;  // grid order: the last changes fastest
  std::int64_t first = 0;      // runs [first, last) of the grid
  std::int64_t last = 0;
  CsvStyle style = kCsvPoint;
  MethodChoice method;  // how every run flies
};

// The heading line: the varied inputs, the summary values, "fault"; ends in CR LF.
std::string SweepHeader(const SweepPlan& plan);

struct SweepResult {
  std::int64_t runs = 0;   // rows handed on
  std::int64_t steps = 0;  // steps of every run, both passes
  bool cancelled = false;  // control.cancel stopped it
};

// Calls `row` with each row (ending in CR LF) in grid order, from the calling
// thread; `progress` (may be empty) about every `progressEvery` with the rows done.
// Setting control.cancel stops every thread at its next look.
SweepResult RunSweep(const SweepPlan& plan, int jobs, RunControl& control,
                     const std::function<void(std::string_view)>& row,
                     const std::function<void(std::int64_t done)>& progress = {});

}  // namespace orv::cli
