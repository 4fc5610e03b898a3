// Where a sweep's rows go. A regular file takes them in batches that end at a row's
// end, each batch written whole by the program itself rather than through a stdio
// buffer, which would write 4 KiB at a time and so end mid-row: whatever ends the
// program, even SIGKILL (a scheduler's KillWait, the OOM killer), finds the file
// ending with a whole row. A pipe or terminal gets each row as it comes, in one write:
// a reader such as `head` sees it at once (and, gone, ends the sweep at once), and a
// signal while the reader does not read finds no half row written.
#pragma once

#include <string>
#include <string_view>

namespace orv::cli {

class RowWriter {
 public:
  // `fd`: standard output, or a file opened for writing at its end, named `name`
  // (quoted) in messages. The writer does not close it.
  explicit RowWriter(int fd = 1, std::string name = {});
  RowWriter(const RowWriter&) = delete;
  RowWriter& operator=(const RowWriter&) = delete;

  // Bytes that end at a row's end: one row or several. Throws InOutFault.
  void Write(std::string_view rows);
  // Writes the rows held back. Throws InOutFault.
  void Flush();

 private:
  void WriteWhole(std::string_view bytes);

  int fd_;
  std::string name_;
  bool batched_;
  std::string pending_;
};

}  // namespace orv::cli
