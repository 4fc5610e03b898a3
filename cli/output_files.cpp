#include "cli/output_files.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "base/errors.h"
#include "cli/usage_error.h"
#include "haupt/file_ops.h"

namespace orv::cli {
namespace {

constexpr int kTemporaryNameTries = 100;

[[noreturn]] void ThrowInOut(int code) { throw InOutFault(IoErrorText(code), code); }

void WriteStandardOutput(std::string_view bytes) {
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0)
    ThrowInOut(errno ? errno : EIO);
}

}  // namespace

void CheckOutputFolder(std::string_view option, const std::string& path) {
  if (path == kStandardOutput) return;
  if (path.empty()) throw UsageError(std::string(option) + ": an empty path names no file");
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  std::error_code error;
  if (!folder.empty() && !std::filesystem::is_directory(folder, error))
    throw UsageError(std::string(option) + ": the folder '" + folder.string() + "' does not exist");
}

void WriteOutput(const std::string& path, std::string_view bytes) {
  if (path == kStandardOutput) return WriteStandardOutput(bytes);
  FileOps& ops = SystemFileOps();
  // A new file in the same folder, so the rename stays within one file system.
  std::string temporary;
  int fd = -1;
  int error = EEXIST;
  const std::string stem = path + ".tmp" + std::to_string(::getpid()) + "-";
  for (int n = 0; n < kTemporaryNameTries && error == EEXIST; ++n) {
    temporary = stem + std::to_string(n);
    error = ops.CreateExclusive(temporary, fd);
  }
  if (error != 0) ThrowInOut(error);
  error = ops.WriteAll(fd, bytes.data(), bytes.size());
  const int closeError = ops.Close(fd);
  if (error == 0) error = closeError;
  if (error == 0) error = ops.Rename(temporary, path);
  if (error != 0) {
    ops.Remove(temporary);
    ThrowInOut(error);
  }
}

}  // namespace orv::cli
