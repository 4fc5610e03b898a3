// --resume PATH: the file a sweep's rows go into, continued where an earlier sweep of
// the same grid and shard left it (stopped by a time limit, requeued by a scheduler).
// What it holds must be this sweep's own beginning: the heading line byte for byte,
// then rows whose grid fields are the grid's runs in order, the last of them flown
// again and equal byte for byte (other fixed inputs or another method differ there).
// A last line without its line end (a write cut by SIGKILL) is dropped and flown again.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "cli/sweep_runner.h"

namespace orv::cli {

class ResumedFile {
 public:
  // Opens (or creates) `path` and checks what it holds against `plan`'s runs
  // [plan.first, plan.last) and, when `heading` is not empty, that heading line.
  // `flyRow` flies one run of the grid and gives its row. Throws UsageError when the
  // file cannot be continued (nothing written), or while another sweep writes it.
  ResumedFile(const std::string& path, const SweepPlan& plan, const std::string& heading,
              const std::function<std::string(std::int64_t index)>& flyRow);
  ~ResumedFile();
  ResumedFile(const ResumedFile&) = delete;
  ResumedFile& operator=(const ResumedFile&) = delete;

  int fd() const { return fd_; }                   // open for writing at the end of the checked bytes
  std::int64_t rows() const { return rows_; }      // the shard's rows it holds
  bool hasHeading() const { return hasHeading_; }  // it begins with the heading
  // Closes the file; throws InOutFault when the system reports that a write failed.
  void Close();

 private:
  std::string path_;
  int fd_ = -1;
  std::int64_t rows_ = 0;
  bool hasHeading_ = false;
};

}  // namespace orv::cli
