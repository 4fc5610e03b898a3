// Writing a whole file so that a failure never leaves half of it over a good one.
#pragma once

#include <string>
#include <string_view>

#include "files/file_ops.h"

namespace orv {

// Writes `bytes` as the file `path` (created or replaced). The bytes go to a new
// temporary file beside the file, synchronised to disk, which then replaces it in one
// step: a failure or a crash leaves either the old or the new file. The replacement
// keeps the old file's permission bits, and its owner and group as far as the user may
// set them; a symbolic link's target is replaced, not the link.
//
// A file the user may not write is refused. A file with several hard links, a device
// or pipe, or a file in a folder that takes no new file is written in place instead.
// A name of a descriptor the process holds (/dev/stdout, /dev/stderr, /proc/self/fd/N)
// is written to that descriptor, as standard output is: never replaced, and appended
// to when it was opened to append.
// Temporaries that killed processes of this program left beside the file are removed.
//
// With NonRegular::kRefuse anything but a regular file (or a new one) is refused with
// kNotRegularText, never opened: the window may not wait on a fifo that nobody reads.
//
// Throws InOutFault with the user's text of the failure.
enum class NonRegular { kWriteInPlace, kRefuse };
inline constexpr const char* kNotRegularText = "Not a regular file (a device, pipe or socket)";
void WriteFileSafely(const std::string& path, std::string_view bytes, FileOps& ops = SystemFileOps(),
                     NonRegular nonRegular = NonRegular::kWriteInPlace);

// The file that a plain open of `path` writes: its symbolic links followed, one hop
// at a time (the file itself may be missing). A name of an open descriptor (in /proc)
// is not followed. Throws InOutFault for a loop of links.
std::string FinalTarget(const std::string& path, FileOps& ops = SystemFileOps());

}  // namespace orv
