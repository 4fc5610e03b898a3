// The few file operations the program's file writing needs, behind an interface so
// tests can make any of them fail (a full disk, an exhausted descriptor table) or
// record the order in which they happen.
#pragma once

#include <cstddef>
#include <string>

namespace orv {

// What a write needs to know of the file it is about to replace.
struct FileFacts {
  bool exists = false;
  bool directory = false;
  bool regular = false;
  bool writable = false;  // for this process's effective user
  unsigned mode = 0;      // permission bits
  unsigned links = 0;
  unsigned uid = 0;
  unsigned gid = 0;
};

// Each operation returns 0 on success or the operating system's error number.
class FileOps {
 public:
  virtual ~FileOps() = default;
  // The target of the symbolic link `path`; EINVAL when `path` is no link.
  virtual int ReadLink(const std::string& path, std::string& target) = 0;
  // Facts of `path`; a missing file is no error (`exists` stays false).
  virtual int Inspect(const std::string& path, FileFacts& facts) = 0;
  // Creates `path` with `mode` (before the umask), failing with EEXIST when it exists.
  virtual int CreateExclusive(const std::string& path, unsigned mode, int& fd) = 0;
  // Opens `path` for rewriting with room for `size` bytes and cuts it to that size.
  // A full disk is found here, before any byte of the file has changed.
  virtual int OpenInPlace(const std::string& path, std::size_t size, int& fd) = 0;
  // Writes all `size` bytes (or fails).
  virtual int WriteAll(int fd, const char* data, std::size_t size) = 0;
  // Gives the file the owner, group and permission bits of `like`, as far as allowed.
  virtual void CopyOwnerAndMode(int fd, const FileFacts& like) = 0;
  virtual int Fsync(int fd) = 0;
  virtual int Close(int fd) = 0;
  // Replaces `to` by `from` in one step.
  virtual int Rename(const std::string& from, const std::string& to) = 0;
  // Makes the folder's entries (a rename into it) durable.
  virtual int FsyncDir(const std::string& folder) = 0;
  virtual void Remove(const std::string& path) = 0;
};

// The operating system's files (POSIX). Tests derive from it to change one operation.
class PosixFileOps : public FileOps {
 public:
  int ReadLink(const std::string& path, std::string& target) override;
  int Inspect(const std::string& path, FileFacts& facts) override;
  int CreateExclusive(const std::string& path, unsigned mode, int& fd) override;
  int OpenInPlace(const std::string& path, std::size_t size, int& fd) override;
  int WriteAll(int fd, const char* data, std::size_t size) override;
  void CopyOwnerAndMode(int fd, const FileFacts& like) override;
  int Fsync(int fd) override;
  int Close(int fd) override;
  int Rename(const std::string& from, const std::string& to) override;
  int FsyncDir(const std::string& folder) override;
  void Remove(const std::string& path) override;
};

FileOps& SystemFileOps();

// The text the user reads for an error number: "File not found", "Invalid filename",
// "Too many open files", "File access denied", "Disk full" or "I/O error <number>".
std::string IoErrorText(int code);

}  // namespace orv
