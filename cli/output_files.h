// Where the command line's outputs go: a file replaced only once its new contents
// are complete, or standard output for the path "-".
#pragma once

#include <string>
#include <string_view>

namespace orv::cli {

inline constexpr const char* kStandardOutput = "-";

// A UsageError "<option>: the folder '<folder>' does not exist" unless `path` is "-"
// or its folder exists.
void CheckOutputFolder(std::string_view option, const std::string& path);

// Writes `bytes` to `path` as the results file is written (WriteFileSafely: a
// previous file stays intact on failure), or to standard output for "-". Throws
// InOutFault.
void WriteOutput(const std::string& path, std::string_view bytes);

}  // namespace orv::cli
