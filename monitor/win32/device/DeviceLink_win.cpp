#include "DeviceLink_win.h"

#include "ProcAddress_win.h"

namespace orvix {

bool DeviceLink::Bind(const std::string& installFolder) {
  Close();
  ModuleHandle module(::LoadLibraryA((installFolder + "hiddriver.dll").c_str()));
  if (!module) return false;
  openDevMonitor_ = ProcAddress<OpenDevMonitorFunction>(module.get(), "Open_DevMonitor");
  closeDevMonitor_ = ProcAddress<CloseFunction>(module.get(), "Close_DevMonitor");
  openFeatureDevice_ = ProcAddress<OpenFeatureDeviceFunction>(module.get(), "Open_FeatureDevice");
  closeFeatureDevice_ = ProcAddress<CloseFunction>(module.get(), "Close_FeatureDevice");
  setFeature_ = ProcAddress<ReportFunction>(module.get(), "SetFeature");
  getFeature_ = ProcAddress<ReportFunction>(module.get(), "GetFeature");
  getMousePid_ = ProcAddress<GetMousePidFunction>(module.get(), "GetMousePID");
  if (!openDevMonitor_ || !closeDevMonitor_ || !openFeatureDevice_ || !closeFeatureDevice_ || !setFeature_ ||
      !getFeature_) {
    openDevMonitor_ = nullptr;
    closeDevMonitor_ = closeFeatureDevice_ = nullptr;
    openFeatureDevice_ = nullptr;
    setFeature_ = getFeature_ = nullptr;
    getMousePid_ = nullptr;
    return false;  // `module` unloads the library
  }
  module_ = std::move(module);
  return true;
}

void DeviceLink::OpenDevMonitor(HWND window, UINT eventMessage, UINT arrivalMessage) {
  if (openDevMonitor_) openDevMonitor_(window, eventMessage, arrivalMessage);
}

void DeviceLink::CloseDevMonitor() {
  if (closeDevMonitor_) closeDevMonitor_();
}

bool DeviceLink::OpenFeatureDevice() { return openFeatureDevice_ && openFeatureDevice_() != 0; }

void DeviceLink::CloseFeatureDevice() {
  if (closeFeatureDevice_) closeFeatureDevice_();
}

bool DeviceLink::WriteReport(std::uint8_t* report, int length) {
  return setFeature_ && report && length > 0 && setFeature_(report, length) != 0;
}

bool DeviceLink::ReadReport(std::uint8_t* report, int length) {
  return getFeature_ && report && length > 0 && getFeature_(report, length) != 0;
}

int DeviceLink::GetMousePID() { return getMousePid_ ? getMousePid_() : 0; }

void DeviceLink::Close() {
  if (!module_) return;
  CloseDevMonitor();
  CloseFeatureDevice();
  openDevMonitor_ = nullptr;
  closeDevMonitor_ = closeFeatureDevice_ = nullptr;
  openFeatureDevice_ = nullptr;
  setFeature_ = getFeature_ = nullptr;
  getMousePid_ = nullptr;
  module_.reset();
}

}  // namespace orvix
