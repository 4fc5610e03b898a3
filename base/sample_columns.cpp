#include "base/sample_columns.h"

#include <algorithm>

#include "base/constants.h"
#include "base/flight_data.h"

namespace orv {
namespace {

using enum Col;

constexpr std::array<UnitStep, 2> kNoSteps{};

constexpr std::array<UnitStep, 2> Kilo(const char* unit) { return {{{1, kKiloThreshold, 1000, unit}, {}}}; }

constexpr ResultsField kNoField{};

// Chart look: plain titles (base, larger units), dx, dy as curve 1, dy later; signed
// title and its dx; legend marker; curve marker; spacing offset; x titles.
// clang-format off
constexpr std::array<ColumnInfo, kSampleColumns> kColumns = {{
    {kTime, "t", "time", "s", true, &FlightData::TimeUnitCode,
     {{{2, kMinutesThreshold, 60, "min"}, {3, kHoursThreshold, 3600, "h"}}}, {1, 8, 2},
     {{" t,Min"}, 0, 20, 20, nullptr, 0, {0, 0}, {0, 0}, 0, {"t,s", "t,min", "t,h"}}},
    {kSpeed, "V", "speed", "m/s", true, nullptr, kNoSteps, {4, 5, 1},
     {{"V,m/s"}, 0, 42, 20, "V,m/s", -6, {7, 6}, {7, 6}, -3, {"V,m/s"}}},
    {kEnergy, "E", "kinetic energy", "J", true, nullptr, kNoSteps, {5, 5, 1},
     {{"E,J"}, 0, 20, 20, nullptr, 0, {1, 6}, {1, 8}, -2}},
    {kHeight, "H", "height", "m", true, &FlightData::HeightInKm, Kilo("km"), {3, 5, 1},
     {{"H,m", "H,km"}, 0, 18, 20, nullptr, 0, {6, 6}, {6, 6}, 0}},
    {kPathAngle, "Q", "path angle", "deg", true, nullptr, kNoSteps, {6, 5, 1},
     {{"Q,grad"}, 0, 20, 20, "Q,*", -2, {5, 4}, {5, 6}, -1}},
    {kMinusDrag, "-D", "minus drag force", "N", true, nullptr, kNoSteps, {8, 12, 1},
     {{"X,N"}, -5, 30, 30, "X,N", -2, {12, 6}, {12, 8}, -2}},
    {kReserved6, "slot2", "reserved (slot 2)", "-", false, nullptr, kNoSteps, kNoField,
     {{" Gas,L"}, 0, 30, 30, "Nl,g", -2, {13, 6}, {13, 8}, -2}},
    {kRange, "X", "range", "m", true, &FlightData::RangeInKm, Kilo("km"), {2, 6, 2},
     {{"X,m", "X,km"}, 0, 20, 20, nullptr, 0, {3, 6}, {3, 6}, 0, {"X,m", "X,km"}}},
    {kReserved8, "slot1", "reserved (slot 1)", "-", false, nullptr, kNoSteps, kNoField,
     {{"Cl"}, 0, 20, 20, "Cl", -2, {14, 8}, {15, 9}, 0}},
    {kLoadFactor, "nx", "load factor", "g", true, nullptr, kNoSteps, kNoField,
     {{"nx,g"}, 0, 20, 20, "nx,g", -2, {13, 6}, {13, 7}, 0}},
    {kNetForce, "Fin", "net force along the path", "N", true, nullptr, kNoSteps, kNoField,
     {{"F,N"}, 0, 20, 20, "F,N", -2, {12, 6}, {12, 7}, -1}},
    {kReserved11, "res11", "reserved", "-", false, nullptr, kNoSteps, kNoField,
     {{"Vo/Vst"}, 0, 20, 20, "a,\xBC", -2, {18, 8}, {18, 9}, 1}},
    {kBuoyancyTerm, "A+1e-9", "buoyancy term plus 1e-9", "N", true, nullptr, kNoSteps, kNoField,
     {{"F,N"}, 0, 20, 20, "F,N", -12, {16, 8}, {16, 9}, 2}},
    {kWind, "Vwind", "wind speed", "m/s", true, nullptr, kNoSteps, kNoField,
     {{"T,K"}, 0, 20, 20, nullptr, 0, {2, 9}, {2, 7}, 1}},
    {kSpecificImpulse, "Iud", "specific impulse", "N*s/kg", true, nullptr, kNoSteps, kNoField,
     {{"Iud,N*s/kg"}, 0, 20, 20, nullptr, 0, {8, 8}, {8, 8}, 0}},
    {kThrust, "P", "thrust", "N", true, &FlightData::ThrustInKn, Kilo("kN"), kNoField,
     {{"P,N", "P,kN"}, 0, 20, 20, "P,N", -2, {4, 8}, {4, 8}, 0}},
    {kMass, "m", "mass", "kg", true, &FlightData::MassInTonnes, Kilo("t"), {7, 10, 1},
     {{"m,kg", "m,t"}, 0, 20, 20, "m,kg/s", -2, {10, 8}, {10, 8}, 3}},
    {kThrustAccel, "P/m", "thrust acceleration", "m/s2", true, nullptr, kNoSteps, kNoField,
     {{"P/m, N/kg"}, 0, 35, 35, "P/m,N/kg", -2, {11, 8}, {11, 9}, -1}},
    {kReserved18, "slot91", "reserved (slot 91)", "-", false, nullptr, kNoSteps, kNoField,
     {{"Vx,m/s"}, 0, 20, 20, nullptr, 0, {11, 8}, {11, 8}, 1}},
    {kVolume, "Volumen", "body volume", "m3", true, nullptr, kNoSteps, kNoField,
     {{"Volumen,m3"}, 0, 20, 20, nullptr, 0, {2, 8}, {2, 7}, -2}},
    {kBuoyancy, "Auftrieb", "buoyancy", "N", true, nullptr, kNoSteps, kNoField,
     {{" Auftrieb,N"}, 0, 20, 20, nullptr, 0, {2, 8}, {1, 8}, -3}},
    {kDrag, "D", "drag force", "N", true, nullptr, kNoSteps, kNoField,
     {{"D,N"}, 0, 20, 20, nullptr, 0, {9, 8}, {9, 8}, -3}},
    {kLift, "L", "lift force", "N", true, nullptr, kNoSteps, kNoField,
     {{"L,N"}, 0, 20, 20, "L,H", -2, {8, 8}, {8, 8}, -2}},
    {kCxCur, "Cx", "drag coefficient", "-", true, nullptr, kNoSteps, kNoField,
     {{"Cx"}, 0, 20, 20, nullptr, 0, {16, 8}, {16, 8}, -1}},
    {kCyCur, "Cy", "lift coefficient", "-", true, nullptr, kNoSteps, kNoField,
     {{"Cy"}, 0, 20, 20, nullptr, 0, {17, 8}, {17, 8}, -2}},
    {kMach, "Mach", "Mach number", "-", true, nullptr, kNoSteps, kNoField,
     {{"Mach"}, 0, 20, 20, nullptr, 0, {18, 8}, {18, 8}, -3}},
    {kTemperature, "T", "air temperature", "K", true, nullptr, kNoSteps, kNoField,
     {{"T,K"}, 0, 20, 20, nullptr, 0, {12, 8}, {12, 8}, -1}},
    {kPressure, "p", "air pressure", "bar", true, nullptr, kNoSteps, kNoField,
     {{"P,bar"}, 0, 20, 20, nullptr, 0, {13, 8}, {13, 8}, -2}},
    {kDensity, "rho", "medium density", "kg/m3", true, nullptr, kNoSteps, kNoField,
     {{"r,kg/m3"}, 0, 20, 20, nullptr, 0, {16, 8}, {16, 8}, 0}},
    {kReynolds, "Re/10000", "Reynolds number for 1 m / 10000", "-", true, nullptr, kNoSteps, kNoField,
     {{"Re/1000(1m)"}, 0, 20, 20, nullptr, 0, {4, 8}, {4, 8}, 1}},
}};
// clang-format on

// Command-line names, in column order; reserved columns have none.
constexpr std::array<const char*, kSampleColumns> kKeys{"time",
                                                        "speed",
                                                        "energy",
                                                        "height",
                                                        "angle",
                                                        "minus-drag",
                                                        "",
                                                        "range",
                                                        "",
                                                        "load-factor",
                                                        "net-force",
                                                        "",
                                                        "buoyancy-term",
                                                        "wind",
                                                        "impulse",
                                                        "thrust",
                                                        "mass",
                                                        "thrust-per-mass",
                                                        "",
                                                        "volume",
                                                        "buoyancy",
                                                        "drag",
                                                        "lift",
                                                        "cx",
                                                        "cy",
                                                        "mach",
                                                        "temperature",
                                                        "pressure",
                                                        "density",
                                                        "reynolds"};

constexpr bool IdsInOrder() {
  for (int c = 0; c < kSampleColumns; ++c)
    if (Index(kColumns[static_cast<std::size_t>(c)].id) != c) return false;
  return true;
}

// The filled columns, those of the results file first in its order.
std::array<Col, kSampleColumns> MakeExportOrder(int& count) {
  std::array<const ColumnInfo*, kSampleColumns> sorted{};
  count = 0;
  for (const ColumnInfo& info : kColumns)
    if (info.filled) sorted[static_cast<std::size_t>(count++)] = &info;
  auto key = [](const ColumnInfo* c) { return c->file.position > 0 ? c->file.position : kSampleColumns + 1; };
  std::stable_sort(sorted.begin(), sorted.begin() + count,
                   [&](const ColumnInfo* a, const ColumnInfo* b) { return key(a) < key(b); });
  std::array<Col, kSampleColumns> order{};
  for (int k = 0; k < count; ++k)
    order[static_cast<std::size_t>(k)] = sorted[static_cast<std::size_t>(k)]->id;
  return order;
}

}  // namespace

std::span<const ColumnInfo> SampleColumns() {
  static_assert(IdsInOrder(), "the table lists the columns in column order");
  return kColumns;
}

const ColumnInfo& ColumnInfoOf(Col c) { return kColumns[static_cast<std::size_t>(Index(c))]; }

std::span<const Col> ExportColumns() {
  static int count = 0;
  static const std::array<Col, kSampleColumns> order = MakeExportOrder(count);
  return std::span<const Col>(order.data(), static_cast<std::size_t>(count));
}

int UnitLevel(const ColumnInfo& info, const FlightData& fd) {
  if (info.flag == nullptr) return 0;
  const std::int32_t value = fd.*info.flag;
  for (std::size_t k = 0; k < info.steps.size(); ++k)
    if (info.steps[k].code != 0 && info.steps[k].code == value) return static_cast<int>(k) + 1;
  return 0;
}

std::string_view ScaledUnit(Col c, const FlightData& fd) {
  const ColumnInfo& info = ColumnInfoOf(c);
  const int level = UnitLevel(info, fd);
  return level == 0 ? info.unit : info.steps[static_cast<std::size_t>(level - 1)].unit;
}

double ToBaseUnit(Col c, double tableValue, const FlightData& fd) {
  const ColumnInfo& info = ColumnInfoOf(c);
  const int level = UnitLevel(info, fd);
  return level == 0 ? tableValue : tableValue * info.steps[static_cast<std::size_t>(level - 1)].divisor;
}

std::string ColumnHeading(Col c) {
  const ColumnInfo& info = ColumnInfoOf(c);
  return std::string(info.quantity) + " [" + info.unit + "]";
}

std::string ScaledHeading(Col c, const FlightData& fd) {
  return std::string(ColumnInfoOf(c).symbol) + " [" + std::string(ScaledUnit(c, fd)) + "]";
}

const char* ColumnKey(Col c) { return kKeys[static_cast<std::size_t>(Index(c))]; }

std::optional<Col> FindColumn(std::string_view keyOrSymbol) {
  for (const ColumnInfo& info : kColumns)
    if (info.filled && (keyOrSymbol == ColumnKey(info.id) || keyOrSymbol == info.symbol)) return info.id;
  return std::nullopt;
}

}  // namespace orv
