// The sample table side of a run: recording one row, the unit flags and the unit
// scaling after the second pass.
#pragma once

#include "base/constants.h"
#include "base/flight_data.h"

namespace orv {

// Stores the state after the current step in row NextRow: every column, the unit
// flags and Re1m; then advances NextRow (it stays at 500 once there).
// Throws FloatingPointFault at a faulting operation, keeping what it stored before.
void RecordSample(SharedState& state);

// m V^2 / 2, J, of the state in the slots, as a row records it. Throws
// FloatingPointFault where it overflows (an enormous mass).
double KineticEnergy(const FlightData& fd);

// Zeroes the 30 columns of all 500 rows, so a run never shows an earlier run's rows.
void ClearSampleTable(SharedState& state);

// Divides the scaled columns of all 500 rows into the units the flags chose.
void ScaleSampleUnits(SharedState& state);

}  // namespace orv
