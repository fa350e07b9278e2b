// The companion link's ports on Windows: WM_COPYDATA to the companion window, posts to our
// own window and to the configuration program, names in the ANSI code page.
#pragma once

#include <windows.h>

#include <functional>

#include "companion/CompanionLink.h"

namespace orvix {

class CompanionWindowPorts : public CompanionPorts {
 public:
  struct Hooks {
    std::function<void(std::uint8_t, std::uint8_t, std::uint8_t)> sendLightReport;
    std::function<void()> updateTrayIcon;
    std::function<void(const CompanionDeviceList&)> saveDeviceList;
  };
  CompanionWindowPorts(HWND monitorWindow, Hooks hooks) : monitorWindow_(monitorWindow), hooks_(std::move(hooks)) {}

  void SendCopyData(std::uintptr_t window, std::uint32_t dwData, const std::vector<std::uint8_t>& bytes) override;
  void SendLightReport(std::uint8_t first, std::uint8_t second, std::uint8_t third) override;
  void UpdateTrayIcon() override;
  void PostCommandToSelf(unsigned command) override;
  void SaveDeviceList(const CompanionDeviceList& list) override;
  void NotifyDevicesChanged() override;
  std::string ToAnsi(const std::u16string& name, std::size_t maxBytes) override;

 private:
  HWND monitorWindow_;
  Hooks hooks_;
};

// The names registered for the companion application's messages; registered once at start.
struct CompanionMessages {
  UINT parlyMessage = 0;     // "WM_PARLY_MSG"
  UINT ambientLight = 0;     // "WM_PARLY_AMBIENT_EVENT_LIGHT_FROM_PARLY"
  static CompanionMessages Register();
};

// The 20 bytes of ambient light data the companion application publishes, when it does.
bool ReadCompanionAmbientData(std::uint8_t (&data)[20]);

}  // namespace orvix
