#include "Launcher_win.h"

#include <shellapi.h>

#include <cstdio>
#include <initializer_list>

#include "Messages.h"
#include "tray/FirmwareCheck.h"

namespace orvix {
namespace {

void ShellOpen(const std::string& path, const char* parameters) {
  ::ShellExecuteA(nullptr, "open", path.c_str(), parameters, nullptr, SW_SHOWNORMAL);
}

}  // namespace

bool PostToWindowTitled(const char* title, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = ::FindWindowA(nullptr, title);
  return window && ::PostMessageA(window, message, wParam, lParam);
}

void OpenConfigurationProgram(const std::string& installFolder) {
  if (HWND window = ::FindWindowA(nullptr, kOptionWindowTitle)) {
    if (::IsIconic(window)) ::ShowWindow(window, SW_SHOWNORMAL);
    ::SetForegroundWindow(window);
    ::SetActiveWindow(window);
    return;
  }
  ShellOpen(installFolder + "OrvixOneOption.exe", nullptr);
}

void StartOsdProgram(const std::string& installFolder) { ShellOpen(installFolder + "OrvixOneOSD.exe", nullptr); }

void CloseOsdWindows() {
  for (const char* title : {kOsdWindowTitle, kOsdPop3WindowTitle, kOsdCpuRamWindowTitle, kOsdSkypeWindowTitle})
    PostToWindowTitled(title, WM_CLOSE);
}

bool RunFirmwareCheck(const std::string& installFolder, std::optional<int> deviceVersion) {
  const std::string description = installFolder + "FWUpdate\\config.ini";
  const int expected = static_cast<int>(::GetPrivateProfileIntA("Firmware", "Version", -1, description.c_str()));
  const std::optional<int> parameter = FirmwareUpdaterParameter(deviceVersion, expected);
  if (!parameter) return false;
  char text[16];
  std::snprintf(text, sizeof text, "%d", *parameter);
  ShellOpen(installFolder + "FWUpdate\\OrvixOne Firmware Upgrade.exe", text);
  return true;
}

}  // namespace orvix
