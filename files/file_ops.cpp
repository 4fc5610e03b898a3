#include "files/file_ops.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace orv {

int PosixFileOps::ReadLink(const std::string& path, std::string& target) {
  std::string buffer(256, '\0');
  for (;;) {
    const ssize_t n = ::readlink(path.c_str(), buffer.data(), buffer.size());
    if (n < 0) return errno;
    if (static_cast<std::size_t>(n) < buffer.size()) {
      target.assign(buffer, 0, static_cast<std::size_t>(n));
      return 0;
    }
    buffer.resize(buffer.size() * 2);  // the target may have been cut
  }
}

int PosixFileOps::Inspect(const std::string& path, FileFacts& facts) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return errno == ENOENT ? 0 : errno;
  facts.exists = true;
  facts.directory = S_ISDIR(st.st_mode);
  facts.regular = S_ISREG(st.st_mode);
  // The effective user, as open() would check it (read-only file systems included).
  facts.writable = ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
  facts.mode = st.st_mode & 07777;
  facts.links = static_cast<unsigned>(st.st_nlink);
  facts.uid = st.st_uid;
  facts.gid = st.st_gid;
  return 0;
}

int PosixFileOps::CreateExclusive(const std::string& path, unsigned mode, int& fd) {
  fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
  return fd < 0 ? errno : 0;
}

int PosixFileOps::OpenInPlace(const std::string& path, std::size_t size, int& fd) {
  // Not O_TRUNC: the old bytes stay until the space for the new ones is reserved.
  fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return errno;
  struct stat st {};
  int error = 0;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
    const auto length = static_cast<off_t>(size);
    error = ::posix_fallocate(fd, 0, length);
    // A file system that cannot reserve space (or an empty table) still takes the write.
    if (error == EOPNOTSUPP || error == EINVAL) error = 0;
    if (error == 0 && ::ftruncate(fd, length) != 0) error = errno;
  }
  if (error != 0) {
    ::close(fd);
    fd = -1;
  }
  return error;
}

int PosixFileOps::WriteAll(int fd, const char* data, std::size_t size) {
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

void PosixFileOps::CopyOwnerAndMode(int fd, const FileFacts& like) {
  // Only root may hand a file to another owner, and a user only to a group of their own.
  if (::fchown(fd, like.uid, like.gid) != 0 && ::fchown(fd, static_cast<uid_t>(-1), like.gid) != 0) {
    // Not a member of that group: the file keeps the user's group.
  }
  // After fchown, which clears the set-user and set-group bits.
  if (::fchmod(fd, like.mode) != 0) {
    // A file system without permission bits (FAT): there is nothing to keep.
  }
}

int PosixFileOps::Fsync(int fd) {
  // Pipes and devices cannot be synchronised, and need not be.
  return ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS ? 0 : errno;
}

int PosixFileOps::Close(int fd) { return ::close(fd) == 0 ? 0 : errno; }

int PosixFileOps::Rename(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int PosixFileOps::FsyncDir(const std::string& folder) {
  // A folder the user may write but not read cannot be opened to be synchronised; the
  // new file is in place all the same.
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return 0;
  const int error = ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
  ::close(fd);
  return error;
}

void PosixFileOps::Remove(const std::string& path) { ::unlink(path.c_str()); }

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
