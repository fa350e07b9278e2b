// DeviceLink: the HID access library "hiddriver.dll", loaded from the install folder at
// run time. An entry point that is missing is never called: when the library or one of
// the operations the monitor uses is missing, nothing is bound and the monitor runs
// without a mouse (device state 0).
#pragma once

#include <windows.h>

#include <cstdint>
#include <mutex>
#include <string>

#include "WinHandles.h"
#include "device/FeatureDevice.h"

namespace orvix {

class DeviceLink : public FeatureDevice {
 public:
  // The library's ABI; cdecl spelled out, a mismatch would corrupt the stack.
  using OpenDevMonitorFunction = int __cdecl(HWND window, UINT eventMessage, UINT arrivalMessage);
  using CloseFunction = void __cdecl();
  using OpenFeatureDeviceFunction = int __cdecl();
  using ReportFunction = int __cdecl(unsigned char* report, int length);
  using GetMousePidFunction = int __cdecl();

  DeviceLink() = default;
  DeviceLink(const DeviceLink&) = delete;
  DeviceLink& operator=(const DeviceLink&) = delete;
  ~DeviceLink() override { Close(); }

  // Loads "<installFolder>hiddriver.dll" (the folder ends with a backslash) by its full
  // path and resolves the entry points by their exact names.
  bool Bind(const std::string& installFolder);
  bool bound() const { return static_cast<bool>(module_); }

  void OpenDevMonitor(HWND window, UINT eventMessage, UINT arrivalMessage);
  void CloseDevMonitor();
  // True when the mouse was found and opened.
  bool OpenFeatureDevice();
  void CloseFeatureDevice();
  bool WriteReport(std::uint8_t* report, int length) override;
  bool ReadReport(std::uint8_t* report, int length) override;
  int GetMousePID();  // resolved, not needed by the monitor

  // Shut-down: Close_DevMonitor, Close_FeatureDevice, then the library is unloaded.
  void Close();

  // Held around each report sequence so that the two threads never interleave.
  std::mutex& sequenceLock() { return sequenceLock_; }

 private:
  ModuleHandle module_;
  OpenDevMonitorFunction* openDevMonitor_ = nullptr;
  CloseFunction* closeDevMonitor_ = nullptr;
  OpenFeatureDeviceFunction* openFeatureDevice_ = nullptr;
  CloseFunction* closeFeatureDevice_ = nullptr;
  ReportFunction* setFeature_ = nullptr;
  ReportFunction* getFeature_ = nullptr;
  GetMousePidFunction* getMousePid_ = nullptr;
  std::mutex sequenceLock_;
};

}  // namespace orvix
