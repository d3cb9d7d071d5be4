// Small measuring helpers shared by the benchmarks that run the programs
// on the desktop: wall clock, processor time, memory, and tick gaps.
#pragma once

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Processor time of this process so far, user and system, in seconds.
inline double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// A line of /proc/self/status such as "VmHWM:  123456 kB", in MiB.
inline double StatusMiB(const std::string& key) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind(key + ":", 0) == 0) return std::atof(line.c_str() + key.size() + 1) / 1024;
  return 0;
}

struct Gaps {
  double mean = 0, min = 0, p99 = 0, max = 0;
  size_t count = 0;
};

// The gaps between successive time points, in ms.
inline Gaps GapsBetween(const std::vector<Clock::time_point>& points) {
  std::vector<double> gaps;
  for (size_t i = 1; i < points.size(); ++i) gaps.push_back(Ms(points[i] - points[i - 1]));
  if (gaps.empty()) return {};
  std::sort(gaps.begin(), gaps.end());
  double sum = 0;
  for (double g : gaps) sum += g;
  return {sum / static_cast<double>(gaps.size()), gaps.front(), gaps[gaps.size() * 99 / 100], gaps.back(),
          gaps.size()};
}

}  // namespace bench
