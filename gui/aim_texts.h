// The texts of the aim, the range table and the chance of a hit in the three
// interface languages, UTF-8.
#pragma once

#include "base/texts3.h"

namespace orv {

struct AimTexts {
  Texts3 menu;                 // the chart menu's entry, also the dialog's title
  Texts3 range, height, size;  // the target's range, height, and its own height (for the danger space)
  Texts3 find;
  Texts3 angle, time, speed, energy, pathAngle;  // the solutions' column headings, with units
  Texts3 direct, lobbed;
  Texts3 use;         // "Use this angle"
  Texts3 danger;      // %1 from, %2 to, %3 length, with units
  Texts3 outOfReach;  // %1 the furthest range, %2 its angle
  Texts3 noneRises;   // %1 the greatest height, %2 its angle
  Texts3 badTarget;   // behind the launch point or below the end height
  Texts3 searching;   // the progress window's heading
};
const AimTexts& AimText();

struct RangeTableTexts {
  Texts3 menu;
  Texts3 step, show, copy, exportCsv;
  Texts3 range, time, height, drop, speed, energy, pathAngle;  // column headings, with units
  Texts3 badStep;
};
const RangeTableTexts& RangeTableText();

struct SpreadTexts {
  Texts3 menu;
  Texts3 range, height, radius;
  Texts3 sdV0, sdAngle, sdCx, sdMass;  // the spread of each input, with its unit
  Texts3 draws, aimFirst, run;
  Texts3 chance;  // %1 share, %2 low, %3 high
  Texts3 mean;    // %1 mean, %2 standard deviation
  Texts3 notReached;
  Texts3 byInput;                 // %1 input, %2 its standard deviation, %3 its share of the variance
  Texts3 drawOf;                  // progress: %1 draws of %2
  Texts3 badValue;                // a spread, a radius or a number of draws out of range
  Texts3 histogramX, histogramY;  // the histogram's axes: the height at X, the draws
};
const SpreadTexts& SpreadText();

}  // namespace orv
