// Where the command line's outputs go: a file replaced only once its new contents
// are complete, or standard output for the path "-".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orv::cli {

inline constexpr const char* kStandardOutput = "-";

// Checks, before anything is written, that `path` can take the output: a UsageError
// "<option>: ..." for an empty path, a folder, a path that loops through symbolic
// links, a file or folder the user may not write, or a folder that does not exist.
// "-" is always fine.
void CheckOutputPath(std::string_view option, const std::string& path);

// An output of a command: the option that names it ("--csv", "--chart default") and
// its path ("-" for standard output).
struct NamedOutput {
  std::string option;
  std::string path;
};

// Throws UsageError when two of `outputs` name one file, by its identity: two names of
// one file (a link, "./x", /dev/stdout and "-" on a file) count as one. Checked after
// CheckOutputPath. A character device (/dev/null, a terminal) may take several.
void CheckDistinctOutputs(const std::vector<NamedOutput>& outputs);

// Writes `bytes` to `path` as the results file is written (WriteFileSafely: a
// previous file stays intact on failure), or to standard output for "-". Throws
// Fault. A fifo or device is written in a WaitScope: a signal ends a wait for a reader.
void WriteOutput(const std::string& path, std::string_view bytes);

// WriteOutput, telling its failure instead of throwing it: "'<path>': <reason>"
// ("<reason>" alone for standard output), or "" once written.
std::string WriteOutputOrSay(const std::string& path, std::string_view bytes);

// Writes `bytes` on standard output, and flushes them unless `flush` is false; a Fault
// with one clear line when it cannot take them (closed, a full disk). A pipe or
// terminal is written in a WaitScope.
void WriteStandardOutput(std::string_view bytes, bool flush = true);

// Whether standard output is a regular file (not a pipe, fifo or terminal).
bool StandardOutputIsFile();

// Makes a closed standard input, output or error unusable rather than free: no file
// the program opens may take its number, and writes to it fail (EBADF).
void GuardClosedStandardStreams();

}  // namespace orv::cli
