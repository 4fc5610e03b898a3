#include "haupt/file_ops.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace orv {
namespace {

class PosixFileOps final : public FileOps {
 public:
  int CreateExclusive(const std::string& path, int& fd) override {
    // 0666 before the umask: the same rights a plainly created file gets.
    fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    return fd < 0 ? errno : 0;
  }

  int WriteAll(int fd, const char* data, std::size_t size) override {
    while (size > 0) {
      const ssize_t n = ::write(fd, data, size);
      if (n < 0) {
        if (errno == EINTR) continue;
        return errno;
      }
      data += n;
      size -= static_cast<std::size_t>(n);
    }
    return 0;
  }

  int Close(int fd) override { return ::close(fd) == 0 ? 0 : errno; }

  int Rename(const std::string& from, const std::string& to) override {
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
  }

  void Remove(const std::string& path) override { ::unlink(path.c_str()); }
};

}  // namespace

FileOps& SystemFileOps() {
  static PosixFileOps ops;
  return ops;
}

std::string IoErrorText(int code) {
  switch (code) {
    case ENOENT:
      return "File not found";
    case ENAMETOOLONG:
    case ENOTDIR:
    case EINVAL:
    case ELOOP:
    case EILSEQ:
      return "Invalid filename";
    case EMFILE:
    case ENFILE:
      return "Too many open files";
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
    case ETXTBSY:
    case EBUSY:
      return "File access denied";
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return "Disk full";
    default:
      return "I/O error " + std::to_string(code);
  }
}

}  // namespace orv
