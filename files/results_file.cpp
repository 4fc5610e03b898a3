#include "files/results_file.h"

#include "files/results_table.h"
#include "files/safe_write.h"

namespace orv {

void WriteResultsFile(const SharedState& state, const std::string& path, FileOps& ops) {
  WriteFileSafely(path, FormatResultsTable(state), ops);
}

}  // namespace orv
