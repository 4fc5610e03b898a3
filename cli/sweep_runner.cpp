#include "cli/sweep_runner.h"

#include <array>
#include <span>

#include "base/errors.h"
#include "flight/flight_method.h"
#include "flight/flight_summary.h"
#include "flight/parallel_runs.h"
#include "flight/sweep_rows.h"

namespace orv::cli {
namespace {

// One run of the grid as a CSV row, on a state that only this thread uses. Returns
// the steps flown; RunCancelled passes through.
std::int64_t RunRow(const SweepPlan& plan, std::int64_t index, SharedState& state, RunControl& control,
                    std::string& row) {
  FlightInputs inputs = plan.fixed;
  SetGridPoint(plan.axes, index, inputs);
  std::array<double, kInputCount> varied{};
  for (std::size_t k = 0; k < plan.axes.size(); ++k)
    varied[k] = inputs[static_cast<std::size_t>(plan.axes[k].input)];
  const std::span<const double> values(varied.data(), plan.axes.size());
  row.clear();
  FlightSummary s;
  try {
    // A row needs only the end of the flight, not the sample rows.
    s = FlySummary(state, StartOf(inputs), plan.method, &control);
  } catch (const Fault& fault) {
    AppendSweepRow(row, values, nullptr, fault.what(), plan.style);
    return 0;
  }
  AppendSweepRow(row, values, &s, {}, plan.style);
  return s.steps;
}

struct Row {
  std::string text;
  std::int64_t steps = 0;
};

}  // namespace

std::string SweepHeader(const SweepPlan& plan) {
  std::vector<Input> varied;
  for (const VaryAxis& axis : plan.axes) varied.push_back(axis.input);
  return SweepHeaderText(varied, plan.style);
}

SweepResult RunSweep(const SweepPlan& plan, int jobs, RunControl& control,
                     const std::function<void(std::string_view)>& row,
                     const std::function<void(std::int64_t)>& progress) {
  SweepResult result;
  const auto fly = [&](std::int64_t run, SharedState& state, Row& slot) {
    slot.steps = RunRow(plan, run, state, control, slot.text);
  };
  const auto take = [&](std::int64_t, Row& slot) {
    row(slot.text);
    result.steps += slot.steps;
  };
  const RunsDone done = FlyInOrder<Row>(plan.first, plan.last, jobs, control, fly, take, progress);
  result.runs = done.runs;
  result.cancelled = done.cancelled;
  return result;
}

}  // namespace orv::cli
