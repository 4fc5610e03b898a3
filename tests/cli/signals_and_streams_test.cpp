// orvantis-cli where its files and streams fight back: fifos nobody opens, a closed
// standard output, a pipe that a reader leaves, a scheduler's SIGTERM, a terminal
// that should hear about a long run.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/stat.h>

#include <string>

#include "tests/cli/cli_process.h"

namespace orv {
namespace {

using namespace testing;

constexpr const char* kPrevious = "the previous results\r\n";
// A flight of 10^10 steps: it never ends on its own within a test.
const Args kLongFlight{"--dt", "1e-7", "--tk", "1000", "--hk", "-1e9"};
// A signal ends a wait at once; this is the patience for "at once" on a loaded machine.
constexpr int kPatience = 5;

// Reads from `fd` until `text` holds `lines` CR LF line ends or `seconds` pass.
std::string ReadLines(int fd, int lines, int seconds) {
  std::string text;
  for (int waited = 0; waited < seconds * 10;) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, 100) <= 0) {
      ++waited;
      continue;
    }
    char buffer[4096];
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n <= 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
    int ends = 0;
    for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += 2) ++ends;
    if (ends >= lines) break;
  }
  return text;
}

TEST(Signals, CtrlCEndsAWaitOnAFifoWithTheFilesWhole) {
  const std::vector<Args> waits{
      {"run", "--params", "fifo"},                      // no writer
      {"run", "--out", "fifo"},                         // no reader
      {"run", "--csv", "fifo"},                         // after the results file
      {"run", "--no-file", "--chart", "default=fifo"},  // no reader of the chart
      {"sweep", "--vary", "angle=0:1:1", "--params", "fifo"},
  };
  for (const Args& args : waits) {
    TempFolder folder;
    WriteFile(folder / "Orvantis_500.txt", kPrevious);
    ASSERT_EQ(mkfifo((folder / "fifo").c_str(), 0644), 0);
    const pid_t pid = Start(args, folder.path());
    SendWhenCaught(pid, SIGINT);
    const Outcome o = Finish(pid, folder.path(), kPatience);
    EXPECT_EQ(o.exitCode, 130) << args[1] << " " << args[2];
    EXPECT_EQ(o.err, "");
    const std::string results = ReadFile(folder / "Orvantis_500.txt");
    // A results file is either the previous one or a whole new table.
    EXPECT_TRUE(results == kPrevious || std::count(results.begin(), results.end(), '\n') == 503);
    EXPECT_EQ(Files(folder.path()), (std::vector<std::string>{"Orvantis_500.txt", "fifo"}));
  }
}

TEST(Signals, SweepToAPipeGivesEachRowAtOnceAndEndsOnSigtermWithWholeRows) {
  TempFolder folder;
  int pipeFds[2];
  ASSERT_EQ(pipe(pipeFds), 0);
  // The first run is short, the second never ends.
  Args args{"sweep", "--vary", "tk=0.5:1000:999.5", "--jobs", "1"};
  args.insert(args.end(), kLongFlight.begin(), kLongFlight.end() - 4);  // --dt only
  args.insert(args.end(), {"--hk", "-1e9"});
  const pid_t pid = Start(args, folder.path(), Streams{pipeFds[1]});
  close(pipeFds[1]);
  // Heading and first row arrive while the sweep still runs.
  std::string out = ReadLines(pipeFds[0], 2, 60);
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 2) << out;
  SendWhenCaught(pid, SIGTERM);
  out += ReadLines(pipeFds[0], 100, kPatience);
  close(pipeFds[0]);
  const Outcome o = Finish(pid, folder.path(), kPatience);
  EXPECT_EQ(o.exitCode, 143);
  EXPECT_EQ(out.substr(0, 7), "tk [s],");
  EXPECT_EQ(out.substr(out.size() - 2), "\r\n");
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 2);
  EXPECT_EQ(out.find("0.5,"), out.find("\r\n") + 2);
}

TEST(Signals, SigtermEndsASweepIntoAFileWithWholeRows) {
  TempFolder folder;
  Args args{"sweep", "--vary", "angle=0:40:1", "--jobs", "2"};
  args.insert(args.end(), kLongFlight.begin(), kLongFlight.end());
  const pid_t pid = Start(args, folder.path());
  SendWhenCaught(pid, SIGTERM);
  const Outcome o = Finish(pid, folder.path(), kPatience);
  EXPECT_EQ(o.exitCode, 143);
  EXPECT_EQ(o.out.substr(0, 10), "angle [deg");
  EXPECT_EQ(o.out.substr(o.out.size() - 2), "\r\n");
}

TEST(Streams, AClosedStandardOutputIsAnErrorOfOneLine) {
  for (const Args& args :
       {Args{"run", "--no-file"}, Args{"run", "--out", "-"}, Args{"run", "--no-file", "--json"},
        Args{"sweep", "--vary", "angle=0:2:1"}, Args{"aim", "--at", "5,1.2"}, Args{"table", "--every", "1"},
        Args{"spread", "--at", "5,1.2", "--sd", "v0=0.5", "--n", "10"}}) {
    TempFolder folder;
    const Outcome o = RunCli(args, folder.path(), Streams{-1, -1, true});
    EXPECT_EQ(o.exitCode, 1) << args[1];
    EXPECT_EQ(o.err, "orvantis-cli: standard output is closed\n");
  }
}

TEST(Streams, ALongRunSaysSoOnATerminal) {
  int master = -1, slave = -1;
  ASSERT_EQ(openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
  TempFolder folder;
  Args args{"run", "--no-file"};
  args.insert(args.end(), kLongFlight.begin(), kLongFlight.end());
  const pid_t pid = Start(args, folder.path(), Streams{-1, slave});
  close(slave);
  const std::string said = FirstLineOnTerminal(master);
  SendWhenCaught(pid, SIGINT);
  const Outcome o = Finish(pid, folder.path(), kPatience);
  close(master);
  EXPECT_EQ(o.exitCode, 130);
  EXPECT_EQ(said.rfind("orvantis-cli: this run may take up to ", 0), 0u) << said;
  EXPECT_NE(said.find("; Ctrl+C stops it\r\n"), std::string::npos) << said;
}

}  // namespace
}  // namespace orv
