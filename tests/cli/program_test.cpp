// orvantis-cli as a user runs it: the results file the window's START writes, exit
// codes and messages, files kept on failure, Ctrl+C, sweeps equal to single runs.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <charconv>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "base/input_table.h"
#include "base/number_text.h"
#include "base/parameter_fields.h"
#include "base/preset_data.h"
#include "charts/chart_catalogue.h"
#include "charts/chart_engine.h"
#include "flight/start_flight.h"
#include "tests/recording_surface.h"
#include "tests/sim_test_support.h"

extern char** environ;

namespace orv {
namespace {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;

struct Outcome {
  int exitCode = -1;  // minus the signal that ended it
  std::string out, err;
};

// Starts orvantis-cli in `folder` with its output going to files there.
pid_t Start(const Args& args, const fs::path& folder) {
  std::vector<char*> argv{const_cast<char*>(ORVANTIS_CLI)};
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, ".stdout", O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, ".stderr", O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t pid = -1;
  EXPECT_EQ(posix_spawn(&pid, ORVANTIS_CLI, &actions, nullptr, argv.data(), environ), 0);
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

Outcome Finish(pid_t pid, const fs::path& folder) {
  int status = 0;
  EXPECT_EQ(waitpid(pid, &status, 0), pid);
  Outcome o;
  o.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
  o.out = testing::ReadFile(folder / ".stdout");
  o.err = testing::ReadFile(folder / ".stderr");
  fs::remove(folder / ".stdout");
  fs::remove(folder / ".stderr");
  return o;
}

Outcome RunCli(const Args& args, const fs::path& folder) { return Finish(Start(args, folder), folder); }

// Every file of the folder but the captured output, by name.
std::vector<std::string> Files(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// --- The same results file as the window's START --------------------------------

// The window's way: the activation with the default values, the user types each
// value into its input's field (a value without a field is a default of the start
// window), START.
std::string WindowResultsFile(const Args& args, const fs::path& folder) {
  auto state = std::make_unique<SharedState>();
  PresetRecord preset;
  StoreDefaultValues(preset);
  std::vector<std::pair<Field, std::string>> typed;
  for (std::size_t i = 0; i + 1 < args.size(); i += 2) {
    const InputInfo& info = InfoOf(FindInput(std::string_view(args[i]).substr(2)).value());
    if (info.field)
      typed.emplace_back(*info.field, args[i + 1]);
    else
      TextToFloat(args[i + 1], '.', preset[info.preset]);
  }
  TextFields fields(state->fd, '.');
  ActivateParameterSet(preset, state->fd, fields);
  for (const auto& [field, text] : typed) fields.Type(field, text);
  test::RecordingHost host;
  const std::string path = (folder / "window.txt").string();
  StartFlight(*state, nullptr, path);
  DrawChart(*state, DefaultChartRequest(), host, '.');
  EXPECT_EQ(host.pictures, 1);
  return testing::ReadFile(path);
}

TEST(Program, RunWritesTheResultsFileOfTheWindowsStart) {
  const std::vector<Args> inputs{
      {},
      {"--v0", "12", "--angle", "30"},
      {"--mass", "2.5", "--area", "1e-3", "--cx", "0.8", "--cy", "0.3"},
      {"--h0", "30000", "--tk", "3650", "--dt", "0.01"},  // minutes and kilometres in the table
      {"--dt", "0.001", "--wind", "3", "--angle", "-15"},
  };
  for (const Args& args : inputs) {
    testing::TempFolder folder;
    Args command{"run"};
    command.insert(command.end(), args.begin(), args.end());
    const Outcome o = RunCli(command, folder.path());
    ASSERT_EQ(o.exitCode, 0) << o.err;
    const std::string file = testing::ReadFile(folder / "Orvantis_500.txt");
    ASSERT_EQ(std::count(file.begin(), file.end(), '\n'), 503);
    EXPECT_TRUE(file == WindowResultsFile(args, folder.path())) << (args.empty() ? "defaults" : args[0]);
  }
}

TEST(Program, ResultsFileToStandardOutputAndSummaryToStandardError) {
  testing::TempFolder folder;
  const Outcome o = RunCli({"run", "--out", "-"}, folder.path());
  ASSERT_EQ(o.exitCode, 0);
  EXPECT_EQ(o.out, WindowResultsFile({}, folder.path()));
  EXPECT_NE(o.err.find("steps per pass             7676\n"), std::string::npos) << o.err;
  EXPECT_EQ(Files(folder.path()), (std::vector<std::string>{"window.txt"}));
}

// --- Errors: message, exit code, and the previous results file kept --------------

constexpr const char* kPrevious = "the previous results\r\n";

TEST(Program, UsageErrorsExitTwoWithOneLineAndWriteNothing) {
  const std::vector<std::pair<Args, std::string>> cases{
      {{"run", "--v0", "abc"}, "orvantis-cli: --v0: 'abc' is not a valid floating point value\n"},
      {{"run", "--v0", "0,5"}, "orvantis-cli: --v0: '0,5' is not a valid floating point value\n"},
      {{"run", "--speed", "3"}, "orvantis-cli: unknown option '--speed'\n"},
      {{"run", "--v0"}, "orvantis-cli: --v0: 1 required NUMBER missing\n"},
      {{"run", "12"}, "orvantis-cli: unexpected argument '12'\n"},
      {{"run", "--out", "no/such/folder/r.txt"},
       "orvantis-cli: --out: the folder 'no/such/folder' does not exist\n"},
      {{"run", "--chart", "Button99=c.svg"},
       "orvantis-cli: --chart: no chart is called 'Button99' (default, Button3, Button27, Button22, Button8, "
       "Button4, Button10, Button9, Button2, Button16, Button15)\n"},
      {{"sweep", "--vary", "angle=0:45:0"}, "orvantis-cli: --vary angle=0:45:0: STEP must not be 0\n"},
      {{"sweep", "--vary", "angle=45:0:5"},
       "orvantis-cli: --vary angle=45:0:5: STEP must be negative to go from FROM to TO\n"},
      {{"sweep", "--vary", "angle=0:1:1", "--angle", "3"},
       "orvantis-cli: --angle is given and varied at once\n"},
      {{"sweep", "--vary", "angle=0:1:1", "--shard", "4/3"},
       "orvantis-cli: --shard: expected K/N with 1 <= K <= N, not '4/3'\n"},
      {{}, "orvantis-cli: choose a command, run or sweep (see orvantis-cli --help)\n"},
  };
  for (const auto& [args, message] : cases) {
    testing::TempFolder folder;
    testing::WriteFile(folder / "Orvantis_500.txt", kPrevious);
    const Outcome o = RunCli(args, folder.path());
    EXPECT_EQ(o.exitCode, 2) << message;
    EXPECT_EQ(o.err, message);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(testing::ReadFile(folder / "Orvantis_500.txt"), kPrevious);
    EXPECT_EQ(Files(folder.path()), (std::vector<std::string>{"Orvantis_500.txt"}));
  }
}

TEST(Program, FaultedFlightExitsOneAndKeepsThePreviousFile) {
  testing::TempFolder folder;
  testing::WriteFile(folder / "Orvantis_500.txt", kPrevious);
  // Launched at 0 m/s horizontally: the path angle's rate divides by zero.
  const Outcome o =
      RunCli({"run", "--v0", "0", "--csv", "data.csv", "--chart", "default=c.svg"}, folder.path());
  EXPECT_EQ(o.exitCode, 1);
  EXPECT_EQ(o.err, "orvantis-cli: Floating point division by zero\n");
  EXPECT_EQ(testing::ReadFile(folder / "Orvantis_500.txt"), kPrevious);
  EXPECT_EQ(Files(folder.path()), (std::vector<std::string>{"Orvantis_500.txt"}));
}

TEST(Program, ChartThatCannotBeDrawnCostsOnlyThatChart) {
  testing::TempFolder folder;
  testing::WriteFile(folder / "Orvantis_500.txt", kPrevious);
  // From 0 m the flight ends after one step: one recorded row, no x scale.
  const Outcome o =
      RunCli({"run", "--h0", "0", "--chart", "default=c.svg", "--csv", "data.csv"}, folder.path());
  EXPECT_EQ(o.exitCode, 1);
  EXPECT_EQ(o.err, "orvantis-cli: chart default: Floating point division by zero\n");
  EXPECT_NE(o.out.find("steps per pass             1\n"), std::string::npos);
  EXPECT_EQ(Files(folder.path()), (std::vector<std::string>{"Orvantis_500.txt", "data.csv"}));
  EXPECT_NE(testing::ReadFile(folder / "Orvantis_500.txt"), kPrevious);
}

// Waits until the program catches SIGINT (at most ten seconds), then presses Ctrl+C.
void Interrupt(pid_t pid) {
  const std::string status = "/proc/" + std::to_string(pid) + "/status";
  bool caught = false;
  for (int tries = 0; !caught && tries < 10000; ++tries) {
    std::ifstream in(status);
    std::string line;
    while (std::getline(in, line))
      if (line.rfind("SigCgt:", 0) == 0)
        caught = (std::stoull(line.substr(7), nullptr, 16) >> (SIGINT - 1)) & 1;
    if (!caught) usleep(1000);
  }
  kill(pid, SIGINT);
}

TEST(Program, CtrlCStopsARunOrASweepWithExitCode130) {
  // A flight of 10^10 steps: it never ends on its own within a test.
  const Args longFlight{"--dt", "1e-7", "--tk", "1000", "--hk", "-1e9"};
  for (Args args : {Args{"run", "--chart", "default=c.svg"}, Args{"sweep", "--vary", "angle=0:20:1"}}) {
    args.insert(args.end(), longFlight.begin(), longFlight.end());
    testing::TempFolder folder;
    testing::WriteFile(folder / "Orvantis_500.txt", kPrevious);
    const pid_t pid = Start(args, folder.path());
    Interrupt(pid);
    const Outcome o = Finish(pid, folder.path());
    EXPECT_EQ(o.exitCode, 130) << args[0];
    EXPECT_EQ(testing::ReadFile(folder / "Orvantis_500.txt"), kPrevious);
    EXPECT_EQ(Files(folder.path()), (std::vector<std::string>{"Orvantis_500.txt"}));
  }
}

const char* const kSummaryKeys[] = {"flight_time_s",      "range_m",
                                    "greatest_height_m",  "end_speed_m_s",
                                    "end_path_angle_deg", "end_kinetic_energy_J"};

// --- Sweeps ---------------------------------------------------------------------

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  return lines;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields(1);
  for (char c : line) c == ',' ? fields.emplace_back() : fields.back() += c, void();
  return fields;
}

double Number(const std::string& text) {
  double v = 0;
  std::from_chars(text.data(), text.data() + text.size(), v);
  return v;
}

// Every input of the table, as an option, a parameter file's line and a sweep's
// axis, flies as the window flies it with the value typed into the input's field.
TEST(Program, EveryInputReachesTheRunAsItsFieldDoes) {
  testing::TempFolder folder;
  const std::string help = RunCli({"run", "--help"}, folder.path()).out;
  for (const InputInfo& info : InputTable()) {
    const std::string option = std::string("--") + info.name;
    EXPECT_NE(help.find(option + " NUMBER"), std::string::npos) << option;
    const std::string text = FloatToText(info.defaultValue == 0 ? 0.5 : info.defaultValue * 1.5, '.');
    double value = 0;
    TextToFloat(text, '.', value);
    const std::string window = WindowResultsFile({option, text}, folder.path());

    const Outcome byOption = RunCli({"run", "--json", option, text}, folder.path());
    ASSERT_EQ(byOption.exitCode, 0) << option << byOption.err;
    EXPECT_EQ(nlohmann::json::parse(byOption.out)["inputs"][info.name].get<double>(), value) << option;
    EXPECT_TRUE(testing::ReadFile(folder / "Orvantis_500.txt") == window) << option;

    std::ofstream(folder / "study.txt") << "# one input\n" << info.name << " = " << text << "\n";
    const Outcome byFile = RunCli({"run", "--params", "study.txt", "--out", "file.txt"}, folder.path());
    ASSERT_EQ(byFile.exitCode, 0) << option << byFile.err;
    EXPECT_TRUE(testing::ReadFile(folder / "file.txt") == window) << option;

    const Outcome swept =
        RunCli({"sweep", "--no-header", "--vary", std::string(info.name) + "=" + text + ":" + text + ":1"},
               folder.path());
    ASSERT_EQ(swept.exitCode, 0) << option << swept.err;
    const std::string steps =
        std::to_string(nlohmann::json::parse(byOption.out)["steps_per_pass"].get<int>());
    const std::vector<std::string> row = Fields(swept.out.substr(0, swept.out.find('\r')));
    ASSERT_GT(row.size(), 2u) << option;
    EXPECT_EQ(Number(row[0]), value) << option;
    EXPECT_EQ(row[1], steps) << option;
  }
}

TEST(Program, SweepRowsEqualSingleRuns) {
  testing::TempFolder folder;
  const Outcome sweep =
      RunCli({"sweep", "--vary", "angle=-10:20:15", "--vary", "v0=10:30:20", "--jobs", "2"}, folder.path());
  ASSERT_EQ(sweep.exitCode, 0) << sweep.err;
  const std::vector<std::string> lines = Lines(sweep.out);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(
      lines[0],
      "angle [deg],v0 [m/s],steps per pass,flight time [s],range [m],greatest height [m],speed at the end "
      "[m/s],path angle at the end [deg],kinetic energy at the end [J],fault");
  for (std::size_t r = 1; r < lines.size(); ++r) {
    const std::vector<std::string> f = Fields(lines[r]);
    const Outcome single =
        RunCli({"run", "--no-file", "--json", "--angle", f[0], "--v0", f[1]}, folder.path());
    ASSERT_EQ(single.exitCode, 0);
    const auto json = nlohmann::json::parse(single.out);
    EXPECT_EQ(json["inputs"]["angle"].get<double>(), Number(f[0]));
    EXPECT_EQ(json["steps_per_pass"].get<double>(), Number(f[2]));
    for (std::size_t k = 0; k < 6; ++k)
      EXPECT_EQ(json[kSummaryKeys[k]].get<double>(), Number(f[3 + k])) << kSummaryKeys[k];
    EXPECT_EQ(f[9], "");
  }
}

TEST(Program, SweepBytesDoNotDependOnThreadsOrShards) {
  testing::TempFolder folder;
  const Args sweep{"sweep", "--vary", "mass=0.1:1:0.3", "--vary", "angle=-40:40:20", "--decimal-comma"};
  const auto run = [&](Args extra) {
    Args args = sweep;
    args.insert(args.end(), extra.begin(), extra.end());
    const Outcome o = RunCli(args, folder.path());
    EXPECT_EQ(o.exitCode, 0) << o.err;
    return o.out;
  };
  const std::string one = run({"--jobs", "1"});
  EXPECT_EQ(run({"--jobs", "2"}), one);
  const std::string shards = run({"--shard", "1/3", "--no-header"}) + run({"--shard", "2/3", "--no-header"}) +
                             run({"--shard", "3/3", "--no-header"});
  EXPECT_EQ(shards, one.substr(one.find("\r\n") + 2));
  EXPECT_EQ(Lines(one).size(), 21u);
}

// --- The time step's error -----------------------------------------------------

TEST(Program, StepCheckIsTwiceTheChangeOfHalvingTheStep) {
  testing::TempFolder folder;
  const auto json = [&](Args args) {
    args.insert(args.begin(), {"run", "--no-file", "--json", "--angle", "30"});
    const Outcome o = RunCli(args, folder.path());
    EXPECT_EQ(o.exitCode, 0) << o.err;
    return nlohmann::json::parse(o.out);
  };
  const auto checked = json({"--dt", "0.001", "--check-step"});
  const auto atStep = json({"--dt", "0.001"}), atHalfStep = json({"--dt", "0.0005"});
  for (const char* key : kSummaryKeys) {
    EXPECT_EQ(checked[key], atStep[key]) << key;
    const double error = checked["step_check"][key].get<double>();
    EXPECT_EQ(error, 2 * (atStep[key].get<double>() - atHalfStep[key].get<double>())) << key;
  }
  // Euler's error is of the order of the step: a landing 1.6 s after launch is known
  // to about a millimetre per 0.1 ms.
  EXPECT_GT(std::abs(checked["step_check"]["range_m"].get<double>()), 1e-3);
  EXPECT_LT(std::abs(checked["step_check"]["range_m"].get<double>()), 0.1);

  const Outcome text = RunCli({"run", "--no-file", "--check-step"}, folder.path());
  ASSERT_EQ(text.exitCode, 0);
  EXPECT_NE(text.out.find("\nrange                      6.9396 m (step error about 0.0006 m)\n"),
            std::string::npos)
      << text.out;
}

// --- Help, version, man page, CSV, pictures ------------------------------------

TEST(Program, HelpVersionAndManPage) {
  testing::TempFolder folder;
  const Outcome version = RunCli({"--version"}, folder.path());
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, "orvantis-cli " ORVANTIS_VERSION "\n");
  for (const Args& args : {Args{"--help"}, Args{"run", "--help"}, Args{"sweep", "--help"}}) {
    const Outcome help = RunCli(args, folder.path());
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("Usage: orvantis-cli"), std::string::npos);
    EXPECT_NE(help.out.find(ORVANTIS_CLI_PNG ? "PNG charts:\n  built in" : "PNG charts:\n  not built"),
              std::string::npos);
  }
  const std::string man = testing::ReadFile(ORVANTIS_CLI_MAN);
  EXPECT_NE(man.find(".TH ORVANTIS-CLI \"1\""), std::string::npos);
  EXPECT_NE(man.find("\\-\\-vary"), std::string::npos);
  EXPECT_NE(man.find("\\-\\-decimal\\-comma"), std::string::npos);
  EXPECT_NE(man.find(".SS \"Sweep grid and threads:\""), std::string::npos);
}

TEST(Program, CsvAndChartFiles) {
  testing::TempFolder folder;
  Args args{"run", "--no-file", "--csv", "data.csv", "--chart", "default=d.svg", "--chart", "Button3=b.svg"};
  if (ORVANTIS_CLI_PNG) args.insert(args.end(), {"--chart", "default=d.png"});
  const Outcome o = RunCli(args, folder.path());
  ASSERT_EQ(o.exitCode, 0) << o.err;
  const std::string csv = testing::ReadFile(folder / "data.csv");
  EXPECT_EQ(csv.substr(0, csv.find("\r\n")).substr(0, 44), "time [s],range [m],height [m],speed [m/s],ki");
  EXPECT_EQ(Lines(csv).size(), 501u);
  EXPECT_EQ(testing::ReadFile(folder / "d.svg").substr(0, 38), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
  EXPECT_EQ(std::system(("xmllint --noout " + (folder / "b.svg")).c_str()), 0);
  if (ORVANTIS_CLI_PNG) {
    const std::string png = testing::ReadFile(folder / "d.png");
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(png.substr(16, 8), std::string("\0\0\x03\x20\0\0\x02\x58", 8));  // 800 x 600
  }
}

}  // namespace
}  // namespace orv
