#include "cli/sweep_resume.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "base/errors.h"
#include "cli/message_text.h"
#include "cli/output_files.h"
#include "cli/usage_error.h"
#include "flight/sweep_rows.h"

namespace orv::cli {
namespace {

// The grid fields that begin run `index`'s row: its values of the varied inputs and
// the separator after them, as the sweep writes them.
std::string GridFields(const SweepPlan& plan, std::int64_t index) {
  FlightInputs inputs = plan.fixed;
  SetGridPoint(plan.axes, index, inputs);
  std::vector<double> varied;
  for (const VaryAxis& axis : plan.axes) varied.push_back(inputs[static_cast<std::size_t>(axis.input)]);
  std::string row;
  AppendSweepRow(row, varied, nullptr, {}, plan.style);
  std::size_t end = 0;
  for (std::size_t i = 0; i < plan.axes.size(); ++i) end = row.find(plan.style.separator, end) + 1;
  row.resize(end);
  return row;
}

bool StartsWith(std::string_view text, std::string_view start) {
  return text.substr(0, start.size()) == start;
}

}  // namespace

ResumedFile::ResumedFile(const std::string& path, const SweepPlan& plan, const std::string& heading,
                         const std::function<std::string(std::int64_t)>& flyRow)
    : path_(path) {
  if (path == kStandardOutput) throw UsageError("--resume: standard output cannot be continued; name a file");
  CheckOutputPath("--resume", path);
  const std::string where = "--resume: " + Quoted(path);
  fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666);
  if (fd_ < 0) throw UsageError(where + ": " + std::strerror(errno));
  struct stat st {};
  const auto fail = [&](const std::string& why) {
    ::close(fd_);
    fd_ = -1;
    throw UsageError(where + why);
  };
  if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) fail(" is not a regular file");
  // A file system without locks (some network ones) cannot tell; it is not refused.
  if (::flock(fd_, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
    fail(" is being written by another sweep");

  // Reads line by line: a shard's file may be large.
  std::string line, buffer(1 << 16, '\0');
  off_t whole = 0;  // bytes of the checked lines
  std::string lastRow;
  const auto take = [&](std::string_view text) {
    if (whole == 0 && !heading.empty()) {
      if (text != heading) fail(" does not begin with this sweep's heading line");
      hasHeading_ = true;
      return;
    }
    const std::int64_t index = plan.first + rows_;
    if (index >= plan.last)
      fail(" holds more rows than the shard's " + std::to_string(plan.last - plan.first));
    if (!StartsWith(text, GridFields(plan, index)) || text.size() < 2 ||
        text.substr(text.size() - 2) != "\r\n")
      fail(": row " + std::to_string(rows_ + 1) +
           " is not this grid's run there (another grid, shard, --no-header or --decimal-comma?)");
    lastRow.assign(text);
    ++rows_;
  };
  for (;;) {
    const ssize_t n = ::read(fd_, buffer.data(), buffer.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) fail(std::string(": ") + std::strerror(errno));
    if (n == 0) break;
    std::string_view chunk(buffer.data(), static_cast<std::size_t>(n));
    for (std::size_t end; (end = chunk.find('\n')) != std::string_view::npos; chunk.remove_prefix(end + 1)) {
      line.append(chunk.substr(0, end + 1));
      take(line);
      whole += static_cast<off_t>(line.size());
      line.clear();
    }
    line.append(chunk);
  }
  // A cut last line is dropped only when it is a beginning of what belongs there.
  if (!line.empty()) {
    const std::string next = whole == 0 && !heading.empty()   ? heading
                             : plan.first + rows_ < plan.last ? GridFields(plan, plan.first + rows_)
                                                              : std::string();
    if (next.empty() || (!StartsWith(line, next) && !StartsWith(next, line)))
      fail(" ends with a line that is not this sweep's (another grid or shard?)");
  }
  if (rows_ > 0 && flyRow(plan.first + rows_ - 1) != lastRow)
    fail(": row " + std::to_string(rows_) +
         " differs from this sweep's run there (other inputs or another method?)");
  if ((!line.empty() && ::ftruncate(fd_, whole) != 0) || ::lseek(fd_, 0, SEEK_END) < 0)
    fail(std::string(": ") + std::strerror(errno));
  if (!line.empty())
    ReportError("--resume: dropped the cut last line of " + Quoted(path) + " (" +
                std::to_string(line.size()) + " bytes)");
}

ResumedFile::~ResumedFile() {
  if (fd_ >= 0) ::close(fd_);
}

void ResumedFile::Close() {
  const int fd = fd_;
  fd_ = -1;
  if (fd >= 0 && ::close(fd) != 0) throw InOutFault(Quoted(path_) + ": " + std::strerror(errno), errno);
}

}  // namespace orv::cli
