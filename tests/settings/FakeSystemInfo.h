// System queries of the settings store for tests: a program folder chosen by the test,
// real file checks, language and version set by the test.
#pragma once

#include <fstream>
#include <string>

#include "HostPath.h"
#include "SystemInfo.h"

namespace orvix::testing {

class FakeSystemInfo : public SystemInfo {
 public:
  explicit FakeSystemInfo(std::string programFolder = {})
      : modulePath(programFolder.empty() ? std::string() : programFolder + "OrvixOneMonitor.exe") {}

  std::string ModulePath() override { return modulePath; }
  bool FileExists(const std::string& path) override { return std::ifstream(HostPath(path)).is_open(); }
  int DefaultLanguageId() override { return languageId; }
  OsVersion Version() override { return version; }
  std::string CommonAppDataFolder() override { return commonAppData; }

  std::string modulePath;
  int languageId = 0x0409;
  OsVersion version{OsPlatform::kWindowsNt, 6, 1};
  std::string commonAppData = "C:\\ProgramData";
};

}  // namespace orvix::testing
