#include "cli/app.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "cli/chart_outputs.h"
#include "cli/input_options.h"
#include "cli/manual_text.h"
#include "cli/method_options.h"
#include "cli/run_command.h"
#include "cli/sweep_command.h"
#include "cli/sweep_grid.h"
#include "cli/usage_error.h"

namespace orv::cli {
namespace {

void Report(const std::string& what) { std::fprintf(stderr, "orvantis-cli: %s\n", what.c_str()); }

std::string Footer() {
  return std::string(
             "Exit codes:\n"
             "  0 success; 1 the flight faulted (nothing written) or a chart could not be drawn; 2 a usage "
             "error; 130 stopped by Ctrl+C (the previous results file stays whole).\n"
             "Numbers:\n"
             "  read as the main window's fields read them, always with a point as the decimal separator; "
             "every output writes them with a point unless --decimal-comma is given.\n"
             "PNG charts:\n") +
         (PngBuilt() ? "  built in (Qt's offscreen platform, no display needed).\n"
                     : "  not built into this orvantis-cli (Qt was not there at build time); --chart writes "
                       "SVG only.\n");
}

// CLI11 lists every argument it could not place; the first unknown option is what the
// user needs to fix.
std::string ExtrasMessage(const CLI::App& app) {
  const std::vector<std::string> extras = app.remaining(true);
  for (const std::string& extra : extras)
    if (extra.size() > 1 && extra[0] == '-') return "unknown option '" + extra + "'";
  return extras.empty() ? "unexpected arguments" : "unexpected argument '" + extras.front() + "'";
}

struct RunCommand {
  InputOptions inputs;
  MethodOptions method;
  RunOutputs outputs;
  std::vector<std::string> charts;

  CLI::App* Add(CLI::App& app) {
    CLI::App* run =
        app.add_subcommand("run",
                           "Fly once exactly as START does (both passes, unit scaling, sampling), write the "
                           "results file and the outputs asked for, and print a summary in metres, seconds, "
                           "m/s and joules (angles in degrees).");
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
           "button's name (" +
               ButtonNames() + "); SVG, or PNG when PATH ends in .png" +
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
            " runs) and write one CSV row per run on standard output, in grid order: the varied inputs, the "
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
    sweep->add_option("--jobs", options.jobs, "threads to run on (default: one per processor)")
        ->type_name("N")
        ->check(CLI::Range(1, 4096))
        ->group("Grid and threads");
    sweep
        ->add_option("--shard", options.shard,
                     "run only the K-th of N contiguous blocks of the grid; the outputs of 1/N .. N/N "
                     "concatenated (headers left out with --no-header) are the whole sweep's rows")
        ->type_name("K/N")
        ->group("Grid and threads");
    sweep->add_flag("--no-header", options.noHeader, "leave out the heading line")->group("Grid and threads");
    sweep->add_flag("--decimal-comma", options.decimalComma, "semicolons between fields and decimal commas")
        ->group("Grid and threads");
    return sweep;
  }

  int Execute() { return ExecuteSweep(inputs, method.Resolve(), options); }
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
  CLI::App* runApp = run.Add(app);
  CLI::App* sweepApp = sweep.Add(app);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ExtrasError&) {
    Report(ExtrasMessage(app));
    return kExitUsage;
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) return app.exit(e);  // --help, --version
    Report(e.what());
    return kExitUsage;
  }
  if (helpAll) {
    std::fputs(ManualText(app).c_str(), stdout);
    return kExitSuccess;
  }
  try {
    if (runApp->parsed()) return run.Execute();
    if (sweepApp->parsed()) return sweep.Execute();
    throw UsageError("choose a command, run or sweep (see orvantis-cli --help)");
  } catch (const UsageError& e) {
    Report(e.what());
    return kExitUsage;
  } catch (const std::exception& e) {
    Report(e.what());
    return kExitFault;
  }
}

}  // namespace orv::cli
