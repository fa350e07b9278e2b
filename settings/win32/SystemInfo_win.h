// The system queries of the settings store on Windows.
#pragma once

#include "SystemInfo.h"

namespace orvix {

class WindowsSystemInfo : public SystemInfo {
 public:
  std::string ModulePath() override;
  bool FileExists(const std::string& path) override;
  int DefaultLanguageId() override;
  OsVersion Version() override;
  std::string CommonAppDataFolder() override;
};

}  // namespace orvix
