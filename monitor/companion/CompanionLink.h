// The monitor's side of the companion application: its status messages, the device
// records it sends, and what the monitor reports to it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "CompanionDevice.h"
#include "ProfileRecord.h"

namespace orvix {

// What the companion link needs from the monitor.
class CompanionPorts {
 public:
  virtual ~CompanionPorts() = default;
  // WM_COPYDATA (sent) to the companion window, wParam 2024.
  virtual void SendCopyData(std::uintptr_t window, std::uint32_t dwData, const std::vector<std::uint8_t>& bytes) = 0;
  // Report 16 in its companion form: three light values, 255 = leave unchanged.
  virtual void SendLightReport(std::uint8_t first, std::uint8_t second, std::uint8_t third) = 0;
  virtual void UpdateTrayIcon() = 0;
  virtual void PostCommandToSelf(unsigned command) = 0;
  virtual void SaveDeviceList(const CompanionDeviceList& list) = 0;
  virtual void NotifyDevicesChanged() = 0;  // WM_OPT_PARLY_DEVICES_CHANGED to the configuration program
  // The name in the system ANSI code page, cut to at most `maxBytes` bytes without splitting a character.
  virtual std::string ToAnsi(const std::u16string& name, std::size_t maxBytes) = 0;
};

// Which message carried a status: the fixed message 2025 or the registered "WM_PARLY_MSG".
enum class StatusChannel { kStatusMessage, kRegisteredMessage };

class CompanionLink {
 public:
  CompanionLink(CompanionPorts& ports, std::uint32_t monitorWindow);

  void OnStatus(StatusChannel channel, unsigned status, std::intptr_t argument, const ProfileRecord* current);
  // WM_COPYDATA from the companion application. Only records of exactly 64 bytes count;
  // a new device is refused while the list is full.
  void OnDeviceRecord(const void* data, std::size_t size);
  // 0xFF00 device event for slot `slot` of the current profile.
  void OnButtonFunction(const ButtonAssignment& slot, std::uint8_t eventHighByte);

  void SendDeviceStatus(bool connected, const ProfileRecord* current);
  void SendDpiTable(const ProfileRecord* current);
  void ResetLightToggle() { lightToggle_ = 0; }

  bool takeover() const { return takeover_; }
  bool hasCompanionWindow() const { return companionWindow_ != 0; }
  CompanionDeviceList& devices() { return devices_; }
  const CompanionDeviceList& devices() const { return devices_; }

 private:
  void Send(std::uint32_t type, const std::vector<std::uint8_t>& bytes);

  CompanionPorts& ports_;
  std::uint32_t monitorWindow_;
  std::uintptr_t companionWindow_ = 0;
  bool takeover_ = false;
  int lightToggle_ = 0;
  CompanionDeviceList devices_{};
};

}  // namespace orvix
