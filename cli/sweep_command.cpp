#include "cli/sweep_command.h"

#include <unistd.h>

#include <cstdio>
#include <optional>

#include "base/errors.h"
#include "base/processors.h"
#include "cli/interrupt.h"
#include "cli/message_text.h"
#include "cli/output_files.h"
#include "cli/row_writer.h"
#include "cli/sweep_resume.h"
#include "cli/sweep_runner.h"
#include "cli/usage_error.h"

namespace orv::cli {
namespace {

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
  if (options.count) {
    WriteStandardOutput(std::to_string(plan.last - plan.first) + "\n");
    return kExitSuccess;
  }
  CheckSweepRuns(runs, shard, !options.shard.empty());
  plan.style = CsvStyleFor(options.decimalComma);
  const int jobs = options.jobs > 0 ? options.jobs : UsableProcessors();
  const std::int64_t total = plan.last - plan.first;
  const std::string heading = options.noHeader ? std::string() : SweepHeader(plan);

  RunControl control;
  const InterruptScope interrupt(control);
  std::optional<ResumedFile> resumed;
  if (!options.resumePath.empty()) {
    try {
      resumed.emplace(options.resumePath, plan, heading, [&](std::int64_t index) {
        SweepPlan one = plan;
        one.first = index;
        one.last = index + 1;
        std::string row;
        if (RunSweep(one, 1, control, [&](std::string_view text) { row = text; }).cancelled)
          throw RunCancelled();
        return row;
      });
    } catch (const RunCancelled&) {
      return InterruptedExitCode();
    }
    plan.first += resumed->rows();
  }
  RowWriter writer(resumed ? resumed->fd() : STDOUT_FILENO, options.resumePath);
  if (!heading.empty() && !(resumed && resumed->hasHeading())) writer.Write(heading);
  std::function<void(std::int64_t)> progress;
  if (isatty(STDERR_FILENO))
    progress = [&](std::int64_t done) { ShowProgress(done, plan.last - plan.first); };
  const SweepResult result = RunSweep(
      plan, jobs, control, [&](std::string_view row) { writer.Write(row); }, progress);
  if (progress) std::fprintf(stderr, "\r\033[K");
  writer.Flush();  // the rows in hand, whole, also after a signal
  if (resumed) resumed->Close();
  if (!result.cancelled && !Interrupted()) return kExitSuccess;
  const std::int64_t written = (resumed ? resumed->rows() : 0) + result.runs;
  ReportError("sweep stopped with " + std::to_string(written) + " of " + std::to_string(total) +
              " rows written");
  return InterruptedExitCode();
}

}  // namespace orv::cli
