#include "cli/flight_inputs.h"

#include <cmath>
#include <string>

#include "base/number_text.h"
#include "cli/message_text.h"
#include "cli/usage_error.h"
#include "files/design_file.h"

namespace orv::cli {

double ParseInputValue(std::string_view where, std::string_view text) {
  try {
    return ReadDesignValue(where, text, Quoted);
  } catch (const DesignFault& fault) {
    throw UsageError(fault.message());
  }
}

void CheckInputRange(std::string_view where, Input input, double from, double to) {
  const std::string prefix = std::string(where) + ": ";
  if (!std::isfinite(from) || !std::isfinite(to))
    throw UsageError(prefix + "FROM and TO must be finite numbers");
  if (!(from < to)) throw UsageError(prefix + "FROM must be less than TO");
  if (!std::isfinite(to - from))
    throw UsageError(prefix + "the width TO - FROM is beyond the largest number (about 1.8e308)");
  constexpr double kVertical = 90;  // degrees
  if (input == Input::kAngle && !(from > -kVertical && to < kVertical))
    throw UsageError(prefix + "the angle must lie strictly between -90 and 90 degrees, not " +
                     FloatToText(from, '.') + ".." + FloatToText(to, '.'));
}

}  // namespace orv::cli
