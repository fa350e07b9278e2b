// The virtual mouse inside hiddriver.dll: one per process, made on first use. Its memory
// lives in "VirtualMouse.dat" beside the library; its events go to the window given to
// Open_DevMonitor; its control channel runs from Open_DevMonitor to Close_DevMonitor.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "ControlServer_win.h"
#include "Firmware.h"

namespace orvix::vmouse {

class VirtualMouseLibrary : EventSink, MemoryStore {
 public:
  static VirtualMouseLibrary& Instance();

  void OpenDevMonitor(HWND window, UINT eventMessage, UINT arrivalMessage);
  void CloseDevMonitor();
  Firmware& firmware() { return *firmware_; }

 private:
  VirtualMouseLibrary();

  void DeviceEvent(std::uint16_t eventClass, std::uint16_t data) override;
  void Arrival(bool arrived) override;
  void Save(const MouseMemory& memory) override;

  std::string memoryPath_;
  std::mutex windowLock_;
  HWND window_ = nullptr;
  UINT eventMessage_ = 0;
  UINT arrivalMessage_ = 0;
  std::unique_ptr<Firmware> firmware_;
  ControlServer control_;
};

}  // namespace orvix::vmouse
