#pragma once

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <string>

// Lines of 128 characters: a 7-digit number, a space and 120 letters.
inline std::string BenchLine(long i) {
  char number[16];
  std::snprintf(number, sizeof number, "%07ld ", i % 10000000);
  return number + std::string(120, 'x');
}

inline double Seconds(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline long PeakRssKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// One result line: job, lines, seconds, lines per second, peak resident memory.
inline void Report(const char* job, long lines, double seconds) {
  std::printf("%-34s %9ld lines %8.3f s %10.0f lines/s %7.1f MB peak\n", job, lines, seconds,
              lines / seconds, PeakRssKb() / 1024.0);
  std::fflush(stdout);
}
