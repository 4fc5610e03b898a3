#include "gui/program_state.h"

namespace orv {

// Large (the sample table alone is 400 kB), so it lives in static storage.
SharedState ProgramState;

}  // namespace orv
