#include "cli/flight_inputs.h"

#include <string>

#include "base/errors.h"
#include "base/number_text.h"
#include "cli/usage_error.h"

namespace orv::cli {

double ParseInputValue(std::string_view where, std::string_view text) {
  double value = 0;
  try {
    TextToFloat(text, '.', value);
  } catch (const ConvertFault& fault) {
    throw UsageError(std::string(where) + ": " + fault.what());
  }
  return value;
}

}  // namespace orv::cli
