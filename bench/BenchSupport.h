#pragma once

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

// Lines of 128 characters: a 7-digit number, a space and 120 letters.
// Gives a line of BenchLine the number i, in place.
inline void NumberBenchLine(std::string& line, long i) {
  char number[24];
  std::snprintf(number, sizeof number, "%07lu", static_cast<unsigned long>(i) % 10000000UL);
  std::memcpy(line.data(), number, 7);
  line[7] = ' ';
}

inline std::string BenchLine(long i) {
  std::string line(128, 'x');
  NumberBenchLine(line, i);
  return line;
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
