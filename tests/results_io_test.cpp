// Failures of the results file: the user's text, and the previous table kept intact.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "base/errors.h"
#include "files/file_ops.h"
#include "files/results_file.h"
#include "files/results_table.h"
#include "tests/sim_test_support.h"

namespace orv {
namespace {

TEST(IoErrorText, MapsErrorNumbersToTheUsersTexts) {
  const std::pair<int, const char*> cases[] = {
      {ENOENT, "File not found"},      {ENAMETOOLONG, "Invalid filename"},
      {ENOTDIR, "Invalid filename"},   {EINVAL, "Invalid filename"},
      {ELOOP, "Invalid filename"},     {EMFILE, "Too many open files"},
      {ENFILE, "Too many open files"}, {EACCES, "File access denied"},
      {EPERM, "File access denied"},   {EISDIR, "File access denied"},
      {EROFS, "File access denied"},   {ENOSPC, "Disk full"},
      {EDQUOT, "Disk full"},           {EIO, "I/O error 5"},
      {EXDEV, "I/O error 18"},
  };
  for (auto [code, text] : cases) EXPECT_EQ(IoErrorText(code), text) << "errno " << code;
}

std::unique_ptr<SharedState> SomeTable() {
  auto state = std::make_unique<SharedState>();
  state->SampleRows = 500;
  state->FieldSeparator = "  ";
  state->Sample(0, 1) = 1.5;
  return state;
}

// Runs WriteResultsFile and returns the InOutFault's text and code.
std::pair<std::string, int> Failure(const std::string& path, FileOps& ops = SystemFileOps()) {
  auto state = SomeTable();
  try {
    WriteResultsFile(*state, path, ops);
  } catch (const InOutFault& e) {
    return {e.what(), e.code()};
  }
  return {"no fault", 0};
}

std::size_t FilesIn(const std::filesystem::path& folder) {
  std::size_t n = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) n += entry.exists() ? 1 : 0;
  return n;
}

TEST(ResultsFileErrors, DirectoryInTheFilesPlace) {
  testing::TempFolder folder;
  std::filesystem::create_directory(folder / "Orvantis_500.txt");
  std::filesystem::create_directory(folder / "Orvantis_500.txt/inside");  // not empty
  EXPECT_EQ(Failure(folder / "Orvantis_500.txt"), std::make_pair(std::string("File access denied"), EISDIR));
  EXPECT_TRUE(std::filesystem::is_directory(folder / "Orvantis_500.txt/inside"));
  EXPECT_EQ(FilesIn(folder.path()), 1u);  // the temporary table is gone
}

TEST(ResultsFileErrors, MissingFolder) {
  testing::TempFolder folder;
  EXPECT_EQ(Failure(folder / "gone/Orvantis_500.txt").first, "File not found");
}

TEST(ResultsFileErrors, NameTooLongOrThroughAFile) {
  testing::TempFolder folder;
  EXPECT_EQ(Failure(folder / std::string(300, 'a')).first, "Invalid filename");
  testing::WriteFile(folder / "plain", "x");
  EXPECT_EQ(Failure(folder / "plain/Orvantis_500.txt").first, "Invalid filename");
}

// The system's files, except that the table goes to /dev/full.
class DevFullOps : public PosixFileOps {
 public:
  int CreateExclusive(const std::string& path, unsigned mode, int& fd) override {
    created = path;
    return PosixFileOps::CreateExclusive(path, mode, fd);
  }
  int WriteAll(int, const char* data, std::size_t size) override {
    const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    const int error = PosixFileOps::WriteAll(full, data, size);
    ::close(full);
    return error;
  }
  void Remove(const std::string& path) override {
    removed = path;
    PosixFileOps::Remove(path);
  }

  std::string created, removed;
};

TEST(ResultsFileErrors, FullDiskKeepsThePreviousTable) {
  testing::TempFolder folder;
  const std::string path = folder / "Orvantis_500.txt";
  testing::WriteFile(path, "previous table");
  DevFullOps ops;
  EXPECT_EQ(Failure(path, ops), std::make_pair(std::string("Disk full"), ENOSPC));
  EXPECT_EQ(ops.removed, ops.created);
  EXPECT_EQ(ops.created.rfind(path, 0), 0u);  // beside the table, in its folder
  EXPECT_EQ(testing::ReadFile(path), "previous table");
}

// Fails one chosen operation with a chosen error number.
class FailingOps : public PosixFileOps {
 public:
  enum Op { kCreate, kWrite, kClose, kRename };
  FailingOps(Op op, int code) : op_(op), code_(code) {}
  int CreateExclusive(const std::string& path, unsigned mode, int& fd) override {
    return op_ == kCreate ? code_ : PosixFileOps::CreateExclusive(path, mode, fd);
  }
  int WriteAll(int fd, const char* data, std::size_t size) override {
    return op_ == kWrite ? code_ : PosixFileOps::WriteAll(fd, data, size);
  }
  int Close(int fd) override {
    const int error = PosixFileOps::Close(fd);
    return op_ == kClose ? code_ : error;
  }
  int Rename(const std::string& from, const std::string& to) override {
    return op_ == kRename ? code_ : PosixFileOps::Rename(from, to);
  }

 private:
  Op op_;
  int code_;
};

TEST(ResultsFileErrors, EachOperationReportsItsError) {
  const std::pair<FailingOps, const char*> cases[] = {
      {{FailingOps::kCreate, EMFILE}, "Too many open files"},
      {{FailingOps::kWrite, EIO}, "I/O error 5"},
      {{FailingOps::kClose, EDQUOT}, "Disk full"},
      {{FailingOps::kRename, EROFS}, "File access denied"},
  };
  for (auto [ops, text] : cases) {
    testing::TempFolder folder;
    const std::string path = folder / "Orvantis_500.txt";
    testing::WriteFile(path, "previous table");
    EXPECT_EQ(Failure(path, ops).first, text);
    EXPECT_EQ(testing::ReadFile(path), "previous table");
    EXPECT_EQ(FilesIn(folder.path()), 1u);
  }
}

TEST(ResultsFileErrors, TooManyOpenFiles) {
  testing::TempFolder folder;
  // A write and a failure first: UBSan checks a dynamic type through a pipe the
  // first time it meets it, which it could not open with every descriptor taken.
  WriteResultsFile(*SomeTable(), folder / "warm-up.txt");
  ASSERT_EQ(Failure(folder / "gone/warm-up.txt").first, "File not found");
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
  rlimit low = saved;
  low.rlim_cur = 64;
  ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &low), 0);
  std::vector<int> held;
  for (int fd; (fd = ::open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0;) held.push_back(fd);
  const auto failure = Failure(folder / "Orvantis_500.txt");
  for (int fd : held) ::close(fd);
  setrlimit(RLIMIT_NOFILE, &saved);
  EXPECT_EQ(failure, std::make_pair(std::string("Too many open files"), EMFILE));
}

}  // namespace
}  // namespace orv
