// orvantis-cli as a user runs it: the results file the window's START writes, exit
// codes and messages, files kept on failure, Ctrl+C, sweeps equal to single runs.
#include <gtest/gtest.h>

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
#include "tests/cli/cli_process.h"
#include "tests/recording_surface.h"

namespace orv {
namespace {

using namespace testing;

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
  // 7676 steps of 0.0001 s, to 10 digits: the sum's last bits are not shown.
  EXPECT_NE(o.err.find("method                     euler\n"
                       "steps per pass             7676\n"
                       "flight time                0.7676 s\n"),
            std::string::npos)
      << o.err;
  EXPECT_EQ(Files(folder.path()), (std::vector<std::string>{"window.txt"}));
}

// --- Errors: message, exit code, and the previous results file kept --------------

constexpr const char* kPrevious = "the previous results\r\n";

// A parameter file that would retitle the terminal and then fill it: the escape and
// the bell shown escaped, the value cut after 60 characters.
const std::string kHostileParams =
    "# inputs\ncx = 0.5\nmass = \x1b]2;pwned\x07" + std::string(1 << 20, '9') + "\n";

TEST(Program, UsageErrorsExitTwoWithOneLineAndWriteNothing) {
  const std::vector<std::pair<Args, std::string>> cases{
      {{"run", "--v0", "abc"}, "orvantis-cli: --v0: 'abc' is not a valid floating point value\n"},
      {{"run", "--v0", "0,5"},
       "orvantis-cli: --v0: '0,5' is not a valid floating point value; use a point as the decimal separator: "
       "0.5\n"},
      {{"run", "--params", "sub"}, "orvantis-cli: --params: cannot read 'sub': Is a directory\n"},
      {{"run", "--params", "none.txt"},
       "orvantis-cli: --params: cannot read 'none.txt': No such file or directory\n"},
      {{"run", "--params", "p.txt"},
       "orvantis-cli: p.txt:3: mass: '\\x1b]2;pwned\\x07" + std::string(50, '9') +
           "...' is not a valid floating point value\n"},
      // Any long word of a message is cut, also in CLI11's own messages.
      {{"sweep", "--vary", "angle=0:1:1", "--jobs", std::string(100000, '9')},
       "orvantis-cli: --jobs: Value " + std::string(60, '9') + "... not in range 1 to 4096\n"},
      // Control bytes, a lone byte that is no UTF-8 and a C1 control escaped; valid UTF-8 kept.
      {{"run", "--cy", "\x1b[2J\xff\xc2\x9b\xc3\xa9"},
       "orvantis-cli: --cy: '\\x1b[2J\\xff\\xc2\\x9b\xc3\xa9' is not a valid floating point value\n"},
      {{"run", "--tk", "1", "--v0", "20", "--csv", "."},
       "orvantis-cli: --csv: '.' is a folder, not a file\n"},
      {{"run", "--chart", "default=sub"}, "orvantis-cli: --chart default: 'sub' is a folder, not a file\n"},
      {{"run", "--out", "loop"}, "orvantis-cli: --out: 'loop' loops: too many levels of symbolic links\n"},
      {{"run", "--speed", "3"}, "orvantis-cli: unknown option '--speed'\n"},
      {{"run", "--mas", "3"}, "orvantis-cli: unknown option '--mas'; did you mean '--mass'?\n"},
      {{"rn"}, "orvantis-cli: unexpected argument 'rn'; did you mean 'run'?\n"},
      // A missing value does not take the next option, whichever command it is.
      {{"run", "--tk", "1", "--csv", "--mass=0.2"},
       "orvantis-cli: --csv: '--mass=0.2' is an option, not a value for --csv (for a file of that name write "
       "./--mass=0.2)\n"},
      {{"run", "--out", "--json"},
       "orvantis-cli: --out: '--json' is an option, not a value for --out (for a file of that name write "
       "./--json)\n"},
      {{"sweep", "--vary", "angle=0:1:1", "--jobs", "--shard", "1/2"},
       "orvantis-cli: --jobs: '--shard' is an option, not a value for --jobs\n"},
      {{"run", "--v0"}, "orvantis-cli: --v0: 1 required NUMBER missing\n"},
      {{"run", "12"}, "orvantis-cli: unexpected argument '12'\n"},
      {{"run", "--out", "no/such/folder/r.txt"},
       "orvantis-cli: --out: the folder 'no/such/folder' does not exist\n"},
      {{"run", "--chart", "Button99=c.svg"},
       "orvantis-cli: --chart: no chart is called 'Button99' (default, height-time (Button3), speed-time "
       "(Button27), height-speed-time (Button22), angle-time (Button8), net-force-time (Button4), "
       "height-speed-angle-energy-range-time (Button10), height-speed-angle-energy-minus-drag-range "
       "(Button9), "
       "height-speed-range (Button2), height-range (Button16), height-speed (Button15))\n"},
      {{"sweep", "--vary", "angle=0:45:0"}, "orvantis-cli: --vary angle=0:45:0: STEP must not be 0\n"},
      {{"sweep", "--vary", "angle=45:0:5"},
       "orvantis-cli: --vary angle=45:0:5: STEP must be negative to go from FROM to TO\n"},
      {{"sweep", "--vary", "angle=0:1:1", "--angle", "3"},
       "orvantis-cli: --angle is given and varied at once\n"},
      {{"sweep", "--vary", "angle=0:1:1", "--shard", "4/3"},
       "orvantis-cli: --shard: expected K/N with 1 <= K <= N, not '4/3'\n"},
      {{"optimize", "--over", "angle=0:60"},
       "orvantis-cli: give one of --maximize RESULT and --minimize RESULT\n"},
      {{"optimize", "--maximize", "height", "--over", "angle=0:60"},
       "orvantis-cli: --maximize: no result is called 'height' (one of flight_time, range, greatest_height, "
       "end_speed, end_path_angle, end_kinetic_energy)\n"},
      {{"optimize", "--minimize", "range", "--over", "angle=60:0"},
       "orvantis-cli: --over angle=60:0: FROM must be less than TO\n"},
      {{"run", "--method", "rk4"}, "orvantis-cli: --method: 'rk4' is not a method; choose euler or rk45\n"},
      {{"run", "--tol", "1e-6"}, "orvantis-cli: --tol applies to --method rk45 only\n"},
      {{"run", "--out", "-", "--csv", "-"},
       "orvantis-cli: --out and --csv cannot both write to standard output\n"},
      {{"sweep", "--vary", "angle=0:1:1", "--method", "rk45", "--tol", "0"},
       "orvantis-cli: --tol: 0 is not a tolerance between 0 and 1\n"},
      {{"run", "--method", "rk45", "--check-step"},
       "orvantis-cli: --check-step applies to --method euler only\n"},
      {{"compare", "--case", "v0=30 vo=35", "--x", "range", "--y", "H", "--chart", "c.svg"},
       "orvantis-cli: --case 1: no input is called 'vo' (cx, cy, mass, area, angle, h0, v0, tk, hk, dt, "
       "wind)\n"},
      {{"compare", "--case", "v0=30", "--case", "v0=3x", "--x", "range", "--y", "H", "--csv", "-"},
       "orvantis-cli: --case 2 v0: '3x' is not a valid floating point value\n"},
      {{"compare", "--case", "v0=30", "--x", "range", "--y", "height"},
       "orvantis-cli: compare: give --chart PATH, --csv PATH or both\n"},
      {{"compare", "--case", "v0=30", "--x", "slot1", "--y", "H", "--csv", "-"},
       "orvantis-cli: --x: no quantity is called 'slot1' (time, speed, energy, height, angle, minus-drag, "
       "range, load-factor, net-force, buoyancy-term, wind, impulse, thrust, mass, thrust-per-mass, volume, "
       "buoyancy, drag, lift, cx, cy, mach, temperature, pressure, density, reynolds)\n"},
      {{},
       "orvantis-cli: choose a command, run, sweep, compare, optimize, aim, table or spread (see "
       "orvantis-cli --help)\n"},
  };
  for (const auto& [args, message] : cases) {
    testing::TempFolder folder;
    testing::WriteFile(folder / "Orvantis_500.txt", kPrevious);
    testing::WriteFile(folder / "p.txt", kHostileParams);
    fs::create_directory(folder / "sub");
    fs::create_symlink("loop", folder / "loop");
    const Outcome o = RunCli(args, folder.path());
    EXPECT_EQ(o.exitCode, 2) << message;
    EXPECT_EQ(o.err, message);
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(testing::ReadFile(folder / "Orvantis_500.txt"), kPrevious);
    EXPECT_EQ(Files(folder.path()), (std::vector<std::string>{"Orvantis_500.txt", "loop", "p.txt", "sub"}));
    EXPECT_TRUE(fs::is_empty(folder / "sub"));
  }
}

TEST(Program, OptionsGivenHereWinOverTheParameterFile) {
  testing::TempFolder folder;
  testing::WriteFile(folder / "study.txt", "# a heavier harpoon\nmass = 2.5\nv0 = 12  # m/s\n");
  const Outcome o =
      RunCli({"run", "--params", "study.txt", "--mass", "0.5", "--no-file", "--json"}, folder.path());
  ASSERT_EQ(o.exitCode, 0) << o.err;
  const auto json = nlohmann::json::parse(o.out);
  EXPECT_EQ(json["inputs"]["mass"].get<double>(), 0.5);
  EXPECT_EQ(json["inputs"]["v0"].get<double>(), 12.0);
  EXPECT_EQ(json["inputs"]["angle"].get<double>(), 0.0);
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
  EXPECT_EQ(o.err,
            "orvantis-cli: chart default: Floating point division by zero\n"
            "orvantis-cli: written before this: 'Orvantis_500.txt', 'data.csv'\n");
  EXPECT_NE(o.out.find("steps per pass             1\n"), std::string::npos);
  EXPECT_EQ(Files(folder.path()), (std::vector<std::string>{"Orvantis_500.txt", "data.csv"}));
  EXPECT_NE(testing::ReadFile(folder / "Orvantis_500.txt"), kPrevious);
}

TEST(Program, CtrlCStopsARunOrASweepWithExitCode130) {
  // A flight of 10^10 steps: it never ends on its own within a test.
  const Args longFlight{"--dt", "1e-7", "--tk", "1000", "--hk", "-1e9"};
  for (Args args : {Args{"run", "--chart", "default=c.svg"}, Args{"sweep", "--vary", "angle=0:20:1"}}) {
    args.insert(args.end(), longFlight.begin(), longFlight.end());
    testing::TempFolder folder;
    testing::WriteFile(folder / "Orvantis_500.txt", kPrevious);
    const pid_t pid = Start(args, folder.path());
    SendWhenCaught(pid, SIGINT);
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
  for (const Args& method : {Args{}, Args{"--method", "rk45"}}) {
    testing::TempFolder folder;
    Args args{"sweep", "--vary", "angle=-10:20:15", "--vary", "v0=10:30:20", "--jobs", "2"};
    args.insert(args.end(), method.begin(), method.end());
    const Outcome sweep = RunCli(args, folder.path());
    ASSERT_EQ(sweep.exitCode, 0) << sweep.err;
    const std::vector<std::string> lines = Lines(sweep.out);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(
        lines[0],
        "angle [deg],v0 [m/s],steps per pass,flight time [s],range [m],greatest height [m],speed at the end "
        "[m/s],path angle at the end [deg],kinetic energy at the end [J],fault");
    for (std::size_t r = 1; r < lines.size(); ++r) {
      const std::vector<std::string> f = Fields(lines[r]);
      Args run{"run", "--no-file", "--json", "--angle", f[0], "--v0", f[1]};
      run.insert(run.end(), method.begin(), method.end());
      const Outcome single = RunCli(run, folder.path());
      ASSERT_EQ(single.exitCode, 0);
      const auto json = nlohmann::json::parse(single.out);
      EXPECT_EQ(json["method"], method.empty() ? "euler" : "rk45");
      EXPECT_EQ(json["inputs"]["angle"].get<double>(), Number(f[0]));
      EXPECT_EQ(json["steps_per_pass"].get<double>(), Number(f[2]));
      for (std::size_t k = 0; k < 6; ++k)
        EXPECT_EQ(json[kSummaryKeys[k]].get<double>(), Number(f[3 + k])) << kSummaryKeys[k];
      EXPECT_EQ(f[9], "");
    }
  }
}

// The accurate method in a vacuum (no drag): the parabola's landing and apex, with
// the classic table's layout and every row in the CSV.
TEST(Program, AccurateMethodFliesTheParabola) {
  testing::TempFolder folder;
  const Outcome o =
      RunCli({"run", "--method", "rk45", "--cx", "0", "--angle", "45", "--json", "--csv", "data.csv"},
             folder.path());
  ASSERT_EQ(o.exitCode, 0) << o.err;
  const auto json = nlohmann::json::parse(o.out);
  EXPECT_EQ(json["method"], "rk45");
  EXPECT_EQ(json["tolerance"].get<double>(), 1e-9);
  const double vy = 30.2 * std::sin(45 / 57.3), g = 9.8, T = (vy + std::sqrt(vy * vy + 2 * g * 1.7)) / g;
  EXPECT_NEAR(json["flight_time_s"].get<double>(), T, 1e-6);
  EXPECT_NEAR(json["range_m"].get<double>(), 30.2 * std::cos(45 / 57.3) * T, 1e-6);
  EXPECT_NEAR(json["greatest_height_m"].get<double>(), 1.7 + vy * vy / (2 * g), 1e-6);
  const std::string table = testing::ReadFile(folder / "Orvantis_500.txt");
  EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 503);
  EXPECT_EQ(Lines(testing::ReadFile(folder / "data.csv")).size(), 501u);
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
  EXPECT_EQ(text.out.rfind("method                     euler\nsteps per pass             7676\n", 0), 0u);
  EXPECT_NE(text.out.find("\nrange                      6.9396 m (step error about 0.0006 m)\n"),
            std::string::npos)
      << text.out;
}

// --- The best value of an input -------------------------------------------------

// The accurate run makes the range a smooth function of the angle: the search over
// 0..60 degrees lands on the best angle of a sweep a hundred times finer than its
// grid, whatever the number of threads.
TEST(Program, OptimizeFindsTheBestPointOfAFineSweep) {
  testing::TempFolder folder;
  const Outcome sweep = RunCli({"sweep", "--method", "rk45", "--vary", "angle=20:26:0.01"}, folder.path());
  ASSERT_EQ(sweep.exitCode, 0) << sweep.err;
  double bestAngle = 0, bestRange = 0;
  const std::vector<std::string> lines = Lines(sweep.out);
  for (std::size_t r = 1; r < lines.size(); ++r) {
    const std::vector<std::string> f = Fields(lines[r]);
    if (Number(f[3]) > bestRange) std::tie(bestAngle, bestRange) = std::pair(Number(f[0]), Number(f[3]));
  }
  ASSERT_GT(bestAngle, 20.5);  // inside the sweep, not at its edge
  ASSERT_LT(bestAngle, 25.5);

  const Args optimize{"optimize", "--method", "rk45",       "--maximize",
                      "range",    "--over",   "angle=0:60", "--json"};
  Args oneJob = optimize, twoJobs = optimize;
  oneJob.insert(oneJob.end(), {"--jobs", "1"});
  twoJobs.insert(twoJobs.end(), {"--jobs", "2"});
  const Outcome best = RunCli(oneJob, folder.path());
  ASSERT_EQ(best.exitCode, 0) << best.err;
  EXPECT_EQ(RunCli(twoJobs, folder.path()).out, best.out);
  const auto json = nlohmann::json::parse(best.out);
  EXPECT_EQ(json.begin().key(), "angle");
  EXPECT_NEAR(json["angle"].get<double>(), bestAngle, 0.0100001);
  const auto decimals = [](const std::string& number) {
    return number.find('.') == std::string::npos ? 0 : number.size() - number.find('.') - 1;
  };
  EXPECT_EQ(decimals(json["angle"].dump()), 2u) << json["angle"];  // to --tol's place, 0.01
  EXPECT_GE(json["range_m"].get<double>(), bestRange - 1e-6);
  // The figures are those of a run at the printed angle.
  const Outcome there = RunCli(
      {"run", "--no-file", "--json", "--method", "rk45", "--angle", json["angle"].dump()}, folder.path());
  for (const char* key : kSummaryKeys) EXPECT_EQ(json[key], nlohmann::json::parse(there.out)[key]) << key;

  // The classic run's answer is as good as its time step allows, and in text.
  const Outcome text =
      RunCli({"optimize", "--maximize", "range", "--over", "angle=0:60", "--tol", "0.1"}, folder.path());
  ASSERT_EQ(text.exitCode, 0) << text.err;
  EXPECT_EQ(text.out.rfind("angle                      2", 0), 0u) << text.out;
  EXPECT_LE(decimals(text.out.substr(27, text.out.find(" degrees") - 27)), 1u) << text.out;  // 0.1
  EXPECT_NE(text.out.find(" degrees\nmethod                     euler\n"), std::string::npos) << text.out;

  // Exit codes as run's: a grid on which every flight faults is a fault.
  const Outcome faulted = RunCli({"optimize", "--maximize", "range", "--over", "dt=-1:0"}, folder.path());
  EXPECT_EQ(faulted.exitCode, 1);
  EXPECT_EQ(
      faulted.err,
      "orvantis-cli: every run of the grid faulted; the first: The time step -1 s is not greater than zero, "
      "so the flight time would never advance\n");
  EXPECT_EQ(faulted.out, "");
}

// --- Help, version, man page, CSV, pictures ------------------------------------

// Each case flies as run does: its CSV rows are run's own samples of x and y; a case
// that faults is named and the others are drawn.
TEST(Program, CompareDrawsTheCasesThatFlyAndTheirSamples) {
  testing::TempFolder folder;
  Args args{"compare", "--mass", "0.2", "--case", "v0=30.2", "--case", "v0=0",  "--case", "v0=35  angle=10",
            "--x",     "range",  "--y", "height", "--chart", "c.svg",  "--csv", "c.csv"};
  if (ORVANTIS_CLI_PNG) args.insert(args.end(), {"--chart", "c.png"});
  const Outcome o = RunCli(args, folder.path());
  EXPECT_EQ(o.exitCode, 1);
  EXPECT_EQ(o.err, "orvantis-cli: case 2 (v0=0): Floating point division by zero\n");
  EXPECT_EQ(o.out, "");

  const std::vector<std::string> rows = Lines(testing::ReadFile(folder / "c.csv"));
  EXPECT_EQ(rows.front(), "run,assignments,range [m],height [m]");
  const Outcome single = RunCli(
      {"run", "--no-file", "--mass", "0.2", "--v0", "35", "--angle", "10", "--csv", "-"}, folder.path());
  ASSERT_EQ(single.exitCode, 0);
  std::vector<std::string> expected{rows.front()};
  for (const std::string& line : Lines(single.out)) {
    const std::vector<std::string> f = Fields(line);
    if (f[0] != "time [s]") expected.push_back("3,v0=35 angle=10," + f[1] + "," + f[2]);
  }
  ASSERT_EQ(rows.size(), 1 + 2 * (expected.size() - 1));
  EXPECT_EQ(std::vector<std::string>(rows.begin() + static_cast<long>(expected.size()), rows.end()),
            std::vector<std::string>(expected.begin() + 1, expected.end()));
  EXPECT_EQ(rows[1].substr(0, 10), "1,v0=30.2,");

  // The legend: the first case by its key inputs, the third by what sets it apart.
  const std::string svg = testing::ReadFile(folder / "c.svg");
  EXPECT_NE(svg.find(">1: v0 = 30.2 m/s, angle = 0 deg, mass = 0.2 kg</text>"), std::string::npos);
  EXPECT_NE(svg.find(">3: v0 = 35 m/s, angle = 10 deg</text>"), std::string::npos);
  EXPECT_EQ(svg.find(">2: "), std::string::npos);
  EXPECT_NE(svg.find(">euler</text>"), std::string::npos);  // how the cases were flown
  const Outcome accurate = RunCli({"compare", "--method", "rk45", "--tol", "1e-8", "--case", "v0=30", "--x",
                                   "time", "--y", "speed", "--chart", "rk45.svg"},
                                  folder.path());
  EXPECT_EQ(accurate.exitCode, 0) << accurate.err;
  EXPECT_NE(testing::ReadFile(folder / "rk45.svg").find(">rk45, tolerance 1e-08</text>"), std::string::npos);
  EXPECT_EQ(std::system(("xmllint --noout " + (folder / "c.svg")).c_str()), 0);
  if (ORVANTIS_CLI_PNG) {
    const std::string png = testing::ReadFile(folder / "c.png");
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(16, 8), std::string("\0\0\x02\xf8\0\0\x01\xf4", 8));  // 760 x 500
  }
}

TEST(Program, HelpVersionAndManPage) {
  testing::TempFolder folder;
  const Outcome version = RunCli({"--version"}, folder.path());
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, "orvantis-cli " ORVANTIS_VERSION "\n");
  for (const Args& args :
       {Args{"--help"}, Args{"run", "--help"}, Args{"sweep", "--help"}, Args{"compare", "--help"}}) {
    const Outcome help = RunCli(args, folder.path());
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("Usage: orvantis-cli"), std::string::npos);
    EXPECT_NE(help.out.find(ORVANTIS_CLI_PNG ? "PNG charts:\n  built in" : "PNG charts:\n  not built"),
              std::string::npos);
  }
  const std::string man = testing::ReadFile(ORVANTIS_CLI_MAN);
  EXPECT_NE(man.find(".TH ORVANTIS-CLI \"1\""), std::string::npos);
  EXPECT_NE(man.find("\\-\\-vary"), std::string::npos);
  EXPECT_NE(man.find("\\-\\-maximize"), std::string::npos);
  EXPECT_NE(man.find("\\-\\-decimal\\-comma"), std::string::npos);
  EXPECT_NE(man.find(".SS \"Sweep grid and threads:\""), std::string::npos);
  EXPECT_NE(man.find("\\-\\-case"), std::string::npos);
  for (const char* section :
       {".SH \"EXIT STATUS\"\n.IP\n0 success", ".SH FILES", ".SH EXAMPLES", ".SH \"SEE ALSO\""})
    EXPECT_NE(man.find(section), std::string::npos) << section;
}

TEST(Program, CsvAndChartFiles) {
  testing::TempFolder folder;
  Args args{"run",           "--no-file", "--csv",         "data.csv", "--chart",
            "default=d.svg", "--chart",   "Button3=b.svg", "--chart",  "height-time=h.svg"};
  if (ORVANTIS_CLI_PNG) args.insert(args.end(), {"--chart", "default=d.png"});
  const Outcome o = RunCli(args, folder.path());
  ASSERT_EQ(o.exitCode, 0) << o.err;
  const std::string csv = testing::ReadFile(folder / "data.csv");
  EXPECT_EQ(csv.substr(0, csv.find("\r\n")).substr(0, 44), "time [s],range [m],height [m],speed [m/s],ki");
  EXPECT_EQ(Lines(csv).size(), 501u);
  EXPECT_EQ(testing::ReadFile(folder / "d.svg").substr(0, 38), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
  EXPECT_EQ(std::system(("xmllint --noout " + (folder / "b.svg")).c_str()), 0);
  EXPECT_EQ(testing::ReadFile(folder / "h.svg"),
            testing::ReadFile(folder / "b.svg"));  // one chart, two names
  if (ORVANTIS_CLI_PNG) {
    const std::string png = testing::ReadFile(folder / "d.png");
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(png.substr(16, 8), std::string("\0\0\x03\x20\0\0\x02\x58", 8));  // 800 x 600
  }
}

}  // namespace
}  // namespace orv
