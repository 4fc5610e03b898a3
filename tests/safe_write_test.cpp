// Replacing a file under hostile conditions: kept rights, write protection, read-only
// folders, links, durability order and leftover temporaries.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <regex>
#include <vector>

#include "base/errors.h"
#include "files/file_ops.h"
#include "files/safe_write.h"
#include "tests/sim_test_support.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

constexpr const char* kNew = "new table\r\n";

// The InOutFault's text of a write, or "no fault".
std::string Outcome(const std::string& path, FileOps& ops = SystemFileOps()) {
  try {
    WriteFileSafely(path, kNew, ops);
  } catch (const InOutFault& e) {
    return e.what();
  }
  return "no fault";
}

struct stat StatOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
  return st;
}

std::vector<std::string> NamesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

bool IsRoot() { return ::geteuid() == 0; }

TEST(SafeWrite, KeepsThePermissionBitsOfTheFileItReplaces) {
  testing::TempFolder folder;
  const std::string path = folder / "Orvantis_500.txt";
  const mode_t savedMask = ::umask(022);
  for (mode_t mode : {0600, 0640, 0604}) {
    testing::WriteFile(path, "private");
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
    EXPECT_EQ(Outcome(path), "no fault");
    EXPECT_EQ(StatOf(path).st_mode & 07777, mode);
    EXPECT_EQ(testing::ReadFile(path), kNew);
  }
  // A new file gets what the umask leaves.
  const std::string fresh = folder / "fresh.txt";
  EXPECT_EQ(Outcome(fresh), "no fault");
  EXPECT_EQ(StatOf(fresh).st_mode & 07777, 0644u);
  ::umask(savedMask);
}

TEST(SafeWrite, KeepsTheGroupOfTheFileItReplaces) {
  // Root may give the file any group (and owner); a user only one of their own groups.
  gid_t group = 4243;
  if (!IsRoot()) {
    std::vector<gid_t> groups(::getgroups(0, nullptr));
    groups.resize(static_cast<std::size_t>(::getgroups(static_cast<int>(groups.size()), groups.data())));
    const auto other = std::find_if(groups.begin(), groups.end(), [](gid_t g) { return g != ::getegid(); });
    if (other == groups.end()) GTEST_SKIP() << "the user belongs to no second group to hand the file to";
    group = *other;
  }
  testing::TempFolder folder;
  const std::string path = folder / "Orvantis_500.txt";
  testing::WriteFile(path, "shared");
  const uid_t owner = IsRoot() ? 4242 : ::geteuid();
  ASSERT_EQ(::chown(path.c_str(), owner, group), 0);
  ASSERT_EQ(::chmod(path.c_str(), 0660), 0);
  EXPECT_EQ(Outcome(path), "no fault");
  const struct stat st = StatOf(path);
  EXPECT_EQ(st.st_gid, group);
  EXPECT_EQ(st.st_uid, owner);
  EXPECT_EQ(st.st_mode & 07777, 0660u);
}

TEST(SafeWrite, RefusesAWriteProtectedFile) {
  if (IsRoot()) GTEST_SKIP() << "root may write a 0444 file; the injected test covers the refusal";
  testing::TempFolder folder;
  const std::string path = folder / "Orvantis_500.txt";
  testing::WriteFile(path, "protected");
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  EXPECT_EQ(Outcome(path), "File access denied");
  EXPECT_EQ(testing::ReadFile(path), "protected");
  EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{"Orvantis_500.txt"});
}

// The system's files, except that every existing file is reported not writable.
class WriteProtectedOps : public PosixFileOps {
 public:
  int Inspect(const std::string& path, FileFacts& facts) override {
    const int error = PosixFileOps::Inspect(path, facts);
    facts.writable = false;
    return error;
  }
  int CreateExclusive(const std::string& path, unsigned mode, int& fd) override {
    ++creates;
    return PosixFileOps::CreateExclusive(path, mode, fd);
  }
  int creates = 0;
};

TEST(SafeWrite, RefusesAFileTheUserMayNotWrite) {
  testing::TempFolder folder;
  const std::string path = folder / "Orvantis_500.txt";
  testing::WriteFile(path, "protected");
  WriteProtectedOps ops;
  EXPECT_EQ(Outcome(path, ops), "File access denied");
  EXPECT_EQ(testing::ReadFile(path), "protected");
  EXPECT_EQ(ops.creates, 0);
  // A missing file is no protected one.
  EXPECT_EQ(Outcome(folder / "fresh.txt", ops), "no fault");
}

TEST(SafeWrite, ReadOnlyFolderWritesTheFileInPlace) {
  if (IsRoot()) GTEST_SKIP() << "root may create files in a 0555 folder; the injected test covers it";
  testing::TempFolder folder;
  const std::string path = folder / "Orvantis_500.txt";
  testing::WriteFile(path, std::string(1000, 'o'));
  const ino_t inode = StatOf(path).st_ino;
  ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);
  const std::string outcome = Outcome(path);
  const std::string missing = Outcome(folder / "fresh.txt");
  ::chmod(folder.path().c_str(), 0755);
  EXPECT_EQ(outcome, "no fault");
  EXPECT_EQ(testing::ReadFile(path), kNew);
  EXPECT_EQ(StatOf(path).st_ino, inode);
  EXPECT_EQ(missing, "File access denied");
  EXPECT_EQ(NamesIn(folder.path()), std::vector<std::string>{"Orvantis_500.txt"});
}

// The system's files, in a folder that takes no new file.
class ReadOnlyFolderOps : public PosixFileOps {
 public:
  int CreateExclusive(const std::string&, unsigned, int&) override { return EACCES; }
};

TEST(SafeWrite, FolderThatRefusesTheTemporaryWritesInPlace) {
  testing::TempFolder folder;
  const std::string path = folder / "Orvantis_500.txt";
  testing::WriteFile(path, std::string(1000, 'o'));  // longer than the new bytes
  const ino_t inode = StatOf(path).st_ino;
  ReadOnlyFolderOps ops;
  EXPECT_EQ(Outcome(path, ops), "no fault");
  EXPECT_EQ(testing::ReadFile(path), kNew);
  EXPECT_EQ(StatOf(path).st_ino, inode);
}

TEST(SafeWrite, InPlaceWriteOnAFullDiskKeepsTheOldBytes) {
  testing::TempFolder folder;
  const std::string path = folder / "Orvantis_500.txt";
  testing::WriteFile(path, "previous table");
  // A file size limit stands in for a full disk; it binds root too.
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit low = saved;
  low.rlim_cur = 4096;
  const auto savedHandler = ::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &low), 0);
  ReadOnlyFolderOps ops;
  std::string fault = "no fault";
  try {
    WriteFileSafely(path, std::string(10000, 'n'), ops);
  } catch (const InOutFault& e) {
    fault = e.what();
  }
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ::signal(SIGXFSZ, savedHandler);
  EXPECT_EQ(fault, "Disk full");
  EXPECT_EQ(testing::ReadFile(path), "previous table");
}

TEST(SafeWrite, SymbolicLinkHasItsTargetReplaced) {
  testing::TempFolder folder;
  fs::create_directories(folder / "here");
  fs::create_directories(folder / "there");
  const std::string target = folder / "there/table.txt";
  testing::WriteFile(target, "old");
  ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
  // here/Orvantis_500.txt -> chain (absolute) -> ../there/table.txt (relative to chain's folder)
  fs::create_symlink("../there/table.txt", folder / "here/chain");
  fs::create_symlink(folder / "here/chain", folder / "here/Orvantis_500.txt");
  EXPECT_EQ(Outcome(folder / "here/Orvantis_500.txt"), "no fault");
  EXPECT_EQ(testing::ReadFile(target), kNew);
  EXPECT_EQ(StatOf(target).st_mode & 07777, 0600u);
  EXPECT_TRUE(fs::is_symlink(folder / "here/Orvantis_500.txt"));
  EXPECT_EQ(fs::read_symlink(folder / "here/chain"), "../there/table.txt");
  EXPECT_EQ(NamesIn(folder / "here"), (std::vector<std::string>{"Orvantis_500.txt", "chain"}));
  EXPECT_EQ(NamesIn(folder / "there"), std::vector<std::string>{"table.txt"});
}

TEST(SafeWrite, DanglingLinkGetsItsTargetCreatedAndALoopIsRefused) {
  testing::TempFolder folder;
  fs::create_symlink("made.txt", folder / "Orvantis_500.txt");
  EXPECT_EQ(Outcome(folder / "Orvantis_500.txt"), "no fault");
  EXPECT_EQ(testing::ReadFile(folder / "made.txt"), kNew);
  EXPECT_TRUE(fs::is_symlink(folder / "Orvantis_500.txt"));

  fs::create_symlink("b", folder / "a");
  fs::create_symlink("a", folder / "b");
  EXPECT_EQ(Outcome(folder / "a"), "Invalid filename");
}

TEST(SafeWrite, HardLinkedFileIsWrittenInPlaceForEveryName) {
  testing::TempFolder folder;
  const std::string path = folder / "Orvantis_500.txt";
  testing::WriteFile(path, std::string(1000, 'o'));
  fs::create_hard_link(path, folder / "copy.txt");
  EXPECT_EQ(Outcome(path), "no fault");
  EXPECT_EQ(testing::ReadFile(path), kNew);
  EXPECT_EQ(testing::ReadFile(folder / "copy.txt"), kNew);
  EXPECT_EQ(StatOf(path).st_nlink, 2u);
  EXPECT_EQ(NamesIn(folder.path()), (std::vector<std::string>{"Orvantis_500.txt", "copy.txt"}));
}

// The system's files, recording the order of the steps that make a write durable and
// the names of the temporaries.
class RecordingOps : public PosixFileOps {
 public:
  int CreateExclusive(const std::string& path, unsigned mode, int& fd) override {
    created.push_back(path);
    return clashes-- > 0 ? EEXIST : PosixFileOps::CreateExclusive(path, mode, fd);
  }
  int WriteAll(int fd, const char* data, std::size_t size) override {
    steps.push_back("write " + std::to_string(fd));
    return PosixFileOps::WriteAll(fd, data, size);
  }
  int Fsync(int fd) override {
    steps.push_back("fsync " + std::to_string(fd));
    return PosixFileOps::Fsync(fd);
  }
  int Close(int fd) override {
    steps.push_back("close " + std::to_string(fd));
    return PosixFileOps::Close(fd);
  }
  int Rename(const std::string& from, const std::string& to) override {
    steps.push_back("rename " + from + " " + to);
    return PosixFileOps::Rename(from, to);
  }
  int FsyncDir(const std::string& folder) override {
    steps.push_back("fsync folder " + folder);
    return PosixFileOps::FsyncDir(folder);
  }

  int clashes = 0;
  std::vector<std::string> created, steps;
};

TEST(SafeWrite, SyncsTheFileBeforeTheRenameAndTheFolderAfter) {
  testing::TempFolder folder;
  const std::string path = folder / "Orvantis_500.txt";
  testing::WriteFile(path, "old");
  RecordingOps ops;
  EXPECT_EQ(Outcome(path, ops), "no fault");
  ASSERT_EQ(ops.created.size(), 1u);
  ASSERT_EQ(ops.steps.size(), 5u);
  const std::string fd = ops.steps[0].substr(6);
  EXPECT_EQ(ops.steps, (std::vector<std::string>{"write " + fd, "fsync " + fd, "close " + fd,
                                                 "rename " + ops.created[0] + " " + path,
                                                 "fsync folder " + folder.path().string() + "/"}));
  EXPECT_EQ(testing::ReadFile(path), kNew);
}

TEST(SafeWrite, TemporaryNamesCarryThePidAndARandomPart) {
  testing::TempFolder folder;
  const std::string path = folder / "Orvantis_500.txt";
  RecordingOps ops;
  for (int n = 0; n < 3; ++n) EXPECT_EQ(Outcome(path, ops), "no fault");
  ASSERT_EQ(ops.created.size(), 3u);
  const std::string stem = path + ".tmp" + std::to_string(::getpid()) + "-";
  for (const auto& name : ops.created) {
    EXPECT_EQ(name.rfind(stem, 0), 0u) << name;
    EXPECT_TRUE(std::regex_match(name.substr(stem.size()), std::regex("[0-9a-f]{16}"))) << name;
  }
  EXPECT_NE(ops.created[0], ops.created[1]);
  EXPECT_NE(ops.created[1], ops.created[2]);
  EXPECT_NE(ops.created[0], ops.created[2]);
}

TEST(SafeWrite, NameClashesAreRetriedAndNeverShowABareErrorNumber) {
  testing::TempFolder folder;
  const std::string path = folder / "Orvantis_500.txt";
  testing::WriteFile(path, "old");
  RecordingOps some;
  some.clashes = 3;
  EXPECT_EQ(Outcome(path, some), "no fault");
  EXPECT_EQ(some.created.size(), 4u);
  EXPECT_EQ(testing::ReadFile(path), kNew);

  testing::WriteFile(path, "old");
  RecordingOps always;
  always.clashes = 1000;
  EXPECT_EQ(Outcome(path, always), "File access denied");
  EXPECT_GT(always.created.size(), 1u);
  EXPECT_LT(always.created.size(), 100u);
  EXPECT_EQ(testing::ReadFile(path), "old");
}

// A process id that belonged to a process that has ended.
pid_t EndedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  int status = 0;
  ::waitpid(child, &status, 0);
  return child;
}

TEST(SafeWrite, RemovesTheTemporariesOfEndedProcessesOnly) {
  testing::TempFolder folder;
  const std::string path = folder / "Orvantis_500.txt";
  const std::string dead = std::to_string(EndedProcess());
  const std::string stem = "Orvantis_500.txt.tmp";
  const std::vector<std::string> kept = {
      stem + std::to_string(::getpid()) + "-0",   // this process may still be writing it
      stem + std::to_string(::getppid()) + "-0",  // a live process
      stem + "1-0",                               // a live process, another user's unless root
      stem + "x" + dead + "-0",                   // not a temporary of ours
      stem + dead,                                // no random part
      "Other.txt.tmp" + dead + "-0",              // another file's
  };
  for (const auto& name : kept) testing::WriteFile(folder / name, "keep");
  testing::WriteFile(folder / (stem + dead + "-0"), "stale");
  testing::WriteFile(folder / (stem + dead + "-0123456789abcdef"), "stale");
  EXPECT_EQ(Outcome(path), "no fault");
  std::vector<std::string> expected = kept;
  expected.push_back("Orvantis_500.txt");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(NamesIn(folder.path()), expected);
}

}  // namespace
}  // namespace orv
