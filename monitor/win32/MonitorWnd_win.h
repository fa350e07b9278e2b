// CMonitorWnd: the monitor's hidden main window. It owns the local copy of the shared
// block and every resource of the monitor, runs the start-up and shut-down sequences and
// dispatches the messages of the other programs, the HID library and its own timers.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "CompanionWindowPorts_win.h"
#include "MessageThread_win.h"
#include "SharedBlockMapping_win.h"
#include "SharedDataBlock.h"
#include "TrayIcon_win.h"
#include "WinHandles.h"
#include "Window_win.h"

namespace orvix {

class CMonitorWnd : public Window {
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

  // Whole-block exchange with the shared mapping (nothing when it could not be created).
  bool CopyIn();
  bool CopyOut();

  void UpdateTrayIcon();
  LRESULT OnCopyData(const COPYDATASTRUCT* data);
  void OnAmbientLight();
  void ApplyPointerSettingsOfCurrentProfile();

  bool openConfiguration_;
  std::string installFolder_;
  std::string configPath_;
  std::string lightDatabasePath_;

  std::unique_ptr<SharedDataBlock> local_;
  std::optional<SharedBlockMutex> blockMutex_;
  std::optional<SharedBlockMapping> mapping_;
  RegKeyHandle mouseKey_;
  ModuleHandle wtsapi_;
  bool sessionNotificationRegistered_ = false;

  MessageThread macroThread_;
  TrayIcon tray_;
  int deviceState_ = 0;  // 0 never connected, 1 connected, 2 removed

  CompanionMessages companionMessages_ = CompanionMessages::Register();
  std::unique_ptr<CompanionWindowPorts> companionPorts_;
  std::unique_ptr<CompanionLink> companion_;
};

}  // namespace orvix
