// Timing for the Windows benchmarks: plain programs run under wine64, so
// every figure is read next to a plain copy measured in the same run.
#pragma once
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

inline double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Microseconds per call, the median of Repetitions runs of Count calls.
inline double Median(const std::function<void()>& work, int Count = 2000, int Repetitions = 7) {
  std::vector<double> runs;
  for (int r = 0; r < Repetitions; ++r) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < Count; ++i) work();
    GdiFlush();
    QueryPerformanceCounter(&end);
    runs.push_back(Seconds(start, end) * 1e6 / Count);
  }
  std::sort(runs.begin(), runs.end());
  return runs[runs.size() / 2];
}

inline void Report(const char* name, double micros, double copy) {
  std::printf("%-40s %9.2f us  %6.1f x copy\n", name, micros, micros / copy);
}
