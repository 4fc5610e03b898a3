#include "cli/output_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>

#include "base/errors.h"
#include "cli/interrupt.h"
#include "cli/message_text.h"
#include "cli/usage_error.h"
#include "files/safe_write.h"

namespace orv::cli {
namespace {

bool IsRegular(int fd) {
  struct stat st {};
  return ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

void CheckOutputPath(std::string_view option, const std::string& path) {
  if (path == kStandardOutput) return;
  const std::string where = std::string(option) + ": " + Quoted(path);
  if (path.empty()) throw UsageError(std::string(option) + ": an empty path names no file");
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) throw UsageError(where + " is a folder, not a file");
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
      throw UsageError(where + ": no right to write it");
    return;
  }
  if (errno == ELOOP) throw UsageError(where + " loops: too many levels of symbolic links");
  if (errno != ENOENT && errno != ENOTDIR) throw UsageError(where + ": " + std::strerror(errno));
  // A new file (or a link to one): its folder, the link's target's, must exist and
  // take it.
  std::string target;
  try {
    target = FinalTarget(path);
  } catch (const InOutFault& fault) {
    throw UsageError(where + ": " + fault.message());
  }
  std::string folder = std::filesystem::path(target).parent_path().string();
  const std::string shown = folder;
  if (folder.empty()) folder.push_back('.');  // not = ".": GCC 12 warns falsely at -O3
  std::error_code error;
  if (!std::filesystem::is_directory(folder, error))
    throw UsageError(std::string(option) + ": the folder " + Quoted(shown) + " does not exist");
  if (::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0)
    throw UsageError(where + ": no right to create a file in " +
                     (shown.empty() ? std::string("the current folder") : "the folder " + Quoted(shown)));
}

namespace {

// What names one file: its device and inode once it exists; before, the real folder
// and the name the write will create. Empty for a character device (/dev/null, a
// terminal), which takes any number of outputs one after the other.
std::string FileIdentity(const std::string& path) {
  struct stat st {};
  const int found = path == kStandardOutput ? ::fstat(STDOUT_FILENO, &st) : ::stat(path.c_str(), &st);
  if (found == 0) {
    if (S_ISCHR(st.st_mode)) return "";
    return "file " + std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino);
  }
  if (path == kStandardOutput) return "";
  std::filesystem::path target;
  try {
    target = FinalTarget(path);
  } catch (const InOutFault&) {
    target = path;
  }
  std::error_code error;
  std::filesystem::path folder = std::filesystem::canonical(
      target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path(), error);
  if (error) folder = target.parent_path();
  return "new " + (folder / target.filename()).string();
}

}  // namespace

void CheckDistinctOutputs(const std::vector<NamedOutput>& outputs) {
  std::vector<std::string> identities;
  for (const NamedOutput& output : outputs) identities.push_back(FileIdentity(output.path));
  for (std::size_t j = 1; j < outputs.size(); ++j)
    for (std::size_t i = 0; i < j; ++i)
      if (!identities[j].empty() && identities[i] == identities[j])
        throw UsageError(outputs[i].option + " and " + outputs[j].option + " name one file, " +
                         Quoted(outputs[j].path) + ": the later would overwrite the earlier");
}

void WriteOutput(const std::string& path, std::string_view bytes) {
  if (path == kStandardOutput) return WriteStandardOutput(bytes);
  struct stat st {};
  std::optional<WaitScope> wait;
  if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) wait.emplace();
  WriteFileSafely(path, bytes);
}

std::string WriteOutputOrSay(const std::string& path, std::string_view bytes) {
  try {
    WriteOutput(path, bytes);
  } catch (const Fault& fault) {
    return (path == kStandardOutput ? std::string() : Quoted(path) + ": ") + fault.message();
  }
  return {};
}

void WriteStandardOutput(std::string_view bytes, bool flush) {
  std::optional<WaitScope> wait;
  if (!StandardOutputIsFile()) wait.emplace();
  errno = 0;
  // fwrite may not be given the null data of an empty view, even for no bytes.
  if ((bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size()) &&
      (!flush || std::fflush(stdout) == 0) && !std::ferror(stdout))
    return;
  const int code = errno ? errno : EIO;
  std::clearerr(stdout);
  throw InOutFault(code == EBADF ? std::string("standard output is closed")
                                 : std::string("cannot write to standard output: ") + std::strerror(code),
                   code);
}

bool StandardOutputIsFile() {
  static const bool file = IsRegular(STDOUT_FILENO);
  return file;
}

void GuardClosedStandardStreams() {
  for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
    if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    // Opened the other way round, so every use of the number fails.
    const int opened = ::open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
    if (opened >= 0 && opened != fd) {
      ::dup2(opened, fd);
      ::close(opened);
    }
  }
}

}  // namespace orv::cli
