#include "cli/flight_inputs.h"

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

}  // namespace orv::cli
