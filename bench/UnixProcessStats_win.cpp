#include "UnixProcessStats_win.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <iterator>
#include <sstream>
#include <vector>

#include "WinHandles.h"

namespace orvix::bench {
namespace {

constexpr double kClockTicksPerSecond = 100.0;  // USER_HZ on every Linux port

// procfs files report a size of 0: read until the end.
std::string ReadWholeFile(const std::string& path) {
  const FileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
  if (!file) return {};
  std::string text;
  char chunk[4096];
  DWORD read = 0;
  while (::ReadFile(file.get(), chunk, sizeof chunk, &read, nullptr) && read > 0) text.append(chunk, read);
  return text;
}

double StatusKb(const std::string& status, const char* key) {
  const auto at = status.find(key);
  return at == std::string::npos ? 0 : std::atof(status.c_str() + at + std::strlen(key));
}

}  // namespace

bool RunningUnderWine() {
  const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
  return ntdll && ::GetProcAddress(ntdll, "wine_get_version");
}

std::optional<UnixProcessStats> ReadUnixProcessStats(const std::string& part1, const std::string& part2) {
  WIN32_FIND_DATAA found;
  const FindHandle search(::FindFirstFileA("Z:\\proc\\*", &found));
  if (!search) return std::nullopt;
  std::optional<std::string> match;
  do {
    const std::string name = found.cFileName;
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    const std::string commandLine = ReadWholeFile("Z:\\proc\\" + name + "\\cmdline");
    if (commandLine.find(part1) != std::string::npos && commandLine.find(part2) != std::string::npos) match = name;
  } while (!match && ::FindNextFileA(search.get(), &found));
  if (!match) return std::nullopt;

  // Fields 14 and 15 of stat, counted after the command name in parentheses.
  const std::string stat = ReadWholeFile("Z:\\proc\\" + *match + "\\stat");
  const auto close = stat.rfind(')');
  if (close == std::string::npos) return std::nullopt;
  std::istringstream fields(stat.substr(close + 2));
  std::vector<std::string> field{std::istream_iterator<std::string>(fields), std::istream_iterator<std::string>()};
  if (field.size() < 13) return std::nullopt;
  UnixProcessStats stats;
  stats.cpuMs = (std::atof(field[11].c_str()) + std::atof(field[12].c_str())) * 1000.0 / kClockTicksPerSecond;
  const std::string status = ReadWholeFile("Z:\\proc\\" + *match + "\\status");
  stats.peakRssMb = StatusKb(status, "VmHWM:") / 1024.0;
  return stats;
}

}  // namespace orvix::bench
