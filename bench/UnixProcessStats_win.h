// Under Wine, GetProcessTimes of another process does not report that process's CPU time,
// and its working set includes Wine's own loader. The Linux kernel's figures for the Unix
// process behind a Windows one are read from /proc through Wine's Z: drive instead.
#pragma once

#include <optional>
#include <string>

namespace orvix::bench {

bool RunningUnderWine();

struct UnixProcessStats {
  double cpuMs = 0;       // user + system time
  double peakRssMb = 0;   // VmHWM
};

// The first Unix process whose command line contains both parts.
std::optional<UnixProcessStats> ReadUnixProcessStats(const std::string& part1, const std::string& part2);

}  // namespace orvix::bench
