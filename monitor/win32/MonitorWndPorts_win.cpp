// The monitor core's ports that CMonitorWnd serves itself.
#include <cstdio>

#include "Launcher_win.h"
#include "Messages.h"
#include "MonitorWnd_win.h"
#include "PointerSettings_win.h"
#include "Configuration.h"
#include "PointerRegistry.h"

namespace orvix {

void CMonitorWnd::WriteCurrentProfile(int slot) { orvix::WriteCurrentProfile(*store_, slot); }

void CMonitorWnd::WriteInfoData(const StatisticsBlock& statistics) { orvix::WriteInfoData(*store_, statistics); }

void CMonitorWnd::WriteDeviceState(int connected) { orvix::WriteDeviceState(*store_, connected); }

void CMonitorWnd::ApplyPointerSettings(const ProfileRecord& profile) {
  WritePointerRegistry(profile, registry_);
  ApplyPointerSettingsOfCurrentProfile();
}

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

void CMonitorWnd::UpdateTrayIcon() {
  tray_.SetWanted(DeviceState() == 1 && !(companion_ && companion_->takeover()));
}

void CMonitorWnd::SetDeviceState(int state) {
  device_->flags().deviceState = state;
  // Whatever a shortcut or macro holds must not stay pressed while the mouse is away.
  if (state != 1 && actions_) actions_->ReleaseEverything();
}

void CMonitorWnd::WaitAfterArrival() { ::Sleep(2000); }

void CMonitorWnd::OpenFeatureDevice() { device_->link().OpenFeatureDevice(); }

void CMonitorWnd::CloseFeatureDevice() { device_->link().CloseFeatureDevice(); }

bool CMonitorWnd::RunFirmwareCheck() {
  if (!orvix::RunFirmwareCheck(installFolder_, device_->sequences().ReadFirmwareVersion())) return false;
  openConfiguration_ = false;  // the updater runs instead; a pending open is dropped
  return true;
}

void CMonitorWnd::AbortRunningJob() { device_->AbortIfBusy(); }

}  // namespace orvix
