#include "haupt/results_file.h"

#include <unistd.h>

#include <cerrno>
#include <string>

#include "base/errors.h"
#include "haupt/results_table.h"

namespace orv {
namespace {

constexpr int kTemporaryNameTries = 100;

[[noreturn]] void ThrowInOut(int code) { throw InOutFault(IoErrorText(code), code); }

}  // namespace

void WriteResultsFile(const SharedState& state, const std::string& path, FileOps& ops) {
  const std::string table = FormatResultsTable(state);

  // A new file in the same folder, so the rename below stays within one file system
  // and never meets a half-written table of another run.
  std::string temporary;
  int fd = -1;
  int error = EEXIST;
  const std::string stem = path + ".tmp" + std::to_string(::getpid()) + "-";
  for (int n = 0; n < kTemporaryNameTries && error == EEXIST; ++n) {
    temporary = stem + std::to_string(n);
    error = ops.CreateExclusive(temporary, fd);
  }
  if (error != 0) ThrowInOut(error);

  error = ops.WriteAll(fd, table.data(), table.size());
  const int closeError = ops.Close(fd);
  if (error == 0) error = closeError;
  if (error == 0) error = ops.Rename(temporary, path);
  if (error != 0) {
    // The previous table at `path` stays as it was.
    ops.Remove(temporary);
    ThrowInOut(error);
  }
}

void WriteResultsFile(const SharedState& state, const std::string& path) {
  WriteResultsFile(state, path, SystemFileOps());
}

}  // namespace orv
