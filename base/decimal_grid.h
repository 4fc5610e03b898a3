// The values of a grid axis given as decimal texts FROM, TO and STEP: each value the
// double that its decimal text reads as, so 0:1:0.1 gives 0.3, not
// 0.30000000000000004, and every program that reads the same texts flies the same
// values.
#pragma once

#include <string_view>
#include <vector>

namespace orv {

// FROM, FROM + STEP, ... up to TO. The texts are numbers as the fields read them with
// a point; STEP is not 0 and goes from FROM towards TO, and the axis has a sensible
// number of values (the caller checks all this first).
std::vector<double> DecimalGrid(std::string_view from, std::string_view to, std::string_view step);

}  // namespace orv
