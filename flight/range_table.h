// The range table (a range card): the path at every multiple of a step of range,
// from the launch to the landing, with the drop below the launch line.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/input_table.h"
#include "files/csv_text.h"
#include "flight/flight_method.h"
#include "flight/run_control.h"

namespace orv {

// Rows a table may hold; a finer step is refused before it flies.
inline constexpr double kRangeTableRowsMax = 1e6;

struct RangeRow {
  double range = 0;   // m
  double time = 0;    // s
  double height = 0;  // m, as the results file has it
  // m, below the launch line: the straight line from the launch point along the
  // launch direction (the angle converted with the program's own factor)
  double drop = 0;
  double speed = 0;      // m/s
  double energy = 0;     // J
  double pathAngle = 0;  // degree
};

// The columns in the order every output lists them.
struct RangeColumn {
  const char* name;     // "path angle"
  const char* unit;     // "deg"
  const char* jsonKey;  // "path_angle_deg"
  double RangeRow::*member;
};
std::span<const RangeColumn> RangeColumns();

// The rows as CSV: a heading line of "name [unit]", one line per row.
std::string RangeTableCsv(const std::vector<RangeRow>& rows, CsvStyle style);

// One row at range 0 and one at each multiple of `step` m up to the end of the
// flight, or up to and including `to` where that comes first. Throws the run's
// Fault, or RunCancelled. `step` is greater than zero.
// `speedPassedZeroAt` (may be null) gets the time at which the speed along the path
// passed zero, where the flight, and so the table, ended; NaN where it did not.
std::vector<RangeRow> RangeTable(const FlightInputs& inputs, const MethodChoice& method, double step,
                                 std::optional<double> to, RunControl* control = nullptr,
                                 double* speedPassedZeroAt = nullptr);

}  // namespace orv
