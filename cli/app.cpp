#include "cli/app.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "base/number_text.h"
#include "cli/aim_command.h"
#include "cli/chart_outputs.h"
#include "cli/command_checks.h"
#include "cli/compare_command.h"
#include "cli/input_options.h"
#include "cli/manual_text.h"
#include "cli/message_text.h"
#include "cli/method_options.h"
#include "cli/optimize_command.h"
#include "cli/run_command.h"
#include "cli/spread_command.h"
#include "cli/sweep_command.h"
#include "cli/sweep_grid.h"
#include "cli/usage_error.h"
#include "flight/best_value.h"
#include "flight/range_table.h"

namespace orv::cli {
namespace {

// How the program ends, for the help's footer and the manual page's EXIT STATUS.
constexpr const char* kExitStatus =
    "Exit status:\n"
    "  0 success; 1 the flight faulted (nothing written; compare: the faulting case is named and the others "
    "are drawn), or a chart could not be drawn or an output not "
    "written (the message names the files written before it), or aim's target (spread --aim's) out of "
    "reach; 2 a usage error, also an output path that "
    "cannot be written (nothing written); 130 stopped by Ctrl+C, 143 by SIGTERM (the previous files stay "
    "whole, a sweep ends with whole rows); 141 standard output was a pipe whose reader has gone.\n";

std::string Footer() {
  return std::string(kExitStatus) +
         "Numbers:\n"
         "  read as the main window's fields read them, always with a point as the decimal separator; "
         "every output writes them with a point unless --decimal-comma is given.\n"
         "Methods:\n"
         "  euler (the default, START's) reproduces the classic table; with --dt 0.0001 the default harpoon "
         "launched at 0 to 50 degrees lands up to 1.3 mm short and ends up to 0.16 ms off. rk45 answers "
         "studies: at the default --tol 1e-9 range, flight time and end speed are within 3e-9 (m, s, m/s) in "
         "under 110 steps, and a sweep runs some 30 times faster.\n"
         "PNG charts:\n" +
         (PngBuilt() ? "  built in (Qt's offscreen platform, no display needed).\n"
                     : "  not built into this orvantis-cli (Qt was not there at build time); --chart writes "
                       "SVG only.\n");
}

// The options several commands share, described once.
void AddJobs(CLI::App& command, int& jobs, const std::string& group) {
  command
      .add_option("--jobs", jobs,
                  "threads to run on (default: one per processor this process may run on: its affinity "
                  "mask, at most SLURM_CPUS_PER_TASK)")
      ->type_name("N")
      ->check(CLI::Range(1, 4096))
      ->group(group);
}

void AddTarget(CLI::App& command, std::string& at, const std::string& group) {
  command.add_option("--at", at, "the target: range and height in m, e.g. 5,1.2")
      ->type_name("X,H")
      ->required()
      ->group(group);
}

// --csv with what its rows hold, and --decimal-comma.
void AddCsv(CLI::App& command, std::string& path, bool& decimalComma, const std::string& rows,
            const std::string& group) {
  command.add_option("--csv", path, rows)->type_name("PATH")->group(group);
  command.add_flag("--decimal-comma", decimalComma, "CSV with semicolons and decimal commas")->group(group);
}

struct RunCommand {
  InputOptions inputs;
  MethodOptions method;
  RunOutputs outputs;
  std::vector<std::string> charts;

  CLI::App* Add(CLI::App& app) {
    CLI::App* run = app.add_subcommand(
        "run",
        "Fly once exactly as START does (both passes, unit scaling, sampling), or with "
        "--method rk45 the accurate way, write the results file and the outputs asked for, "
        "and print a summary in metres, seconds, m/s and joules (angles in degrees).");
    inputs.AddTo(*run);
    method.AddTo(*run);
    run->add_option("--out", outputs.resultsPath,
                    "the results file (default Orvantis_500.txt in the current folder; '-' for standard "
                    "output), replaced only once the new table is complete")
        ->type_name("PATH")
        ->group("Outputs");
    run->add_flag("--no-file", outputs.noResultsFile, "write no results file")->group("Outputs");
    run->add_option("--csv", outputs.csvPath,
                    "every recorded sample as CSV (RFC 4180): one column per quantity the run fills, "
                    "headed by its name and unit ('time [s]', 'path angle [deg]', 'air pressure [bar]'), "
                    "never in km, min or h; '-' for standard output")
        ->type_name("PATH")
        ->group("Outputs");
    run->add_flag("--decimal-comma", outputs.decimalComma,
                  "CSV with semicolons between fields and decimal commas, as spreadsheets under German or "
                  "Russian settings expect")
        ->group("Outputs");
    run->add_option(
           "--chart", charts,
           "draw a chart into PATH, repeatable; NAME is 'default' (the chart START draws) or a chart "
           "of the main window's buttons, by its quantities (curves, then x) or its button's name (" +
               ChartNames() + "); SVG, or PNG when PATH ends in .png" +
               (PngBuilt() ? "" : " (not built: no Qt)"))
        ->type_name("NAME=PATH")
        ->expected(1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->group("Outputs");
    run->add_flag("--json", outputs.json,
                  "print the summary as JSON (the summary goes to standard error when --out or --csv "
                  "writes to standard output)")
        ->group("Outputs");
    run->add_flag("--check-step", outputs.checkStep,
                  "fly the inputs again at half the time step and report the estimated error that the "
                  "time step leaves in each figure of the summary: twice the difference of the two runs, "
                  "as the explicit Euler step's error halves with the step")
        ->group("Outputs");
    return run;
  }

  int Execute() {
    for (const std::string& option : charts) outputs.charts.push_back(ParseChartOutput(option));
    return ExecuteRun(inputs.Resolve(), method.Resolve(), outputs);
  }
};

struct SweepCommand {
  InputOptions inputs;
  MethodOptions method;
  SweepOptions options;

  CLI::App* Add(CLI::App& app) {
    CLI::App* sweep = app.add_subcommand(
        "sweep",
        "Fly every combination of the varied inputs (at most " + std::to_string(kMaxSweepRuns) +
            " runs, or shards of at most as many) and write one CSV row per run on standard output, in grid "
            "order: the varied inputs, the "
            "run's summary, and the fault text of a run that faulted. The bytes do not depend on --jobs.");
    inputs.AddTo(*sweep);
    method.AddTo(*sweep);
    sweep
        ->add_option("--vary", options.vary,
                     "vary input NAME from FROM to TO by STEP, repeatable; the last --vary changes fastest")
        ->type_name("NAME=FROM:TO:STEP")
        ->required()
        ->expected(1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->group("Grid and threads");
    AddJobs(*sweep, options.jobs, "Grid and threads");
    sweep
        ->add_option("--shard", options.shard,
                     "run only the K-th of N contiguous blocks of the grid; the outputs of 1/N .. N/N "
                     "concatenated (headers left out with --no-header) are the whole sweep's rows")
        ->type_name("K/N")
        ->group("Grid and threads");
    sweep
        ->add_flag("--count", options.count,
                   "print the number of runs of the grid (with --shard, of the shard) alone on a line, "
                   "and fly none")
        ->group("Grid and threads");
    sweep
        ->add_option("--resume", options.resumePath,
                     "write the rows into PATH, continuing what an earlier sweep of the same grid and "
                     "shard left there (its heading and whole rows, checked), or starting it when PATH "
                     "does not exist; a stopped sweep says how many rows of how many it wrote")
        ->type_name("PATH")
        ->group("Grid and threads");
    sweep->add_flag("--no-header", options.noHeader, "leave out the heading line")->group("Grid and threads");
    sweep->add_flag("--decimal-comma", options.decimalComma, "semicolons between fields and decimal commas")
        ->group("Grid and threads");
    return sweep;
  }

  int Execute() { return ExecuteSweep(inputs, method.Resolve(), options); }
};

struct OptimizeCommand {
  InputOptions inputs;
  MethodOptions method;
  OptimizeOptions options;

  CLI::App* Add(CLI::App& app) {
    CLI::App* optimize = app.add_subcommand(
        "optimize",
        "Find the value of one input that makes a figure of the summary greatest or smallest: a grid of at "
        "most " +
            std::to_string(kSearchGridIntervals + 1) +
            " runs over FROM..TO on all processors (so a second hump is not missed), then a golden-section "
            "search around the best grid point down to --tol. Prints the value, to --tol's decimal place, "
            "and "
            "the summary of the run there; the answer does not depend on --jobs.");
    inputs.AddTo(*optimize);
    method.AddTo(*optimize, "--method-tol");
    optimize->add_option("--maximize", options.maximize, "the figure to make greatest: " + ResultNames())
        ->type_name("RESULT")
        ->group("Search");
    optimize->add_option("--minimize", options.minimize, "the figure to make smallest")
        ->type_name("RESULT")
        ->group("Search");
    optimize
        ->add_option("--over", options.over,
                     "search input NAME from FROM to TO, in the input's unit (the options' names above)")
        ->type_name("NAME=FROM:TO")
        ->required()
        ->group("Search");
    optimize
        ->add_option("--tol", options.tolerance,
                     "how close to the best value the search goes, in the input's unit (default " +
                         FloatToText(kDefaultSearchTolerance, '.') + ")")
        ->type_name("X")
        ->group("Search");
    AddJobs(*optimize, options.jobs, "Search");
    optimize
        ->add_flag("--json", options.json,
                   "print a JSON object: the input's name with its best value, then the summary's keys as "
                   "run --json writes them")
        ->group("Search");
    return optimize;
  }

  int Execute() { return ExecuteOptimize(inputs, method.Resolve(), options); }
};

struct CompareCommand {
  InputOptions inputs;
  MethodOptions method;
  CompareOptions options;

  CLI::App* Add(CLI::App& app) {
    CLI::App* compare = app.add_subcommand(
        "compare",
        "Fly 1 to 8 cases, each exactly as run flies, and draw one quantity against another for all of "
        "them in one chart, in SI base units, with a legend that names each case by the inputs in which "
        "it differs from the first, and the method (--method) above the plot. A case that faults is named "
        "and left out; the others are drawn. "
        "Example: orvantis-cli compare --case v0=30.2 --case 'v0=35 mass=0.2' --x range --y height "
        "--chart compare.svg --csv compare.csv");
    inputs.AddTo(*compare);
    method.AddTo(*compare);
    compare
        ->add_option("--case", options.cases,
                     "one case: input assignments over the common inputs (the options above and --params), "
                     "names as the options without the dashes, e.g. 'v0=35 mass=0.2'; repeatable, 1 to 8 "
                     "times, in legend order")
        ->type_name("'NAME=VALUE ...'")
        ->required()
        ->expected(1)
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->group("Comparison");
    compare->add_option("--x", options.x, "the quantity across: " + QuantityNames())
        ->type_name("QUANTITY")
        ->required()
        ->group("Comparison");
    compare
        ->add_option("--y", options.y, "the quantity up, one of the same (a symbol such as X or H will do)")
        ->type_name("QUANTITY")
        ->required()
        ->group("Comparison");
    compare
        ->add_option(
            "--chart", options.charts,
            std::string("draw the comparison into PATH, repeatable: SVG, or PNG when PATH ends in .png") +
                (PngBuilt() ? "" : " (not built: no Qt)"))
        ->type_name("PATH")
        ->expected(1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->group("Outputs");
    AddCsv(*compare, options.csvPath, options.decimalComma,
           "one row per recorded sample of each case: the case's number, its assignments, x and y in SI "
           "base units; '-' for standard output",
           "Outputs");
    return compare;
  }

  int Execute() { return ExecuteCompare(inputs, method.Resolve(), options); }
};

struct AimCommand {
  InputOptions inputs;
  MethodOptions method;
  AimOptions options;

  CLI::App* Add(CLI::App& app) {
    CLI::App* aim = app.add_subcommand(
        "aim",
        "Find every launch angle in (-90, 90) degrees whose path passes through the target point X,H (range "
        "from the launch point, height as in the results file): the direct and, where there is one, the "
        "lobbed solution, each to 0.001 degree with the flight time, speed, kinetic energy and path angle "
        "at the target. A grid of " +
            std::to_string(kAimGridIntervals + 1) +
            " flights over the angle on all processors, then Boost.Math's toms748 on the height at range X "
            "minus H; rk45 reads the height at X on its dense output, euler between the two steps on "
            "either side of X. Exit status 1 for a target out of reach, with the furthest reach at that "
            "height. Example: orvantis-cli aim --at 5,1.2 --target-height 0.3");
    inputs.AddTo(*aim);
    method.AddTo(*aim, "--tol", FlightMethod::kRk45);
    AddTarget(*aim, options.at, "Target");
    aim->add_option("--target-height", options.targetHeight,
                    "the target's height in m: also report the danger space, the stretch of range around X "
                    "over which the direct path stays within half of it of H")
        ->type_name("M")
        ->group("Target");
    AddJobs(*aim, options.jobs, "Target");
    aim->add_flag("--json", options.json,
                  "print a JSON object: the inputs and the method as run --json writes them, \"solutions\" "
                  "lowest angle first (angle_deg, time_s, speed_m_s, energy_J, path_angle_deg) and with "
                  "--target-height \"danger_space\" (from_m, to_m, length_m)")
        ->group("Target");
    return aim;
  }

  int Execute() { return ExecuteAim(inputs, method.Resolve(), options); }
};

struct TableCommand {
  InputOptions inputs;
  MethodOptions method;
  TableOptions options;

  CLI::App* Add(CLI::App& app) {
    CLI::App* table = app.add_subcommand(
        "table",
        "Print the range table of one flight: a row at range 0 and at every multiple of --every metres of "
        "range up to the landing (or up to and including --to) with the time, height, drop below the launch "
        "line (the straight line from the launch point along the launch direction), speed, kinetic energy "
        "and path angle there. rk45 reads each row on its dense output at the exact range, euler between "
        "the two steps on either side. Example: orvantis-cli table --every 0.5 --angle 10");
    inputs.AddTo(*table);
    method.AddTo(*table, "--tol", FlightMethod::kRk45);
    table->add_option("--every", options.every, "the step of range between rows, m")
        ->type_name("STEP")
        ->required()
        ->group("Rows");
    table->add_option("--to", options.to, "the last range, m (default: the landing)")
        ->type_name("X")
        ->group("Rows");
    AddCsv(*table, options.csvPath, options.decimalComma,
           "the rows as CSV, headed by name and unit; '-' for standard output (then nothing else is printed)",
           "Rows");
    table
        ->add_flag("--json", options.json,
                   "print a JSON object: the inputs and the method as run --json writes them and \"rows\" "
                   "(range_m, time_s, height_m, drop_m, speed_m_s, energy_J, path_angle_deg)")
        ->group("Rows");
    return table;
  }

  int Execute() { return ExecuteTable(inputs, method.Resolve(), options); }
};

struct SpreadCommand {
  InputOptions inputs;
  MethodOptions method;
  SpreadOptions options;

  CLI::App* Add(CLI::App& app) {
    CLI::App* spread = app.add_subcommand(
        "spread",
        "The chance of a hit: fly --n launches, each input given --sd drawn from a normal spread around its "
        "value, and report where they pass the target's range X: the mean and standard deviation of the "
        "height there, the share within --radius of H (the chance of a hit) with its 95 % Wilson interval, "
        "the share that does not reach X, and for each --sd input alone the standard deviation it causes "
        "(the same draws of that input only). The same --seed gives the same bytes on any --jobs. Example: "
        "orvantis-cli spread --at 5,1.2 --sd v0=0.5 --sd angle=0.5 --sd cx=0.05 --radius 0.1 --n 10000 "
        "--seed 1 --aim");
    inputs.AddTo(*spread);
    method.AddTo(*spread, "--tol", FlightMethod::kRk45);
    AddTarget(*spread, options.at, "Draws");
    spread
        ->add_option("--sd", options.sd,
                     "a normal spread of S (in the input's unit) around input NAME, repeatable: " +
                         std::string("v0=0.5, angle=0.5, cx=0.05, ..."))
        ->type_name("NAME=S")
        ->expected(1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->group("Draws");
    spread
        ->add_option(
            "--radius", options.radius,
            "a draw within this of H at X hits, m (default " + FloatToText(kDefaultHitRadius, '.') + ")")
        ->type_name("R")
        ->group("Draws");
    spread->add_option("--n", options.draws, "the number of draws, 1 to 10^7 (default 10000)")
        ->type_name("N")
        ->group("Draws");
    spread->add_option("--seed", options.seed, "the seed of the draws (default 0)")
        ->type_name("SEED")
        ->group("Draws");
    spread
        ->add_flag("--aim", options.aim,
                   "first set the angle to aim's direct solution for X,H, then draw around it")
        ->group("Draws");
    AddJobs(*spread, options.jobs, "Draws");
    spread
        ->add_flag(
            "--json", options.json,
            "print a JSON object: the inputs (with --aim the aimed angle) and the method as run --json "
            "writes them, draws, hit_share, hit_share_low, hit_share_high, height_mean_m, height_sd_m, "
            "not_reached_share and by_input (each --sd input's height_sd_m)")
        ->group("Outputs");
    AddCsv(*spread, options.csvPath, options.decimalComma,
           "one row per draw: its number, the drawn inputs, and the height, time and speed at X (empty where "
           "it does not reach X); '-' for standard output (the report then goes to standard error)",
           "Outputs");
    return spread;
  }

  int Execute() { return ExecuteSpread(inputs, method.Resolve(), options); }
};

}  // namespace

int RunCommandLine(int argc, char** argv) {
  CLI::App app(
      "Flights, charts, data exports and parameter sweeps of ORVANTIS, the calculator of harpoon "
      "ballistics, from the command line. See 'orvantis-cli COMMAND --help'.",
      "orvantis-cli");
  app.set_version_flag("--version", "orvantis-cli " ORVANTIS_VERSION);
  bool helpAll = false;
  app.add_flag("--help-all", helpAll, "print the help of every command, as the manual page has it");
  app.require_subcommand(0, 1);
  app.footer(Footer());
  RunCommand run;
  SweepCommand sweep;
  OptimizeCommand optimize;
  CompareCommand compare;
  AimCommand aim;
  TableCommand table;
  SpreadCommand spread;
  CLI::App* runApp = run.Add(app);
  CLI::App* sweepApp = sweep.Add(app);
  CLI::App* compareApp = compare.Add(app);
  CLI::App* optimizeApp = optimize.Add(app);
  CLI::App* aimApp = aim.Add(app);
  CLI::App* tableApp = table.Add(app);
  CLI::App* spreadApp = spread.Add(app);

  try {
    try {
      app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
      if (e.get_exit_code() == 0) return app.exit(e);  // --help, --version
      // An option that took the next option as its value leaves that option's value
      // unplaced: the taken option is the error to report.
      RefuseOptionsAsValues(app);
      if (dynamic_cast<const CLI::ExtrasError*>(&e)) throw UsageError(UnplacedArgumentsMessage(app));
      throw UsageError(e.what());
    }
    RefuseOptionsAsValues(app);
  } catch (const UsageError& e) {
    ReportError(e.what());
    return kExitUsage;
  }
  if (helpAll) {
    std::fputs(ManualText(app, kExitStatus).c_str(), stdout);
    return kExitSuccess;
  }
  try {
    if (runApp->parsed()) return run.Execute();
    if (sweepApp->parsed()) return sweep.Execute();
    if (compareApp->parsed()) return compare.Execute();
    if (optimizeApp->parsed()) return optimize.Execute();
    if (aimApp->parsed()) return aim.Execute();
    if (tableApp->parsed()) return table.Execute();
    if (spreadApp->parsed()) return spread.Execute();
    throw UsageError(
        "choose a command, run, sweep, compare, optimize, aim, table or spread (see orvantis-cli --help)");
  } catch (const UsageError& e) {
    ReportError(e.what());
    return kExitUsage;
  } catch (const std::exception& e) {
    ReportError(e.what());
    return kExitFault;
  }
}

}  // namespace orv::cli
