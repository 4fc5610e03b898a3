#include "base/sample_columns.h"

#include <algorithm>

#include "base/constants.h"
#include "base/flight_data.h"

namespace orv {
namespace {

using enum Col;

constexpr std::array<UnitStep, 2> Kilo(const char* unit) {
  return {{{.code = 1, .threshold = kKiloThreshold, .divisor = 1000, .unit = unit}, {}}};
}

// Unnamed members keep their defaults: filled, no unit flag, not in the results
// file; a chart's curve titles written 20 pixels above the axis, no signed title, no
// markers, never an x column.
// clang-format off
constexpr std::array<ColumnInfo, kSampleColumns> kColumns = {{
    {.id = kTime, .symbol = "t", .key = "time", .quantity = "time", .unit = "s",
     .flag = &FlightData::TimeUnitCode,
     .steps = {{{.code = 2, .threshold = kMinutesThreshold, .divisor = 60, .unit = "min"},
                {.code = 3, .threshold = kHoursThreshold, .divisor = 3600, .unit = "h"}}},
     .file = {.position = 1, .width = 8, .decimals = 2},
     .chart = {.plainTitle = {" t,Min"}, .xTitle = {"t,s", "t,min", "t,h"}}},
    {.id = kSpeed, .symbol = "V", .key = "speed", .quantity = "speed", .unit = "m/s",
     .file = {.position = 4, .width = 5, .decimals = 1},
     .chart = {.plainTitle = {"V,m/s"}, .plainDyFirstCurve = 42, .signedTitle = "V,m/s", .signedDx = -6,
               .legend = {Marker::kLimeSquare, 6}, .curve = {Marker::kLimeSquare, 6}, .spacingOffset = -3,
               .xTitle = {"V,m/s"}}},
    {.id = kEnergy, .symbol = "E", .key = "energy", .quantity = "kinetic energy", .unit = "J",
     .file = {.position = 5, .width = 5, .decimals = 1},
     .chart = {.plainTitle = {"E,J"}, .legend = {Marker::kCrossedYellowSquare, 6},
               .curve = {Marker::kCrossedYellowSquare, 8}, .spacingOffset = -2}},
    {.id = kHeight, .symbol = "H", .key = "height", .quantity = "height", .unit = "m",
     .flag = &FlightData::HeightInKm, .steps = Kilo("km"),
     .file = {.position = 3, .width = 5, .decimals = 1},
     .chart = {.plainTitle = {"H,m", "H,km"}, .plainDyFirstCurve = 18, .legend = {Marker::kRedSquare, 6},
               .curve = {Marker::kRedSquare, 6}}},
    {.id = kPathAngle, .symbol = "Q", .key = "angle", .quantity = "path angle", .unit = "deg",
     .file = {.position = 6, .width = 5, .decimals = 1},
     .chart = {.plainTitle = {"Q,grad"}, .signedTitle = "Q,*", .signedDx = -2, .legend = {Marker::kStar, 4},
               .curve = {Marker::kStar, 6}, .spacingOffset = -1}},
    {.id = kMinusDrag, .symbol = "-D", .key = "minus-drag", .quantity = "minus drag force", .unit = "N",
     .file = {.position = 8, .width = 12, .decimals = 1},
     .chart = {.plainTitle = {"X,N"}, .plainDx = -5, .plainDyFirstCurve = 30, .plainDy = 30,
               .signedTitle = "X,N", .signedDx = -2, .legend = {Marker::kYellowTriangleUp, 6},
               .curve = {Marker::kYellowTriangleUp, 8}, .spacingOffset = -2}},
    {.id = kReserved6, .symbol = "slot2", .quantity = "reserved (slot 2)", .unit = "-", .filled = false,
     .chart = {.plainTitle = {" Gas,L"}, .plainDyFirstCurve = 30, .plainDy = 30, .signedTitle = "Nl,g",
               .signedDx = -2, .legend = {Marker::kAquaTriangleDown, 6},
               .curve = {Marker::kAquaTriangleDown, 8}, .spacingOffset = -2}},
    {.id = kRange, .symbol = "X", .key = "range", .quantity = "range", .unit = "m",
     .flag = &FlightData::RangeInKm, .steps = Kilo("km"),
     .file = {.position = 2, .width = 6, .decimals = 2},
     .chart = {.plainTitle = {"X,m", "X,km"}, .legend = {Marker::kBarredAquaSquare, 6},
               .curve = {Marker::kBarredAquaSquare, 6}, .xTitle = {"X,m", "X,km"}}},
    {.id = kReserved8, .symbol = "slot1", .quantity = "reserved (slot 1)", .unit = "-", .filled = false,
     .chart = {.plainTitle = {"Cl"}, .signedTitle = "Cl", .signedDx = -2, .legend = {Marker::kBlackCircle, 8},
               .curve = {Marker::kLetterSmallL, 9}}},
    {.id = kLoadFactor, .symbol = "nx", .key = "load-factor", .quantity = "load factor", .unit = "g",
     .chart = {.plainTitle = {"nx,g"}, .signedTitle = "nx,g", .signedDx = -2,
               .legend = {Marker::kAquaTriangleDown, 6}, .curve = {Marker::kAquaTriangleDown, 7}}},
    {.id = kNetForce, .symbol = "Fin", .key = "net-force", .quantity = "net force along the path",
     .unit = "N",
     .chart = {.plainTitle = {"F,N"}, .signedTitle = "F,N", .signedDx = -2,
               .legend = {Marker::kYellowTriangleUp, 6}, .curve = {Marker::kYellowTriangleUp, 7},
               .spacingOffset = -1}},
    {.id = kReserved11, .symbol = "res11", .quantity = "reserved", .unit = "-", .filled = false,
     .chart = {.plainTitle = {"Vo/Vst"}, .signedTitle = "a,\xBC", .signedDx = -2,
               .legend = {Marker::kPaleCyanCircleUprightBar, 8},
               .curve = {Marker::kPaleCyanCircleUprightBar, 9}, .spacingOffset = 1}},
    {.id = kBuoyancyTerm, .symbol = "A+1e-9", .key = "buoyancy-term", .quantity = "buoyancy term plus 1e-9",
     .unit = "N",
     .chart = {.plainTitle = {"F,N"}, .signedTitle = "F,N", .signedDx = -12,
               .legend = {Marker::kAquaCircle, 8}, .curve = {Marker::kAquaCircle, 9}, .spacingOffset = 2}},
    {.id = kWind, .symbol = "Vwind", .key = "wind", .quantity = "wind speed", .unit = "m/s",
     .chart = {.plainTitle = {"T,K"}, .legend = {Marker::kCrossedLimeBox, 9},
               .curve = {Marker::kCrossedLimeBox, 7}, .spacingOffset = 1}},
    {.id = kSpecificImpulse, .symbol = "Iud", .key = "impulse", .quantity = "specific impulse",
     .unit = "N*s/kg",
     .chart = {.plainTitle = {"Iud,N*s/kg"}, .legend = {Marker::kBlackTriangleUp, 8},
               .curve = {Marker::kBlackTriangleUp, 8}}},
    {.id = kThrust, .symbol = "P", .key = "thrust", .quantity = "thrust", .unit = "N",
     .flag = &FlightData::ThrustInKn, .steps = Kilo("kN"),
     .chart = {.plainTitle = {"P,N", "P,kN"}, .signedTitle = "P,N", .signedDx = -2,
               .legend = {Marker::kYellowInSilverSquare, 8}, .curve = {Marker::kYellowInSilverSquare, 8}}},
    {.id = kMass, .symbol = "m", .key = "mass", .quantity = "mass", .unit = "kg",
     .flag = &FlightData::MassInTonnes, .steps = Kilo("t"),
     .file = {.position = 7, .width = 10, .decimals = 1},
     .chart = {.plainTitle = {"m,kg", "m,t"}, .signedTitle = "m,kg/s", .signedDx = -2,
               .legend = {Marker::kRedUprightBar, 8}, .curve = {Marker::kRedUprightBar, 8},
               .spacingOffset = 3}},
    {.id = kThrustAccel, .symbol = "P/m", .key = "thrust-per-mass", .quantity = "thrust acceleration",
     .unit = "m/s2",
     .chart = {.plainTitle = {"P/m, N/kg"}, .plainDyFirstCurve = 35, .plainDy = 35, .signedTitle = "P/m,N/kg",
               .signedDx = -2, .legend = {Marker::kSilverLyingBar, 8}, .curve = {Marker::kSilverLyingBar, 9},
               .spacingOffset = -1}},
    {.id = kReserved18, .symbol = "slot91", .quantity = "reserved (slot 91)", .unit = "-", .filled = false,
     .chart = {.plainTitle = {"Vx,m/s"}, .legend = {Marker::kSilverLyingBar, 8},
               .curve = {Marker::kSilverLyingBar, 8}, .spacingOffset = 1}},
    {.id = kVolume, .symbol = "Volumen", .key = "volume", .quantity = "body volume", .unit = "m3",
     .chart = {.plainTitle = {"Volumen,m3"}, .legend = {Marker::kCrossedLimeBox, 8},
               .curve = {Marker::kCrossedLimeBox, 7}, .spacingOffset = -2}},
    {.id = kBuoyancy, .symbol = "Auftrieb", .key = "buoyancy", .quantity = "buoyancy", .unit = "N",
     .chart = {.plainTitle = {" Auftrieb,N"}, .legend = {Marker::kCrossedLimeBox, 8},
               .curve = {Marker::kCrossedYellowSquare, 8}, .spacingOffset = -3}},
    {.id = kDrag, .symbol = "D", .key = "drag", .quantity = "drag force", .unit = "N",
     .chart = {.plainTitle = {"D,N"}, .legend = {Marker::kBlackTriangleDown, 8},
               .curve = {Marker::kBlackTriangleDown, 8}, .spacingOffset = -3}},
    {.id = kLift, .symbol = "L", .key = "lift", .quantity = "lift force", .unit = "N",
     .chart = {.plainTitle = {"L,N"}, .signedTitle = "L,H", .signedDx = -2,
               .legend = {Marker::kBlackTriangleUp, 8}, .curve = {Marker::kBlackTriangleUp, 8},
               .spacingOffset = -2}},
    {.id = kCxCur, .symbol = "Cx", .key = "cx", .quantity = "drag coefficient", .unit = "-",
     .chart = {.plainTitle = {"Cx"}, .legend = {Marker::kAquaCircle, 8}, .curve = {Marker::kAquaCircle, 8},
               .spacingOffset = -1}},
    {.id = kCyCur, .symbol = "Cy", .key = "cy", .quantity = "lift coefficient", .unit = "-",
     .chart = {.plainTitle = {"Cy"}, .legend = {Marker::kPaleAquaCircleLyingBar, 8},
               .curve = {Marker::kPaleAquaCircleLyingBar, 8}, .spacingOffset = -2}},
    {.id = kMach, .symbol = "Mach", .key = "mach", .quantity = "Mach number", .unit = "-",
     .chart = {.plainTitle = {"Mach"}, .legend = {Marker::kPaleCyanCircleUprightBar, 8},
               .curve = {Marker::kPaleCyanCircleUprightBar, 8}, .spacingOffset = -3}},
    {.id = kTemperature, .symbol = "T", .key = "temperature", .quantity = "air temperature", .unit = "K",
     .chart = {.plainTitle = {"T,K"}, .legend = {Marker::kYellowTriangleUp, 8},
               .curve = {Marker::kYellowTriangleUp, 8}, .spacingOffset = -1}},
    {.id = kPressure, .symbol = "p", .key = "pressure", .quantity = "air pressure", .unit = "bar",
     .chart = {.plainTitle = {"P,bar"}, .legend = {Marker::kAquaTriangleDown, 8},
               .curve = {Marker::kAquaTriangleDown, 8}, .spacingOffset = -2}},
    {.id = kDensity, .symbol = "rho", .key = "density", .quantity = "medium density", .unit = "kg/m3",
     .chart = {.plainTitle = {"r,kg/m3"}, .legend = {Marker::kAquaCircle, 8},
               .curve = {Marker::kAquaCircle, 8}}},
    {.id = kReynolds, .symbol = "Re/10000", .key = "reynolds", .quantity = "Reynolds number for 1 m / 10000",
     .unit = "-",
     .chart = {.plainTitle = {"Re/1000(1m)"}, .legend = {Marker::kYellowInSilverSquare, 8},
               .curve = {Marker::kYellowInSilverSquare, 8}, .spacingOffset = 1}},
}};
// clang-format on

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

const char* ColumnKey(Col c) { return ColumnInfoOf(c).key; }

std::optional<Col> FindColumn(std::string_view keyOrSymbol) {
  for (const ColumnInfo& info : kColumns)
    if (info.filled && (keyOrSymbol == ColumnKey(info.id) || keyOrSymbol == info.symbol)) return info.id;
  return std::nullopt;
}

}  // namespace orv
