#include "physics/fp_check.h"

namespace orv {

void ThrowFloatingPointFault(const char* text) { throw FloatingPointFault(text); }

}  // namespace orv
