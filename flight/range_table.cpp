#include "flight/range_table.h"

#include <array>
#include <cmath>
#include <memory>

#include "base/constants.h"
#include "flight/path_flight.h"

namespace orv {
namespace {

constexpr std::array<RangeColumn, 7> kColumns{{
    {"range", "m", "range_m", &RangeRow::range},
    {"time", "s", "time_s", &RangeRow::time},
    {"height", "m", "height_m", &RangeRow::height},
    {"drop", "m", "drop_m", &RangeRow::drop},
    {"speed", "m/s", "speed_m_s", &RangeRow::speed},
    {"energy", "J", "energy_J", &RangeRow::energy},
    {"path angle", "deg", "path_angle_deg", &RangeRow::pathAngle},
}};

}  // namespace

std::span<const RangeColumn> RangeColumns() { return kColumns; }

std::string RangeTableCsv(const std::vector<RangeRow>& rows, CsvStyle style) {
  std::string csv;
  for (const RangeColumn& c : kColumns) {
    if (&c != kColumns.data()) csv += style.separator;
    AppendCsvField(csv, std::string(c.name) + " [" + c.unit + "]", style);
  }
  csv += kCsvLineEnd;
  for (const RangeRow& row : rows) {
    for (const RangeColumn& c : kColumns) {
      if (&c != kColumns.data()) csv += style.separator;
      AppendCsvNumber(csv, row.*c.member, style);
    }
    csv += kCsvLineEnd;
  }
  return csv;
}

std::vector<RangeRow> RangeTable(const FlightInputs& inputs, const MethodChoice& method, double step,
                                 std::optional<double> to, RunControl* control, double* speedPassedZeroAt) {
  auto scratch = std::make_unique<SharedState>();
  std::vector<RangeRow> rows;
  bool launched = false;
  double launchHeight = 0, slope = 0;  // of the launch line
  std::int64_t next = 0;               // the multiple of the step that comes next
  const auto row = [&](const PathPoint& p) {
    const double mass = scratch->fd.Mass;
    rows.push_back({p.X, p.t, p.H, launchHeight + slope * p.X - p.H, p.V, mass * p.V * p.V / 2,
                    p.Q * kDegreesPerRadian});
  };
  const PathWatcher watch = [&](const PathSpan& span) {
    if (!launched) {
      launched = true;
      launchHeight = span.from.H;
      slope = std::tan(span.from.Q);
    }
    for (double X = static_cast<double>(next) * step; X <= span.to.X && (!to || X <= *to);
         X = static_cast<double>(++next) * step)
      row(X <= span.from.X ? span.from : span.Where(&PathPoint::X, X));
    return !to || static_cast<double>(next) * step <= *to;
  };
  const PathPoint end = FlyPath(*scratch, inputs, method, watch, control);
  if (!launched) {  // a flight that ends where it starts: its launch is its one row
    launchHeight = end.H;
    slope = std::tan(end.Q);
    row(end);
  }
  if (speedPassedZeroAt) *speedPassedZeroAt = scratch->SpeedPassedZeroAt;
  return rows;
}

}  // namespace orv
