// The configuration files of the installed programs: replaced whole through a file beside
// them and one move, under a named mutex that the monitor and the configuration program
// share.
#pragma once

#include "ConfigFiles.h"
#include "WinHandles.h"

namespace orvix {

inline constexpr char kConfigFilesMutexName[] = "Norvel_OrvixOne_Config_Files_Mutex";

class WindowsConfigFiles final : public ConfigFiles {
 public:
  WindowsConfigFiles();
  std::optional<std::string> Read(const std::string& path) override;
  bool Exists(const std::string& path) override;
  bool Replace(const std::string& path, const std::string& content) override;
  bool Remove(const std::string& path) override { return ::DeleteFileA(path.c_str()) != FALSE; }
  bool Lock() override;
  void Unlock() override;

  // A peer holding the lock longer than this is taken as hung.
  static constexpr DWORD kLockTimeoutMs = 5000;

 private:
  KernelHandle mutex_;
};

}  // namespace orvix
