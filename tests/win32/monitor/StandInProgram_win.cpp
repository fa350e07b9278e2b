#include "StandInProgram_win.h"

#include <fstream>
#include <sstream>

#include "MonitorHarness_win.h"

namespace orvix::test {
namespace {

std::string StandInPath() {
  char path[MAX_PATH] = {};
  const DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string self(path, n < MAX_PATH ? n : 0);
  return self.substr(0, self.find_last_of('\\') + 1) + "started_program.exe";
}

}  // namespace

bool InstallStandIn(const std::string& path) {
  ::CreateDirectoryA(path.substr(0, path.find_last_of('\\')).c_str(), nullptr);
  return ::CopyFileA(StandInPath().c_str(), path.c_str(), FALSE);
}

std::optional<std::string> WaitForStart(const std::string& path, DWORD timeoutMs) {
  const DWORD start = ::GetTickCount();
  do {
    std::ifstream note(path + ".started");
    std::stringstream text;
    if (note && (text << note.rdbuf()) && !text.str().empty()) return text.str();
    PumpFor(50);
  } while (::GetTickCount() - start < timeoutMs);
  return std::nullopt;
}

}  // namespace orvix::test
