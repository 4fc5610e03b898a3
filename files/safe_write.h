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
// Temporaries that killed processes of this program left beside the file are removed.
//
// Throws InOutFault with the user's text of the failure.
void WriteFileSafely(const std::string& path, std::string_view bytes, FileOps& ops = SystemFileOps());

}  // namespace orv
