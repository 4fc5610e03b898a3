// The one description of the sample table's 30 columns: what each holds, in which
// unit, when a run switches it to a larger unit, where it goes in the results file
// and how a chart draws it. The recorder, the unit scaling, the results file, the
// chart engine, the catalogue and the exports all read this table.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/marker_kind.h"

namespace orv {

struct FlightData;

enum class Col : int {
  kTime = 0,         // t
  kSpeed,            // V along the path
  kEnergy,           // kinetic energy
  kHeight,           // H, 0 below ground
  kPathAngle,        // Q in degrees
  kMinusDrag,        // -Drag
  kReserved6,        // slot 2, always 0
  kRange,            // X
  kReserved8,        // slot 1, always 0
  kLoadFactor,       // nx
  kNetForce,         // Fin
  kReserved11,       // always 0
  kBuoyancyTerm,     // Auftrieb + 1e-9
  kWind,             // Vwind
  kSpecificImpulse,  // IudCur
  kThrust,           // Thrust
  kMass,             // Mass
  kThrustAccel,      // Thrust / Mass
  kReserved18,       // slot 91, always 0
  kVolume,           // Volumen
  kBuoyancy,         // Auftrieb
  kDrag,             // Drag
  kLift,             // Lift
  kCxCur,            // drag coefficient in use
  kCyCur,            // lift coefficient in use
  kMach,             // Mach
  kTemperature,      // Temp
  kPressure,         // Pres
  kDensity,          // Rho
  kReynolds,         // Re1m / 1000
};

inline constexpr int kSampleColumns = 30;

constexpr int Index(Col c) { return static_cast<int>(c); }

// A larger unit a run switches a column to when a sampled value passes a threshold.
struct UnitStep {
  std::int32_t code = 0;  // value of the column's unit flag for this unit
  double threshold = 0;   // in the base unit: a sampled value above it switches
  double divisor = 1;     // base units per this unit
  const char* unit = "";
};

// The column's field in Orvantis_500.txt.
struct ResultsField {
  int position = 0;  // 1.. from the left after the row number; 0: not in the file
  int width = 0;     // characters, right-aligned (wider numbers widen the field)
  int decimals = 0;
};

struct MarkerStyle {
  Marker kind = Marker::kNone;
  int size = 0;  // pixels
};

// How a chart draws the column.
struct ColumnStyle {
  // Title of a plain curve, written at (A + 2 + dx, Z - h - dy); per unit (base,
  // first step, second step), an empty entry falls back to the base unit's.
  std::array<const char*, 3> plainTitle{"", "", ""};
  int plainDx = 0;
  int plainDyFirstCurve = 20;  // when the column is curve 1 of the request
  int plainDy = 20;            // as any later curve
  // Title of a signed curve, written at (A + dx, Z - h - 20); nullptr: none.
  const char* signedTitle = nullptr;
  int signedDx = 0;
  MarkerStyle legend{};   // at the foot of the axis
  MarkerStyle curve{};    // along the curve, on every m-th sample
  int spacingOffset = 0;  // d in m = rnd(sqrt(SampleRows)) + d
  // Title under the x axis per unit, nullptr: the column is never an x column.
  std::array<const char*, 3> xTitle{nullptr, nullptr, nullptr};
};

struct ColumnInfo {
  Col id = Col::kTime;
  const char* symbol = "";                   // short name, unique: "t", "X", ...
  const char* key = "";                      // the command line's name: "time", "range"; "" if reserved
  const char* quantity = "";                 // in plain words, unique: "time", "path angle", ...
  const char* unit = "";                     // of the recorded value before any scaling: "s", "deg", "bar"
  bool filled = true;                        // false: a reserved column that always holds 0
  std::int32_t FlightData::*flag = nullptr;  // the unit flag that scales it, or nullptr
  std::array<UnitStep, 2> steps{};           // larger units, smallest first; none without a flag
  ResultsField file{};                       // none: not in the results file
  ColumnStyle chart{};
};

// All 30 columns in column order.
std::span<const ColumnInfo> SampleColumns();
const ColumnInfo& ColumnInfoOf(Col c);

// The columns a run fills, as the exports list them: the results file's columns in
// its order (t, X, H, V, E, Q, m, -D), then the others in column order.
std::span<const Col> ExportColumns();

// 0 in the base unit, 1 or 2 in the first or second larger unit, as the run's flags say.
int UnitLevel(const ColumnInfo& info, const FlightData& fd);

// The unit the column's values are in after the run's scaling.
std::string_view ScaledUnit(Col c, const FlightData& fd);

// A value of the scaled table back in the column's base unit.
double ToBaseUnit(Col c, double tableValue, const FlightData& fd);

// "time [s]": the quantity and its unit before scaling, as the exports head their
// columns for a spreadsheet's reader.
std::string ColumnHeading(Col c);

// "t [min]": symbol and the unit the run's flags put the column in.
std::string ScaledHeading(Col c, const FlightData& fd);

// The name a command line gives the column: "range", "height"; "" for a reserved
// column, which no one asks for.
const char* ColumnKey(Col c);

// The filled column of that name or symbol ("range" or "X"), if there is one.
std::optional<Col> FindColumn(std::string_view keyOrSymbol);

}  // namespace orv
