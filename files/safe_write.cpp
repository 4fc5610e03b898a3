#include "files/safe_write.h"

#include <linux/magic.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/random.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "base/errors.h"

namespace orv {
namespace {

// The kernel's own bound on a chain of symbolic links.
constexpr int kMaxLinkHops = 40;
// Random names clash only when someone works against the program; then give up soon.
constexpr int kTemporaryNameTries = 16;

[[noreturn]] void ThrowInOut(int code) { throw InOutFault(IoErrorText(code), code); }

// The folder part of `path` with its final slash, or "" for the current folder.
std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

// The folder `path` is in, every link resolved ("." for the current folder); "" when
// it cannot be resolved.
std::string RealFolderOf(const std::string& path) {
  const std::string folder = FolderOf(path);
  char* real = ::realpath(folder.empty() ? "." : folder.c_str(), nullptr);
  if (!real) return "";
  std::string text(real);
  std::free(real);
  return text;
}

bool AllDigits(std::string_view text) {
  return !text.empty() && text.size() < 10 && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The descriptor of this process that `path` names through /proc (/dev/stdout,
// /dev/fd/2, /proc/self/fd/5, /proc/thread-self/fd/1), or -1. Such a name reads as a
// link to the file behind the descriptor, or to "pipe:[...]": neither may be replaced.
int OwnDescriptorOf(const std::string& path) {
  const std::string name = path.substr(FolderOf(path).size());
  if (!AllDigits(name)) return -1;
  const std::string folder = RealFolderOf(path);
  // The process's own folder as /proc itself names it (which, in a container, may not
  // be getpid()'s number).
  const std::string self = RealFolderOf("/proc/self/");
  if (self.empty() || folder.compare(0, self.size(), self) != 0) return -1;
  const std::string_view rest = std::string_view(folder).substr(self.size());
  const bool ownFolder =
      rest == "/fd" || (rest.size() > 9 && rest.substr(0, 6) == "/task/" &&
                        rest.substr(rest.size() - 3) == "/fd" && AllDigits(rest.substr(6, rest.size() - 9)));
  return ownFolder ? std::stoi(name) : -1;
}

// Whether `path`'s folder is in /proc, where a link names another process's open file
// rather than a path that a rename could replace.
bool InProcFolder(const std::string& path) {
  const std::string folder = FolderOf(path);
  struct statfs fs {};
  return ::statfs(folder.empty() ? "." : folder.c_str(), &fs) == 0 && fs.f_type == PROC_SUPER_MAGIC;
}

// Where a write of `path` goes: the file a plain open would write once the symbolic
// links are followed (that file itself may be missing: a dangling link, the write
// creates it), or a descriptor the process already holds.
struct Destination {
  std::string path;
  int descriptor = -1;    // this process's own: written as it stands, as "-" is
  bool openFile = false;  // another process's through /proc: written in place
};

Destination FinalDestination(std::string path, FileOps& ops) {
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    if (const int fd = OwnDescriptorOf(path); fd >= 0) return {path, fd, true};
    if (InProcFolder(path)) return {path, -1, true};
    std::string target;
    const int error = ops.ReadLink(path, target);
    if (error == EINVAL || error == ENOENT) return {path};
    if (error != 0) ThrowInOut(error);
    // Not normalised: "link/../x" must go through the link's target, as the kernel does.
    path = !target.empty() && target[0] == '/' ? target : FolderOf(path) + target;
  }
  ThrowInOut(ELOOP);
}

std::string RandomSuffix() {
  std::uint64_t bits = 0;
  if (::getrandom(&bits, sizeof bits, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof bits)) {
    // No entropy yet (early boot): the clock differs between tries, and the exclusive
    // create makes a guessed name harmless anyway.
    bits = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  }
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(bits));
  return text;
}

// A process killed while writing leaves its temporary `<name>.tmp<pid>-<random>`
// behind. Those of processes that no longer exist are removed; a live process may still
// be writing (and another user's process answers EPERM, never ESRCH).
void RemoveStaleTemporaries(const std::string& target, FileOps& ops) {
  const std::string folder = FolderOf(target);
  const std::string prefix = target.substr(folder.size()) + ".tmp";
  std::error_code ec;
  std::filesystem::directory_iterator it(folder.empty() ? "." : folder, ec);
  for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.compare(0, prefix.size(), prefix) != 0) continue;
    const char* end = name.data() + name.size();
    unsigned pid = 0;
    const auto [rest, parsed] = std::from_chars(name.data() + prefix.size(), end, pid);
    if (parsed != std::errc() || rest == end || *rest != '-') continue;
    if (pid == 0 || pid > INT_MAX || static_cast<pid_t>(pid) == ::getpid()) continue;
    if (::kill(static_cast<pid_t>(pid), 0) == -1 && errno == ESRCH) ops.Remove(folder + name);
  }
}

// The plain write: every name of the file sees the new bytes, but a crash half-way
// leaves a half file. OpenInPlace reserves the space first, so a full disk does not.
void WriteInPlace(const std::string& target, std::string_view bytes, FileOps& ops) {
  int fd = -1;
  int error = ops.OpenInPlace(target, bytes.size(), fd);
  if (error != 0) ThrowInOut(error);
  error = ops.WriteAll(fd, bytes.data(), bytes.size());
  if (error == 0) error = ops.Fsync(fd);
  const int closeError = ops.Close(fd);
  if (error == 0) error = closeError;
  if (error != 0) ThrowInOut(error);
}

}  // namespace

std::string FinalTarget(const std::string& path, FileOps& ops) { return FinalDestination(path, ops).path; }

void WriteFileSafely(const std::string& path, std::string_view bytes, FileOps& ops, NonRegular nonRegular) {
  const Destination destination = FinalDestination(path, ops);
  const std::string& target = destination.path;
  const auto refuseNonRegular = [&] {
    if (nonRegular == NonRegular::kRefuse) throw InOutFault(kNotRegularText, ENXIO);
  };
  if (destination.descriptor >= 0 || destination.openFile) refuseNonRegular();
  // An open descriptor keeps its place and its mode (appending, say): the bytes go
  // where the process's own writes to it go.
  if (destination.descriptor >= 0) {
    if (const int error = ops.WriteAll(destination.descriptor, bytes.data(), bytes.size())) ThrowInOut(error);
    return;
  }
  FileFacts facts;
  if (const int error = ops.Inspect(target, facts)) ThrowInOut(error);
  if (facts.directory) ThrowInOut(EISDIR);
  if (facts.exists && !facts.regular) refuseNonRegular();
  // The user write-protected the file; a rename would overwrite it all the same.
  if (facts.exists && !facts.writable) ThrowInOut(EACCES);
  RemoveStaleTemporaries(target, ops);
  // Hard links are written in place: the user linked the names so that each shows the
  // same file, and replacing would quietly leave the other names with the old bytes.
  // Devices and pipes are written to, never replaced by a plain file.
  if (destination.openFile || (facts.exists && (facts.links > 1 || !facts.regular)))
    return WriteInPlace(target, bytes, ops);

  // Private while it is written when it replaces a file (its bits follow below); a new
  // file gets the rights any new file of the user gets.
  const unsigned mode = facts.exists ? 0600 : 0666;
  const std::string stem = target + ".tmp" + std::to_string(::getpid()) + "-";
  std::string temporary;
  int fd = -1;
  int error = EEXIST;
  for (int n = 0; n < kTemporaryNameTries && error == EEXIST; ++n) {
    temporary = stem + RandomSuffix();
    error = ops.CreateExclusive(temporary, mode, fd);
  }
  // A folder that takes no new file (read-only, or a name too long for the temporary)
  // may still let the file itself be written.
  if (error == EACCES || error == EPERM || error == EROFS || error == ENAMETOOLONG) {
    return WriteInPlace(target, bytes, ops);
  }
  // Every try clashed: someone keeps taking the names. The user reads why, not errno 17.
  if (error == EEXIST) throw InOutFault(IoErrorText(EACCES), EEXIST);
  if (error != 0) ThrowInOut(error);

  error = ops.WriteAll(fd, bytes.data(), bytes.size());
  if (error == 0 && facts.exists) ops.CopyOwnerAndMode(fd, facts);
  // On disk before the rename: otherwise a power cut can leave the new name empty.
  if (error == 0) error = ops.Fsync(fd);
  const int closeError = ops.Close(fd);
  if (error == 0) error = closeError;
  if (error == 0) error = ops.Rename(temporary, target);
  if (error != 0) {
    ops.Remove(temporary);  // the old file stays as it was
    ThrowInOut(error);
  }
  // The rename itself is durable only once the folder is.
  const std::string folder = FolderOf(target);
  if (const int syncError = ops.FsyncDir(folder.empty() ? "." : folder)) ThrowInOut(syncError);
}

}  // namespace orv
