#include "cli/output_files.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "base/errors.h"
#include "cli/usage_error.h"
#include "files/file_ops.h"
#include "files/safe_write.h"

namespace orv::cli {

void CheckOutputFolder(std::string_view option, const std::string& path) {
  if (path == kStandardOutput) return;
  if (path.empty()) throw UsageError(std::string(option) + ": an empty path names no file");
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  std::error_code error;
  if (!folder.empty() && !std::filesystem::is_directory(folder, error))
    throw UsageError(std::string(option) + ": the folder '" + folder.string() + "' does not exist");
}

void WriteOutput(const std::string& path, std::string_view bytes) {
  if (path != kStandardOutput) return WriteFileSafely(path, bytes);
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0) {
    const int code = errno ? errno : EIO;
    throw InOutFault(IoErrorText(code), code);
  }
}

}  // namespace orv::cli
