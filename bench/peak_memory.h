#pragma once

#include <sys/resource.h>

// Peak resident memory of this process so far, in megabytes.
inline double PeakResidentMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}
