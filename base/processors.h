// How many threads a study runs on when the user does not say: the processors this
// process may run on, not every processor of the machine. A scheduler that gives a
// job part of a machine says so through the affinity mask (taskset, cgroups, Slurm's
// task binding) and, under Slurm, through SLURM_CPUS_PER_TASK; more threads than
// that only take turns on the same processors.
#pragma once

namespace orv {

// The processors of the calling thread's affinity mask, at most SLURM_CPUS_PER_TASK
// where that is set to a positive whole number; at least 1.
int UsableProcessors();

}  // namespace orv
