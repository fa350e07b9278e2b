// CMonitorWnd: the monitor's hidden main window. It owns the local copy of the shared
// block and every resource of the monitor, runs the start-up and shut-down sequences and
// dispatches the messages of the other programs, the HID library and its own timers to
// the monitor core, the device link and the host actions.
#pragma once

#include <windows.h>

#include <atomic>
#include <memory>
#include <optional>
#include <string>

#include "CompanionWindowPorts_win.h"
#include "ConfigFiles_win.h"
#include "IniStore_win.h"
#include "KeyboardLayout_win.h"
#include "Registry_win.h"
#include "SettingsStore.h"
#include "SystemInfo_win.h"
#include "actions/KeyTableTranslator.h"
#include "device/MonitorDevice_win.h"
#include "HostActions_win.h"
#include "OsdSettings.h"
#include "SharedBlockMapping_win.h"
#include "SharedDataBlock.h"
#include "SystemPorts_win.h"
#include "TrayIcon_win.h"
#include "WinHandles.h"
#include "Window_win.h"
#include "core/MonitorCore.h"

namespace orvix {

class CMonitorWnd : public Window,
                    // The ports of the monitor core that the window itself serves.
                    private BlockExchangePort,
                    private ConfigFilePort,
                    private PointerSettingsPort,
                    private HostButtonPort,
                    private CompanionPort,
                    private TrayPort,
                    private DevicePort {
 public:
  explicit CMonitorWnd(bool openConfiguration);
  ~CMonitorWnd() override;

  // Creates the hidden window; false when start-up refused to run (the process then ends).
  bool CreateHidden();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnWindowGone() override;

 private:
  LRESULT OnCreate();
  void OnDestroy();
  void OnTimer(UINT_PTR id);
  LRESULT OnCommand(WPARAM wParam);
  void OnTrayNotify(LPARAM mouseMessage);
  void OnApplyAll(WPARAM wParam);
  LRESULT OnCopyData(const COPYDATASTRUCT* data);
  void OnAmbientLight();

  class DeviceThreadHost;
  friend class DeviceThreadHost;

  void LoadSettings();
  void RegisterWithCompanion();
  void CreateParts();
  void RegisterSessionNotification();
  void OpenDeviceConnection();
  bool CopyIn();
  void ApplyPointerSettingsOfCurrentProfile();
  void ForwardOsdSettings();

  // BlockExchangePort
  bool CopyOut() override;
  // ConfigFilePort
  void WriteCurrentProfile(int slot) override;
  void WriteInfoData(const StatisticsBlock& statistics) override;
  void WriteDeviceState(int connected) override;
  // PointerSettingsPort
  void ApplyPointerSettings(const ProfileRecord& profile) override;
  // HostButtonPort
  void DispatchHostButtonEvent(std::uint32_t eventCode) override;
  // CompanionPort
  void ResetLightToggle() override;
  void SendDpiTable() override;
  void SendDeviceStatus(bool connected) override;
  void ButtonFunction(const ButtonAssignment& slot, std::uint8_t highByte) override;
  // TrayPort
  void UpdateTrayIcon() override;
  // DevicePort
  int DeviceState() override { return device_->flags().deviceState.load(); }
  void SetDeviceState(int state) override;
  void WaitAfterArrival() override;
  void OpenFeatureDevice() override;
  void CloseFeatureDevice() override;
  bool RunFirmwareCheck() override;
  void AbortRunningJob() override;

  bool openConfiguration_;
  std::string installFolder_;

  std::unique_ptr<SharedDataBlock> local_;
  std::optional<SharedBlockMutex> blockMutex_;
  std::optional<SharedBlockMapping> mapping_;
  RegKeyHandle mouseKey_;
  ModuleHandle wtsapi_;
  bool sessionNotificationRegistered_ = false;
  OsdSettings osd_{};

  PrivateProfileStore iniStore_;
  WindowsConfigFiles configFiles_;
  SystemRegistry registry_;
  WindowsSystemInfo systemInfo_;
  std::unique_ptr<SettingsStore> store_;
  ActiveKeyboardLayout layout_;
  std::unique_ptr<KeyTableTranslator> keys_;

  std::unique_ptr<DeviceThreadHost> deviceHost_;
  std::unique_ptr<MonitorDevice> device_;

  TrayIcon tray_;
  CompanionMessages companionMessages_ = CompanionMessages::Register();
  std::unique_ptr<CompanionWindowPorts> companionPorts_;
  std::unique_ptr<CompanionLink> companion_;

  std::unique_ptr<WindowTimers> timers_;
  std::unique_ptr<WindowMessenger> messenger_;
  SystemSound sound_;
  LockedSoundMemory soundMemory_;
  SystemFiles files_;
  PrivateProfileFiles ini_;
  SystemClock clock_;
  ForegroundProgram foreground_;
  std::unique_ptr<MonitorCore> core_;
  std::unique_ptr<MonitorHostActions> actions_;
};

}  // namespace orvix
