// The program's one shared state: the parameter set, the run scalars, the unit
// flags and the sample table that the main window and the computation share.
// Tests build their own SharedState and hand it to the window instead.
#pragma once

#include "base/flight_data.h"

namespace orv {

extern SharedState ProgramState;

}  // namespace orv
