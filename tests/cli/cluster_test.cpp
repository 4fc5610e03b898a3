// orvantis-cli as a cluster's job runs it: threads as many as the processors it was
// given, the grid's size asked before the study, rows whole whatever ends the
// program, and a shard stopped by its time limit continued where it stopped.
#include <gtest/gtest.h>
#include <poll.h>
#include <sched.h>
#include <sys/stat.h>

#include <cstdlib>
#include <string>

#include "tests/cli/cli_process.h"

namespace orv {
namespace {

using namespace testing;

// Lines ending in CR LF, and whether `text` ends with one (or is empty).
std::size_t RowCount(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }
bool EndsWholeRow(const std::string& text) { return text.empty() || text.ends_with("\r\n"); }

// The threads of orvantis-cli sweeping a grid whose runs after the first never end,
// once the first row has come through the pipe (by then every worker has started).
// `cpu` >= 0: started on that one processor only.
int SweepThreads(Args args, int cpu, const char* slurmCpus) {
  const Args longRuns{"sweep", "--vary", "tk=0.001:100000:999.999", "--dt", "1e-7", "--hk", "-1e9"};
  args.insert(args.begin(), longRuns.begin(), longRuns.end());
  TempFolder folder;
  int fds[2];
  EXPECT_EQ(pipe(fds), 0);
  cpu_set_t all, one;
  sched_getaffinity(0, sizeof all, &all);
  CPU_ZERO(&one);
  CPU_SET(cpu, &one);
  if (cpu >= 0) sched_setaffinity(0, sizeof one, &one);  // the child inherits the mask
  if (slurmCpus) setenv("SLURM_CPUS_PER_TASK", slurmCpus, 1);
  const pid_t pid = Start(args, folder.path(), Streams{fds[1]});
  unsetenv("SLURM_CPUS_PER_TASK");
  sched_setaffinity(0, sizeof all, &all);
  close(fds[1]);
  std::string out;
  char buffer[4096];
  while (RowCount(out) < 2) {
    pollfd p{fds[0], POLLIN, 0};
    if (poll(&p, 1, 60000) <= 0) break;
    const ssize_t n = read(fds[0], buffer, sizeof buffer);
    if (n <= 0) break;
    out.append(buffer, static_cast<std::size_t>(n));
  }
  int threads = 0;
  for ([[maybe_unused]] const auto& task : fs::directory_iterator("/proc/" + std::to_string(pid) + "/task"))
    ++threads;
  kill(pid, SIGTERM);
  close(fds[0]);
  EXPECT_EQ(Finish(pid, folder.path(), 60).exitCode, 143);
  return threads;
}

TEST(Cluster, ASweepRunsOnTheProcessorsItWasGiven) {
  unsetenv("SLURM_CPUS_PER_TASK");  // when the tests themselves run as a Slurm job
  cpu_set_t mask;
  ASSERT_EQ(sched_getaffinity(0, sizeof mask, &mask), 0);
  int first = 0;
  while (!CPU_ISSET(first, &mask)) ++first;
  const int oneJob = SweepThreads({"--jobs", "1"}, -1, nullptr);
  EXPECT_EQ(SweepThreads({}, first, nullptr), oneJob);  // taskset -c FIRST
  EXPECT_EQ(SweepThreads({}, -1, "1"), oneJob);         // sbatch --cpus-per-task 1
  if (CPU_COUNT(&mask) > 1) {
    const int all = SweepThreads({}, -1, nullptr);
    EXPECT_GT(all, oneJob);
    EXPECT_EQ(SweepThreads({}, -1, "junk"), all);
  }
}

TEST(Cluster, CountGivesTheRunsOfTheGridOrShardAndTheCapsHoldForAShard) {
  TempFolder folder;
  // 1.5 million runs, a few million too many for one sweep.
  const Args big{"sweep", "--vary", "v0=1:1500:1", "--vary", "mass=0.001:1:0.001", "--method", "rk45"};
  const auto with = [&](Args args, const Args& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
  };
  const std::pair<Args, std::string> counts[] = {
      {{"sweep", "--vary", "angle=0:10:1", "--vary", "mass=0.1:0.3:0.1", "--count"}, "33\n"},
      {{"sweep", "--vary", "angle=0:10:1", "--vary", "mass=0.1:0.3:0.1", "--count", "--shard", "2/4"}, "8\n"},
      {{"sweep", "--vary", "angle=0:10:1", "--count", "--shard", "5/20"}, "0\n"},
      {with(big, {"--count"}), "1500000\n"},
      {with(big, {"--count", "--shard", "1000/1000"}), "1500\n"},
  };
  for (const auto& [args, printed] : counts) {
    const Outcome o = RunCli(args, folder.path());
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_EQ(o.out, printed);
    EXPECT_EQ(o.err, "");
  }
  const std::pair<Args, std::string> refused[] = {
      {big,
       "orvantis-cli: --vary: the grid has 1500000 runs, more than 1000000 for one sweep; split it with "
       "--shard K/N, N at least 2\n"},
      {with(big, {"--shard", "1/1"}),
       "orvantis-cli: --shard 1/1: 1500000 runs, more than 1000000 for one sweep; split the grid into at "
       "least "
       "2 shards\n"},
      {with(big, {"--vary", "angle=0:999:1", "--count"}),
       "orvantis-cli: --vary: the grid has more than 1000000000 runs, whose rows alone would fill some 100 "
       "GB; "
       "use larger steps\n"},
  };
  for (const auto& [args, message] : refused) {
    const Outcome o = RunCli(args, folder.path());
    EXPECT_EQ(o.exitCode, 2);
    EXPECT_EQ(o.err, message);
    EXPECT_EQ(o.out, "");
  }
  // One shard of the grid is a sweep of its own.
  const Outcome shard = RunCli(with(big, {"--shard", "1000/1000", "--no-header"}), folder.path());
  EXPECT_EQ(shard.exitCode, 0) << shard.err;
  EXPECT_EQ(RowCount(shard.out), 1500u);
  EXPECT_EQ(shard.out.substr(0, 11), "1499,0.501,");
}

// A grid of a few thousand short runs, some 700 KB: long enough to be caught in the
// middle.
const Args kShortRuns{"sweep", "--method", "rk45", "--vary", "angle=0:60:0.01"};

TEST(Cluster, RowsInAFileStayWholeOnSigkillAndResumeGivesTheWholeSweep) {
  TempFolder folder;
  const Outcome whole = RunCli(kShortRuns, folder.path());
  ASSERT_EQ(whole.exitCode, 0);
  const std::string path = folder / "shard.csv";
  const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const pid_t pid = Start(kShortRuns, folder.path(), Streams{file});
  close(file);
  struct stat st {};
  for (int tries = 0; tries < 60000 && (stat(path.c_str(), &st) != 0 || st.st_size < 256 * 1024); ++tries)
    usleep(1000);
  kill(pid, SIGKILL);
  Finish(pid, folder.path());
  const std::string killed = ReadFile(path);
  EXPECT_TRUE(EndsWholeRow(killed)) << killed.size() << " bytes";
  EXPECT_EQ(whole.out.substr(0, killed.size()), killed);

  Args resume = kShortRuns;
  resume.insert(resume.end(), {"--resume", "shard.csv"});
  const Outcome resumed = RunCli(resume, folder.path());
  EXPECT_EQ(resumed.exitCode, 0) << resumed.err;
  EXPECT_EQ(resumed.out, "");
  EXPECT_EQ(ReadFile(path), whole.out);
}

TEST(Cluster, ResumeContinuesOnlyTheSameShardsRows) {
  TempFolder folder;
  const Args grid{"sweep", "--vary", "angle=0:40:5", "--vary", "mass=0.1:0.2:0.1"};
  const auto with = [&](const Args& more) {
    Args args = grid;
    args.insert(args.end(), more.begin(), more.end());
    return args;
  };
  const std::string whole = RunCli(grid, folder.path()).out;
  const std::string shard = RunCli(with({"--shard", "2/3", "--no-header"}), folder.path()).out;
  ASSERT_EQ(RowCount(whole), 19u);
  ASSERT_EQ(RowCount(shard), 6u);
  const auto rowsEnd = [](const std::string& text, std::size_t rows) {
    std::size_t end = 0;
    for (std::size_t i = 0; i < rows; ++i) end = text.find('\n', end) + 1;
    return end;
  };
  struct Case {
    Args more;
    std::string present;  // what the file holds before; "\x01": no file
    std::string after;    // the file after, with exit status 0
    std::string said;
  };
  const std::string cut = whole.substr(0, rowsEnd(whole, 8) - 5);
  const Case cases[] = {
      {{}, "\x01", whole, ""},
      {{}, "", whole, ""},
      {{}, whole.substr(0, rowsEnd(whole, 1)), whole, ""},
      {{}, whole.substr(0, rowsEnd(whole, 12)), whole, ""},
      {{}, whole, whole, ""},
      {{},
       cut,
       whole,
       "orvantis-cli: --resume: dropped the cut last line of 'f.csv' (" +
           std::to_string(cut.size() - rowsEnd(whole, 7)) + " bytes)\n"},
      {{"--shard", "2/3", "--no-header"}, shard.substr(0, rowsEnd(shard, 4)), shard, ""},
  };
  for (const Case& c : cases) {
    fs::remove(folder / "f.csv");
    if (c.present != "\x01") WriteFile(folder / "f.csv", c.present);
    Args args = with(c.more);
    args.insert(args.end(), {"--resume", "f.csv", "--jobs", "2"});
    const Outcome o = RunCli(args, folder.path());
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_EQ(o.err, c.said);
    EXPECT_EQ(ReadFile(folder / "f.csv"), c.after) << c.present.size();
  }

  const std::string half = whole.substr(0, rowsEnd(whole, 6));
  const std::pair<Args, std::string> refused[] = {
      {{"--decimal-comma"}, "does not begin with this sweep's heading line"},
      {{"--no-header"}, "row 1 is not this grid's run there"},
      {{"--shard", "2/3"}, "row 1 is not this grid's run there"},
      {{"--v0", "30"}, "row 5 differs from this sweep's run there"},
      {{"--method", "rk45"}, "row 5 differs from this sweep's run there"},
  };
  for (const auto& [more, message] : refused) {
    WriteFile(folder / "f.csv", half);
    Args args = with(more);
    args.insert(args.end(), {"--resume", "f.csv"});
    const Outcome o = RunCli(args, folder.path());
    EXPECT_EQ(o.exitCode, 2);
    EXPECT_NE(o.err.find(message), std::string::npos) << o.err;
    EXPECT_EQ(ReadFile(folder / "f.csv"), half);
  }
  WriteFile(folder / "f.csv", whole + "x");
  EXPECT_EQ(RunCli(with({"--resume", "f.csv"}), folder.path()).exitCode, 2);
  EXPECT_EQ(RunCli(with({"--resume", "-"}), folder.path()).err,
            "orvantis-cli: --resume: standard output cannot be continued; name a file\n");
}

TEST(Cluster, AStoppedSweepSaysHowManyRowsOfHowManyItWrote) {
  TempFolder folder;
  // The first run is short, the others never end.
  const Args args{
      "sweep",    "--vary", "tk=0.001:3000:999.999", "--dt", "1e-7", "--hk", "-1e9", "--jobs", "1",
      "--resume", "f.csv"};
  const pid_t pid = Start(args, folder.path());
  // Once the file is there, the sweep has begun.
  for (int tries = 0; tries < 60000 && !fs::exists(folder / "f.csv"); ++tries) usleep(1000);
  kill(pid, SIGTERM);
  const Outcome o = Finish(pid, folder.path(), 60);
  EXPECT_EQ(o.exitCode, 143);
  const std::size_t rows = RowCount(ReadFile(folder / "f.csv")) - 1;
  EXPECT_EQ(o.err, "orvantis-cli: sweep stopped with " + std::to_string(rows) + " of 4 rows written\n");
}

}  // namespace
}  // namespace orv
