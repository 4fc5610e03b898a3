// The texts of the comparison of kept runs in the three interface languages (UTF-8):
// the chart menu's entries, the dialog that asks for the two quantities, and the
// quantities' names.
#pragma once

#include "base/sample_columns.h"
#include "base/texts3.h"

namespace orv {

struct ComparisonTexts {
  Texts3 keep;     // %1: how many runs are kept
  Texts3 compare;  // the menu entry; without its dots, the dialog's title
  Texts3 clear;
  Texts3 xAxis;  // the dialog's two lists
  Texts3 yAxis;
  Texts3 accurate;  // fly the kept runs again with the accurate method
};
const ComparisonTexts& ComparisonText();

// A sample column's quantity in words: "дальность", "Reichweite", "range"; nullptr
// for a reserved column.
const Texts3* QuantityName(Col c);

}  // namespace orv
