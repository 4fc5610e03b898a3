#include "cli/sweep_command.h"

#include <unistd.h>

#include <cstdio>
#include <thread>

#include "cli/interrupt.h"
#include "cli/output_files.h"
#include "cli/sweep_runner.h"
#include "cli/usage_error.h"

namespace orv::cli {
namespace {

// Rows to a file are buffered. A pipe or terminal gets each row as it comes, in one
// write: a reader such as `head` sees it at once (and, gone, ends the sweep at once),
// and a signal while the reader does not read finds no half row written.
void WriteRow(std::string_view row) { WriteStandardOutput(row, !StandardOutputIsFile()); }

void ShowProgress(std::int64_t done, std::int64_t total) {
  std::fprintf(stderr, "\rorvantis-cli sweep: %lld of %lld runs", static_cast<long long>(done),
               static_cast<long long>(total));
}

}  // namespace

int ExecuteSweep(const InputOptions& inputOptions, const MethodChoice& method, const SweepOptions& options) {
  SweepPlan plan;
  plan.fixed = inputOptions.Resolve();
  plan.method = method;
  for (const std::string& option : options.vary) {
    VaryAxis axis = ParseVary(option);
    for (const VaryAxis& earlier : plan.axes)
      if (earlier.input == axis.input)
        throw UsageError(std::string("--vary: ") + InfoOf(axis.input).name + " is varied twice");
    if (inputOptions.Given(axis.input))
      throw UsageError(std::string("--") + InfoOf(axis.input).name + " is given and varied at once");
    plan.axes.push_back(std::move(axis));
  }
  const std::int64_t runs = GridSize(plan.axes);
  const Shard shard = options.shard.empty() ? Shard{} : ParseShard(options.shard);
  std::tie(plan.first, plan.last) = ShardRange(runs, shard);
  plan.style = CsvStyleFor(options.decimalComma);
  const int jobs =
      options.jobs > 0 ? options.jobs : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));

  if (!options.noHeader) WriteRow(SweepHeader(plan));
  RunControl control;
  const InterruptScope interrupt(control);
  const std::int64_t total = plan.last - plan.first;
  std::function<void(std::int64_t)> progress;
  if (isatty(STDERR_FILENO)) progress = [total](std::int64_t done) { ShowProgress(done, total); };
  const SweepResult result = RunSweep(plan, jobs, control, WriteRow, progress);
  if (progress) std::fprintf(stderr, "\r\033[K");
  WriteStandardOutput({});  // the buffered rows, whole, also after a signal
  return result.cancelled || Interrupted() ? InterruptedExitCode() : kExitSuccess;
}

}  // namespace orv::cli
