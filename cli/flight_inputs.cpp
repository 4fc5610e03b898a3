#include "cli/flight_inputs.h"

#include <algorithm>
#include <string>

#include "base/number_text.h"
#include "cli/message_text.h"
#include "cli/usage_error.h"

namespace orv::cli {

double ParseInputValue(std::string_view where, std::string_view text) {
  double value = 0;
  if (TryTextToFloat(text, '.', value)) return value;
  std::string message = std::string(where) + ": " + NotANumberMessage(Quoted(text));
  // Written as the main window under a German or Russian locale reads it.
  if (TryTextToFloat(text, ',', value)) {
    std::string pointed(text);
    std::replace(pointed.begin(), pointed.end(), ',', '.');
    const std::string shown = Quoted(pointed);
    message += "; use a point as the decimal separator: " + shown.substr(1, shown.size() - 2);
  }
  throw UsageError(message);
}

}  // namespace orv::cli
