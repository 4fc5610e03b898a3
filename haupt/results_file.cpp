#include "haupt/results_file.h"

#include "haupt/results_table.h"
#include "haupt/safe_write.h"

namespace orv {

void WriteResultsFile(const SharedState& state, const std::string& path, FileOps& ops) {
  WriteFileSafely(path, FormatResultsTable(state), ops);
}

}  // namespace orv
