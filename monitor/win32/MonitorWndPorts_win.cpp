// The monitor core's ports that CMonitorWnd serves itself.
#include <cstdio>

#include "Launcher_win.h"
#include "Messages.h"
#include "MonitorWnd_win.h"
#include "PointerSettings_win.h"

namespace orvix {

void CMonitorWnd::WriteCurrentProfile(int slot) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", slot);
  ::WritePrivateProfileStringA("Setting", "CurrentProfile", text, configPath_.c_str());
}

void CMonitorWnd::WriteInfoData(const StatisticsBlock& statistics) {
  ::WritePrivateProfileStructA("Setting", "InfoData", const_cast<StatisticsBlock*>(&statistics), sizeof statistics,
                               configPath_.c_str());
}

void CMonitorWnd::WriteDeviceState(int connected) {
  ::WritePrivateProfileStringA("Setting", "Device", connected ? "1" : "0", configPath_.c_str());
}

void CMonitorWnd::ApplyPointerSettings(const ProfileRecord&) { ApplyPointerSettingsOfCurrentProfile(); }

void CMonitorWnd::DispatchHostButtonEvent(std::uint32_t eventCode) {
  if (actions_) orvix::DispatchHostButtonEvent(eventCode, local_->config, *actions_);
}

void CMonitorWnd::ResetLightToggle() {
  if (companion_) companion_->ResetLightToggle();
}

void CMonitorWnd::SendDpiTable() {
  if (companion_) companion_->SendDpiTable(CurrentProfileRecord(local_->config));
}

void CMonitorWnd::SendDeviceStatus(bool connected) {
  if (companion_) companion_->SendDeviceStatus(connected, CurrentProfileRecord(local_->config));
}

void CMonitorWnd::ButtonFunction(const ButtonAssignment& slot, std::uint8_t highByte) {
  if (companion_) companion_->OnButtonFunction(slot, highByte);
}

void CMonitorWnd::UpdateTrayIcon() { tray_.SetWanted(deviceState_.load() == 1 && !(companion_ && companion_->takeover())); }

void CMonitorWnd::SetDeviceState(int state) {
  deviceState_ = state;
  // Whatever a shortcut or macro holds must not stay pressed while the mouse is away.
  if (state != 1 && actions_) actions_->ReleaseEverything();
}

void CMonitorWnd::WaitAfterArrival() { ::Sleep(2000); }

void CMonitorWnd::OpenFeatureDevice() {}

void CMonitorWnd::CloseFeatureDevice() {}

bool CMonitorWnd::RunFirmwareCheck() { return false; }

void CMonitorWnd::AbortRunningJob() {}

}  // namespace orvix
