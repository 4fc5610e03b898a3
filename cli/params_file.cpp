#include "cli/params_file.h"

#include "cli/interrupt.h"
#include "cli/message_text.h"
#include "cli/usage_error.h"

namespace orv::cli {

InputOverrides ParseParams(const std::string& text, const std::string& fileName) {
  try {
    return ParseDesign(text, fileName, Quoted);
  } catch (const DesignFault& fault) {
    throw UsageError(fault.message());
  }
}

InputOverrides ReadParamsFile(const std::string& path) {
  std::string text;
  try {
    // A fifo waits here for its writer, and a slow one on every read.
    const WaitScope wait;
    text = ReadDesignText(path, Quoted);
  } catch (const DesignFault& fault) {
    throw UsageError("--params: " + fault.message());
  }
  return ParseParams(text, path);
}

}  // namespace orv::cli
