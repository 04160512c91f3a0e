// A stopwatch on the performance counter for the scan benchmarks.
#pragma once
#include <windows.h>

namespace scrubwell::bench {

class Stopwatch {
 public:
  Stopwatch() { QueryPerformanceFrequency(&freq_), restart(); }
  void restart() { QueryPerformanceCounter(&start_); }
  double seconds() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart - start_.QuadPart) /
           static_cast<double>(freq_.QuadPart);
  }

 private:
  LARGE_INTEGER freq_, start_;
};

// The best (lowest) time of a measurement over the rounds of a benchmark.
struct Best {
  double seconds = 1e30;
  void take(double s) { seconds = s < seconds ? s : seconds; }
};

}  // namespace scrubwell::bench
