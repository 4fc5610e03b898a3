// The few file operations the results file needs, behind an interface so tests can
// make any of them fail (a full disk, an exhausted descriptor table).
#pragma once

#include <cstddef>
#include <string>

namespace orv {

// Each operation returns 0 on success or the operating system's error number.
class FileOps {
 public:
  virtual ~FileOps() = default;
  // Creates `path`, failing with EEXIST when it exists already.
  virtual int CreateExclusive(const std::string& path, int& fd) = 0;
  // Writes all `size` bytes (or fails).
  virtual int WriteAll(int fd, const char* data, std::size_t size) = 0;
  virtual int Close(int fd) = 0;
  // Replaces `to` by `from` in one step.
  virtual int Rename(const std::string& from, const std::string& to) = 0;
  virtual void Remove(const std::string& path) = 0;
};

// The operating system's files (POSIX).
FileOps& SystemFileOps();

// The text the user reads for an error number: "File not found", "Invalid filename",
// "Too many open files", "File access denied", "Disk full" or "I/O error <number>".
std::string IoErrorText(int code);

}  // namespace orv
