// How every column of the sample table looks in a chart: the titles over its y axis
// and under the x axis, the marker at the foot of its axis and the markers along its
// curve. Constant data, one row per column 0..29.
#pragma once

#include <string_view>

#include "base/flight_data.h"

namespace orv {

// The unit flag that switches a title to its "thousands" variant.
enum class UnitFlag { kNone, kHeight, kRange, kThrust, kMass };

struct MarkerStyle {
  int kind = 0;  // DrawMarker kind; 0 draws nothing
  int size = 0;  // pixels
};

struct ColumnStyle {
  // Title of a plain curve, written at (A + 2 + dx, Z - h - dy).
  const char* plainTitle = "";
  const char* plainTitleInThousands = "";  // used instead when `plainTitleFlag` is raised
  UnitFlag plainTitleFlag = UnitFlag::kNone;
  int plainDx = 0;
  int plainDyFirstCurve = 20;  // when the column is curve 1 of the request
  int plainDy = 20;            // as any later curve
  // Title of a signed curve, written at (A + dx, Z - h - 20); nullptr: none.
  const char* signedTitle = nullptr;
  int signedDx = 0;
  MarkerStyle legend;     // at the foot of the axis
  MarkerStyle curve;      // along the curve, on every m-th sample
  int spacingOffset = 0;  // d in m = rnd(sqrt(SampleRows)) + d
};

// The row of a column; a blank row (no titles, no markers) outside 0..29.
const ColumnStyle& ColumnStyleOf(int column);

// Title of the column as a plain curve under the unit flags of the last run.
std::string_view PlainTitle(int column, const FlightData& fd);

// Title under the x axis; empty for columns that have none.
std::string_view XTitle(int column, const FlightData& fd);

}  // namespace orv
