#include "base/processors.h"

#include <sched.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace orv {
namespace {

// The processors of the affinity mask, or 0 when it cannot be read. The mask is read
// into sets of growing size, as a machine may have more processors than a
// cpu_set_t holds.
int ProcessorsOfMask() {
  for (int size = CPU_SETSIZE; size <= 64 * CPU_SETSIZE; size *= 2) {
    cpu_set_t* set = CPU_ALLOC(size);
    if (!set) return 0;
    const std::size_t bytes = CPU_ALLOC_SIZE(size);
    const int got = sched_getaffinity(0, bytes, set);
    const int count = got == 0 ? CPU_COUNT_S(bytes, set) : 0;
    CPU_FREE(set);
    if (got == 0) return count;
    if (errno != EINVAL) return 0;
  }
  return 0;
}

// SLURM_CPUS_PER_TASK as a positive number, or 0.
int SlurmProcessors() {
  const char* text = std::getenv("SLURM_CPUS_PER_TASK");
  if (!text) return 0;
  int value = 0;
  const char* end = text + std::strlen(text);
  const auto read = std::from_chars(text, end, value);
  return read.ec == std::errc{} && read.ptr == end && value > 0 ? value : 0;
}

}  // namespace

int UsableProcessors() {
  int processors = ProcessorsOfMask();
  if (processors <= 0) processors = static_cast<int>(std::thread::hardware_concurrency());
  if (const int slurm = SlurmProcessors(); slurm > 0 && (processors <= 0 || slurm < processors))
    processors = slurm;
  return std::max(processors, 1);
}

}  // namespace orv
