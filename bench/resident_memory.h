#pragma once
// The resident memory of the benchmark's own process, for the memory a
// number of sessions costs.
#include <malloc.h>
#include <unistd.h>

#include <fstream>

namespace meridian::bench {

inline double residentMb() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Bytes the program holds on its heap now: unlike resident memory, it falls
// when a block is freed and rises when a freed block is used again.
inline double heapMb() { return static_cast<double>(mallinfo2().uordblks) / (1024.0 * 1024.0); }

}  // namespace meridian::bench
