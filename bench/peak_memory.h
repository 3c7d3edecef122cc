// The process's peak resident memory, read for the benchmarks' memory counters.
#pragma once

#include <sys/resource.h>
#include <unistd.h>

#include <fstream>

// Peak resident memory of this process so far, in megabytes.
inline double PeakResidentMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Resident memory of this process now, in megabytes.
inline double ResidentMegabytes() {
  long pages = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) /
         (1024.0 * 1024.0);
}
