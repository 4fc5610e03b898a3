#include "haupt/column_styles.h"

#include <array>

namespace orv {
namespace {

using enum UnitFlag;

// Columns: title of a plain curve (and its variant in thousands of the unit, with the
// flag that selects it), its dx, dy as curve 1, dy later; title of a signed curve and
// its dx; legend marker; curve marker; spacing offset.
const std::array<ColumnStyle, kSampleColumns> kStyles = {{
    /* 0 time */ {" t,Min", "", kNone, 0, 20, 20, nullptr, 0, {0, 0}, {0, 0}, 0},
    /* 1 speed */ {"V,m/s", "", kNone, 0, 42, 20, "V,m/s", -6, {7, 6}, {7, 6}, -3},
    /* 2 kinetic energy */ {"E,J", "", kNone, 0, 20, 20, nullptr, 0, {1, 6}, {1, 8}, -2},
    /* 3 height */ {"H,m", "H,km", kHeight, 0, 18, 20, nullptr, 0, {6, 6}, {6, 6}, 0},
    /* 4 path angle */ {"Q,grad", "", kNone, 0, 20, 20, "Q,*", -2, {5, 4}, {5, 6}, -1},
    /* 5 minus drag */ {"X,N", "", kNone, -5, 30, 30, "X,N", -2, {12, 6}, {12, 8}, -2},
    /* 6 reserved */ {" Gas,L", "", kNone, 0, 30, 30, "Nl,g", -2, {13, 6}, {13, 8}, -2},
    /* 7 range */ {"X,m", "X,km", kRange, 0, 20, 20, nullptr, 0, {3, 6}, {3, 6}, 0},
    /* 8 reserved */ {"Cl", "", kNone, 0, 20, 20, "Cl", -2, {14, 8}, {15, 9}, 0},
    /* 9 load factor */ {"nx,g", "", kNone, 0, 20, 20, "nx,g", -2, {13, 6}, {13, 7}, 0},
    /* 10 net force */ {"F,N", "", kNone, 0, 20, 20, "F,N", -2, {12, 6}, {12, 7}, -1},
    /* 11 reserved */ {"Vo/Vst", "", kNone, 0, 20, 20, "a,\xBC", -2, {18, 8}, {18, 9}, 1},
    /* 12 buoyancy term */ {"F,N", "", kNone, 0, 20, 20, "F,N", -12, {16, 8}, {16, 9}, 2},
    /* 13 wind speed */ {"T,K", "", kNone, 0, 20, 20, nullptr, 0, {2, 9}, {2, 7}, 1},
    /* 14 specific impulse */ {"Iud,N*s/kg", "", kNone, 0, 20, 20, nullptr, 0, {8, 8}, {8, 8}, 0},
    /* 15 thrust */ {"P,N", "P,kN", kThrust, 0, 20, 20, "P,N", -2, {4, 8}, {4, 8}, 0},
    /* 16 mass */ {"m,kg", "m,t", kMass, 0, 20, 20, "m,kg/s", -2, {10, 8}, {10, 8}, 3},
    /* 17 thrust / mass */ {"P/m, N/kg", "", kNone, 0, 35, 35, "P/m,N/kg", -2, {11, 8}, {11, 9}, -1},
    /* 18 reserved */ {"Vx,m/s", "", kNone, 0, 20, 20, nullptr, 0, {11, 8}, {11, 8}, 1},
    /* 19 volume */ {"Volumen,m3", "", kNone, 0, 20, 20, nullptr, 0, {2, 8}, {2, 7}, -2},
    /* 20 buoyancy */ {" Auftrieb,N", "", kNone, 0, 20, 20, nullptr, 0, {2, 8}, {1, 8}, -3},
    /* 21 drag */ {"D,N", "", kNone, 0, 20, 20, nullptr, 0, {9, 8}, {9, 8}, -3},
    /* 22 lift */ {"L,N", "", kNone, 0, 20, 20, "L,H", -2, {8, 8}, {8, 8}, -2},
    /* 23 drag coefficient */ {"Cx", "", kNone, 0, 20, 20, nullptr, 0, {16, 8}, {16, 8}, -1},
    /* 24 lift coefficient */ {"Cy", "", kNone, 0, 20, 20, nullptr, 0, {17, 8}, {17, 8}, -2},
    /* 25 Mach */ {"Mach", "", kNone, 0, 20, 20, nullptr, 0, {18, 8}, {18, 8}, -3},
    /* 26 temperature */ {"T,K", "", kNone, 0, 20, 20, nullptr, 0, {12, 8}, {12, 8}, -1},
    /* 27 pressure */ {"P,bar", "", kNone, 0, 20, 20, nullptr, 0, {13, 8}, {13, 8}, -2},
    /* 28 density */ {"r,kg/m3", "", kNone, 0, 20, 20, nullptr, 0, {16, 8}, {16, 8}, 0},
    /* 29 Reynolds / 1000 */ {"Re/1000(1m)", "", kNone, 0, 20, 20, nullptr, 0, {4, 8}, {4, 8}, 1},
}};

const ColumnStyle kBlank{};

bool FlagRaised(UnitFlag flag, const FlightData& fd) {
  switch (flag) {
    case kHeight:
      return fd.HeightInKm == 1;
    case kRange:
      return fd.RangeInKm == 1;
    case kThrust:
      return fd.ThrustInKn == 1;
    case kMass:
      return fd.MassInTonnes == 1;
    case kNone:
      break;
  }
  return false;
}

}  // namespace

const ColumnStyle& ColumnStyleOf(int column) {
  if (column < 0 || column >= kSampleColumns) return kBlank;
  return kStyles[static_cast<std::size_t>(column)];
}

std::string_view PlainTitle(int column, const FlightData& fd) {
  const ColumnStyle& s = ColumnStyleOf(column);
  return FlagRaised(s.plainTitleFlag, fd) ? s.plainTitleInThousands : s.plainTitle;
}

std::string_view XTitle(int column, const FlightData& fd) {
  switch (column) {
    case 0:
      if (fd.TimeUnitCode == 2) return "t,min";
      if (fd.TimeUnitCode == 3) return "t,h";
      return "t,s";
    case 1:
      return "V,m/s";
    case 7:
      return fd.RangeInKm == 1 ? "X,km" : "X,m";
    default:
      return {};
  }
}

}  // namespace orv
