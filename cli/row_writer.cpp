#include "cli/row_writer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "base/errors.h"
#include "cli/message_text.h"
#include "cli/output_files.h"

namespace orv::cli {
namespace {

// Large enough that the writes cost nothing beside the runs, small enough that a
// stopped sweep has little in hand.
constexpr std::size_t kBatchBytes = 64 * 1024;

bool IsRegular(int fd) {
  struct stat st {};
  return ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

RowWriter::RowWriter(int fd, std::string name)
    : fd_(fd),
      name_(std::move(name)),
      batched_(fd == STDOUT_FILENO ? StandardOutputIsFile() : IsRegular(fd)) {
  // Nothing written through stdout's buffer may come after the rows.
  if (fd_ == STDOUT_FILENO && batched_) std::fflush(stdout);
}

void RowWriter::Write(std::string_view rows) {
  if (!batched_) return WriteStandardOutput(rows);
  pending_.append(rows);
  if (pending_.size() >= kBatchBytes) Flush();
}

void RowWriter::Flush() {
  if (!batched_ || pending_.empty()) return;
  WriteWhole(pending_);
  pending_.clear();
}

void RowWriter::WriteWhole(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
    if (n > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(n));
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    const int code = n < 0 ? errno : ENOSPC;
    if (fd_ == STDOUT_FILENO)
      throw InOutFault(code == EBADF ? std::string("standard output is closed")
                                     : std::string("cannot write to standard output: ") + std::strerror(code),
                       code);
    throw InOutFault(Quoted(name_) + ": cannot write: " + std::strerror(code), code);
  }
}

}  // namespace orv::cli
