// Runs kept for a comparison: each one's inputs and recorded samples in SI base
// units, whatever unit flags its flight set. From them come the comparison chart of
// one column against another (charts/comparison_chart.h), its legend and its CSV.
// The window and orvantis-cli both build their comparisons here, so the same runs
// give the same picture and the same rows.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/flight_data.h"
#include "base/input_table.h"
#include "base/sample_columns.h"
#include "charts/comparison_chart.h"

namespace orv {

// One input of a run as the legend names it: "v0", "35", "m/s".
struct RunInput {
  std::string name;
  std::string value;       // as the fields write numbers
  std::string unit;        // "" for a pure number
  std::string label = {};  // the name the legend shows, in the reader's language; `name` when empty
};

struct ComparedRun {
  int number = 1;                // 1..8: the case or the kept run; it picks the colour and marker
  std::vector<RunInput> inputs;  // the same names in the same order for every run of a comparison
  std::string design;            // the design's file name it was flown from ("harpoon.orv"); "": none
  std::string assignments;       // what set this run up, "v0=35 mass=0.2", for the CSV
  int rows = 0;                  // recorded samples
  std::vector<double> samples;   // rows x kSampleColumns, row by row, SI base units

  double At(int row, Col c) const {  // row 1..rows
    return samples[static_cast<std::size_t>(row - 1) * kSampleColumns + static_cast<std::size_t>(Index(c))];
  }
};

// Every input of the table with its value as the fields write it ("35") and its
// unit in ASCII ("m/s", "deg").
std::vector<RunInput> RunInputsOf(const FlightInputs& inputs, char decimalSeparator);

// The recorded rows of the last run (1..RecordedRows) in base units.
ComparedRun CaptureRun(const SharedState& state, int number, std::vector<RunInput> inputs);

// The inputs that name the first run of a comparison when nothing sets it apart.
inline constexpr std::string_view kKeyInputs[] = {"v0", "angle", "mass"};

// "2: v0 = 35 m/s, mass = 0.2 kg": each run by the inputs in which it differs from
// the first run, the first run (and any run that differs in nothing) by the key
// inputs; key inputs come first. A run of a design is named by its file instead of
// the key inputs: "1: harpoon.orv", "2: harpoon.orv: v0 = 35 m/s". Assignments are separated by "; " when
// numbers use a decimal comma.
std::vector<std::string> LegendTexts(std::span<const ComparedRun> runs, char decimalSeparator);

// "v0=35 mass=0.2": the inputs in which `run` differs from `first`, in the legend's
// order, after "design=harpoon.orv" for a run of a design.
std::string DifferingAssignments(const ComparedRun& first, const ComparedRun& run);

// "X, m": the column's symbol and base unit, as the comparison's axes are titled.
std::string AxisTitle(Col c);

// Column x against column y for each run (1 to 8 of them), with `note` above the plot.
ComparisonChart ComparisonOfRuns(std::span<const ComparedRun> runs, Col x, Col y, std::string note,
                                 char decimalSeparator);

// One CSV row per recorded sample of every run: the run's number, its assignments,
// x and y in base units.
std::string ComparisonCsv(std::span<const ComparedRun> runs, Col x, Col y, bool decimalComma);

}  // namespace orv
