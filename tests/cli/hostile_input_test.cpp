// orvantis-cli against input that means harm or merely surprises: names of open
// descriptors, two outputs on one file, links into nowhere, searches without end,
// tolerances beyond the doubles, an ignored Ctrl+C, messages that quote anything.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/cli_process.h"

namespace orv {
namespace {

using namespace testing;

constexpr const char* kEarlier = "earlier\n";
const Args kCompare{"compare", "--case", "v0=30", "--x", "range", "--y", "height"};

Args With(Args args, const Args& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// A name of a descriptor the program holds is written through that descriptor, as
// "-" is: appended to a log opened to append, never renamed over the file behind it.
TEST(HostileInput, NamesOfOpenDescriptorsAreWrittenInPlace) {
  struct Case {
    Args args;
    bool onError;      // the log is standard error, not standard output
    const char* part;  // what the log shows after "earlier"
  };
  const std::vector<Case> cases{
      {{"run", "--tk", "1", "--no-file", "--csv", "/dev/stdout"}, false, "time [s]"},
      {{"run", "--tk", "1", "--out", "/dev/stdout"}, false, "range"},
      {{"run", "--tk", "1", "--no-file", "--chart", "default=/dev/stdout"}, false, "<svg"},
      {{"run", "--tk", "1", "--no-file", "--csv", "/dev/stderr"}, true, "time [s]"},
      {{"run", "--tk", "1", "--no-file", "--csv", "/proc/self/fd/1"}, false, "time [s]"},
      {With(kCompare, {"--csv", "/dev/fd/1"}), false, "run,assignments,"},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    WriteFile(folder / "log.txt", kEarlier);
    const int log = open((folder / "log.txt").c_str(), O_WRONLY | O_APPEND);
    const Outcome o = RunCli(c.args, folder.path(), c.onError ? Streams{-1, log} : Streams{log, -1});
    close(log);
    EXPECT_EQ(o.exitCode, 0) << c.args.back() << o.err;
    const std::string text = ReadFile(folder / "log.txt");
    EXPECT_EQ(text.rfind(kEarlier, 0), 0u) << c.args.back();
    EXPECT_TRUE(Contains(text, c.part)) << c.args.back();
    // The summary follows the data, on the same file.
    if (!c.onError && c.args[0] == "run") {
      EXPECT_TRUE(Contains(text, "flight time")) << c.args.back();
    }
    EXPECT_EQ(Files(folder.path()), (std::vector<std::string>{"log.txt"})) << c.args.back();
  }
}

// Each a usage error: exit 2, one line naming the problem, nothing written.
TEST(HostileInput, UsageErrorsBeforeAnythingIsWritten) {
  struct Case {
    Args args;
    const char* said;
  };
  const std::vector<Case> cases{
      // Two outputs on one file, by any of its names.
      {{"run", "--out", "x.txt", "--csv", "x.txt"}, "--out and --csv name one file"},
      {{"run", "--out", "x.txt", "--csv", "./x.txt"}, "--out and --csv name one file"},
      {{"run", "--no-file", "--csv", "x.svg", "--chart", "default=x.svg"}, "--csv and --chart default name"},
      {{"run", "--no-file", "--csv", "link.svg", "--chart", "default=x.svg"},
       "--csv and --chart default name"},
      {{"run", "--out", "kept.txt", "--csv", "hard.txt"}, "--out and --csv name one file"},
      {With(kCompare, {"--chart", "c.svg", "--csv", "c.svg"}), "--chart and --csv name one file"},
      // A link into a folder that does not exist.
      {{"run", "--out", "dangling.txt"}, "the folder 'missing' does not exist"},
      // Searches without an end, or through angles that aim at nothing.
      {{"optimize", "--maximize", "range", "--over", "angle=-90:90"}, "strictly between -90 and 90"},
      {{"optimize", "--maximize", "range", "--over", "angle=0:1e308"}, "strictly between -90 and 90"},
      {{"optimize", "--maximize", "range", "--over", "mass=-1e308:1e308"}, "the width TO - FROM"},
      // Tolerances finer than doubles can meet.
      {{"run", "--method", "rk45", "--tol", "1e-25"}, "finer than"},
      {{"sweep", "--method", "rk45", "--tol", "1e-16", "--vary", "angle=0:1:1"}, "finer than"},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    WriteFile(folder / "kept.txt", kEarlier);
    fs::create_hard_link(folder / "kept.txt", folder / "hard.txt");
    fs::create_symlink("x.svg", folder / "link.svg");
    fs::create_symlink("missing/x.txt", folder / "dangling.txt");
    const Outcome o = RunCli(c.args, folder.path());
    EXPECT_EQ(o.exitCode, 2) << c.said;
    EXPECT_TRUE(Contains(o.err, c.said)) << o.err;
    EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << o.err;
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(ReadFile(folder / "kept.txt"), kEarlier);
    EXPECT_EQ(Files(folder.path()),
              (std::vector<std::string>{"dangling.txt", "hard.txt", "kept.txt", "link.svg"}))
        << c.said;
  }
}

// optimize's answer that cannot be written is an error, as run's is.
TEST(HostileInput, OptimizeSaysWhenStandardOutputTakesNothing) {
  const Args args{"optimize", "--maximize", "range", "--over", "angle=10:60", "--tol", "1"};
  TempFolder folder;
  const int full = open("/dev/full", O_WRONLY);
  Outcome o = RunCli(args, folder.path(), Streams{full, -1});
  close(full);
  EXPECT_EQ(o.exitCode, 1);
  EXPECT_EQ(o.err, "orvantis-cli: cannot write to standard output: No space left on device\n");
  o = RunCli(args, folder.path(), Streams{-1, -1, true});
  EXPECT_EQ(o.exitCode, 1);
  EXPECT_EQ(o.err, "orvantis-cli: standard output is closed\n");
}

// A search asked for more than the doubles hold ends, and says where it stopped.
TEST(HostileInput, AnOptimizeBeyondTheDoublesEndsAndSaysSo) {
  TempFolder folder;
  const Outcome o =
      RunCli({"optimize", "--maximize", "end_kinetic_energy", "--over", "angle=-89:89", "--tol", "1e-15"},
             folder.path());
  EXPECT_EQ(o.exitCode, 0) << o.err;
  EXPECT_EQ(o.err.rfind("orvantis-cli: the search stopped at the resolution of the numbers near ", 0), 0u)
      << o.err;
  EXPECT_EQ(o.out.rfind("angle", 0), 0u);
}

// A job started with Ctrl+C ignored (a script's background job) keeps ignoring it.
TEST(HostileInput, AnInheritedIgnoredCtrlCStaysIgnored) {
  TempFolder folder;
  struct sigaction ignore {
  }, before{};
  ignore.sa_handler = SIG_IGN;
  sigaction(SIGINT, &ignore, &before);
  const pid_t pid =
      Start({"run", "--no-file", "--dt", "1e-7", "--tk", "1000", "--hk", "-1e9"}, folder.path());
  sigaction(SIGINT, &before, nullptr);
  // Once it catches SIGTERM its handlers are in place: Ctrl+C then does nothing, and
  // SIGTERM ends it as SIGTERM.
  const auto mask = [pid](const std::string& name) {
    std::istringstream status(ReadFile("/proc/" + std::to_string(pid) + "/status"));
    for (std::string line; std::getline(status, line);)
      if (line.rfind(name, 0) == 0) return std::stoull(line.substr(name.size()), nullptr, 16);
    return 0ull;
  };
  for (int tries = 0; tries < 10000 && !((mask("SigCgt:") >> (SIGTERM - 1)) & 1); ++tries) usleep(1000);
  EXPECT_EQ((mask("SigIgn:") >> (SIGINT - 1)) & 1, 1u);
  kill(pid, SIGINT);
  kill(pid, SIGTERM);
  EXPECT_EQ(Finish(pid, folder.path(), 5).exitCode, 143);
}

// The figures of both methods, from a sweep of one run.
std::vector<double> SweepFigures(const Args& inputs, const char* method) {
  TempFolder folder;
  const Outcome o = RunCli(With({"sweep", "--no-header", "--method", method}, inputs), folder.path());
  EXPECT_EQ(o.exitCode, 0) << o.err;
  std::vector<double> figures;
  std::istringstream row(o.out);
  for (std::string field; std::getline(row, field, ',');)
    if (!field.empty() && field != "\r\n" && field != "\r") figures.push_back(std::stod(field));
  return figures;
}

// Where the speed along the path passes zero the path-angle equation fails: a study
// stops there with either method and the two agree; every summary says so, and the
// step check certifies nothing.
TEST(HostileInput, WhereTheSpeedPassesZeroTheMethodsAgreeAndSaySo) {
  const std::vector<Args> flights{
      {"--vary", "angle=90:90:1", "--v0", "1"},
      {"--vary", "angle=90:90:1", "--v0", "1", "--wind", "30"},
      {"--vary", "angle=30:30:1", "--wind", "-30"},
  };
  for (const Args& flight : flights) {
    const std::vector<double> euler = SweepFigures(flight, "euler"), rk45 = SweepFigures(flight, "rk45");
    ASSERT_EQ(euler.size(), 8u);
    ASSERT_EQ(rk45.size(), 8u);
    EXPECT_NEAR(euler[2], rk45[2], 1e-3) << flight[3];  // flight time, s: within a step or two
    EXPECT_NEAR(euler[3], rk45[3], 1e-2) << flight[3];  // range, m
    EXPECT_NEAR(euler[5], 0, 1e-2) << flight[3];        // the end speed: where it passed zero
    EXPECT_NEAR(rk45[5], 0, 1e-2) << flight[3];
  }
  for (const char* method : {"euler", "rk45"}) {
    TempFolder folder;
    Outcome o = RunCli({"run", "--no-file", "--angle", "90", "--v0", "1", "--method", method}, folder.path());
    EXPECT_TRUE(Contains(o.out, "\nwarning                    the speed passed zero at t = 0.101")) << o.out;
    EXPECT_TRUE(Contains(o.out, " s; the path-angle equation does not hold there\n")) << o.out;
    o = RunCli({"run", "--no-file", "--json", "--angle", "90", "--v0", "1", "--method", method},
               folder.path());
    const nlohmann::json json = nlohmann::json::parse(o.out);
    EXPECT_EQ(json["warnings"].size(), 1u);
    EXPECT_EQ(json["warnings"][0].get<std::string>().rfind("the speed passed zero at t = 0.101", 0), 0u);
  }
  TempFolder folder;
  const Outcome o = RunCli({"run", "--no-file", "--check-step", "--angle", "90", "--v0", "1"}, folder.path());
  EXPECT_EQ(o.exitCode, 0);
  EXPECT_FALSE(Contains(o.out, "step error about")) << o.out;
  EXPECT_TRUE(Contains(o.out, "the step check gives no step error")) << o.out;
}

// The greatest height is the flight's own, below zero too (a horizontal launch never
// rises above its launch height); a launch below the end height says how the methods
// differ there.
TEST(HostileInput, HeightsBelowZeroAndBelowTheEnd) {
  for (const char* method : {"euler", "rk45"}) {
    TempFolder folder;
    Outcome o = RunCli({"run", "--no-file", "--json", "--h0", "-10", "--hk", "-20", "--method", method},
                       folder.path());
    nlohmann::json json = nlohmann::json::parse(o.out);
    EXPECT_EQ(json["greatest_height_m"].get<double>(), -10.0) << method;
    EXPECT_FALSE(json.contains("warnings"));
    o = RunCli({"run", "--no-file", "--json", "--h0", "-30", "--hk", "-20", "--method", method},
               folder.path());
    json = nlohmann::json::parse(o.out);
    EXPECT_EQ(json["warnings"][0],
              "launched below the end height: euler flies one step before it looks at the "
              "height, rk45 none");
  }
}

// An overflow faults in every method and command, never an infinite or null figure.
TEST(HostileInput, AnOverflowFaultsWithEitherMethod) {
  for (const char* method : {"euler", "rk45"}) {
    TempFolder folder;
    Outcome o =
        RunCli({"sweep", "--no-header", "--method", method, "--vary", "mass=1e306:1e306:1", "--tk", "1"},
               folder.path());
    EXPECT_EQ(o.out, "1e+306,,,,,,,,Floating point overflow\r\n") << method;
    o = RunCli({"optimize", "--method", method, "--maximize", "end_kinetic_energy", "--over",
                "mass=1e306:1.5e306", "--json"},
               folder.path());
    EXPECT_EQ(o.exitCode, 1) << method;
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err, "orvantis-cli: every run of the grid faulted; the first: Floating point overflow\n");
  }
}

// compare's messages are escaped and cut like every other; its tick labels stay short.
TEST(HostileInput, CompareQuotesSafelyAndLabelsHugeNumbersShortly) {
  TempFolder folder;
  const std::string hostile = "\x1b]0;owned\x07.csv";
  fs::create_symlink("/dev/full", folder / hostile);
  Outcome o = RunCli(With(kCompare, {"--csv", hostile}), folder.path());
  EXPECT_EQ(o.exitCode, 1);
  EXPECT_EQ(o.err, "orvantis-cli: '\\x1b]0;owned\\x07.csv': Disk full\n");
  o = RunCli({"compare", "--case", "v0=0 mass=0.2" + std::string(100000, '0'), "--x", "range", "--y",
              "height", "--csv", "c.csv"},
             folder.path());
  EXPECT_EQ(o.exitCode, 1);
  EXPECT_LT(o.err.size(), 200u) << o.err.substr(0, 200);
  EXPECT_TRUE(Contains(o.err, "mass=0.2000")) << o.err.substr(0, 200);

  o = RunCli({"compare", "--case", "h0=1e300", "--x", "time", "--y", "height", "--chart", "c.svg"},
             folder.path());
  EXPECT_EQ(o.exitCode, 0) << o.err;
  const std::string svg = ReadFile(folder / "c.svg");
  EXPECT_TRUE(Contains(svg, ">1E+300<")) << svg;
  std::size_t digits = 0, longest = 0;
  for (const char c : svg)
    longest = std::max(longest, digits = std::isdigit(static_cast<unsigned char>(c)) ? digits + 1 : 0);
  EXPECT_LT(longest, 20u);
}

// rk45 keeps a bounded memory however long the flight, and a long one says so on a
// terminal, as Euler's does.
TEST(HostileInput, TheAccurateRunsMemoryIsBoundedAndALongOneSaysSo) {
  TempFolder folder;
  // A short flight first gives the program's own size (larger under a sanitizer);
  // the long one may add little to it.
  EXPECT_EQ(RunCli({"run", "--method", "rk45", "--no-file"}, folder.path()).exitCode, 0);
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  const long shortFlight = usage.ru_maxrss;
  // Some 70 000 steps: 50 MB if every step were kept.
  const Outcome o =
      RunCli({"run", "--method", "rk45", "--tk", "4e6", "--h0", "4e5", "--csv", "rows.csv"}, folder.path());
  EXPECT_EQ(o.exitCode, 0) << o.err;
  getrusage(RUSAGE_CHILDREN, &usage);
  EXPECT_LT(usage.ru_maxrss - shortFlight, 20 * 1024) << "KB";
  // Row 500 is the end of the flight.
  const std::string results = ReadFile(folder / "Orvantis_500.txt");
  EXPECT_EQ(std::count(results.begin(), results.end(), '\n'), 503);

  int master = -1, slave = -1;
  ASSERT_EQ(openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
  const pid_t pid = Start({"run", "--no-file", "--method", "rk45", "--tk", "1e8", "--h0", "1e7"},
                          folder.path(), Streams{-1, slave});
  close(slave);
  const std::string said = FirstLineOnTerminal(master);
  SendWhenCaught(pid, SIGINT);
  EXPECT_EQ(Finish(pid, folder.path(), 5).exitCode, 130);
  close(master);
  EXPECT_EQ(said.rfind("orvantis-cli: this run may take up to ", 0), 0u) << said;
}

}  // namespace
}  // namespace orv
