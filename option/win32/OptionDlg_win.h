// COptionDlg: the configuration program's main dialog. It builds the skinned frame from
// its layout table, holds the six pages, runs the apply cycle with the monitor and shows
// its notices, and takes its texts from the language library.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "CompanionDevice.h"
#include "ConfigFiles_win.h"
#include "DpiScale.h"
#include "IniStore_win.h"
#include "LanguageLibrary_win.h"
#include "MonitorWindow_win.h"
#include "Pages_win.h"
#include "ProfileCommands_win.h"
#include "Registry_win.h"
#include "SettingsStore.h"
#include "SharedBlockClient_win.h"
#include "SkinButton_win.h"
#include "SkinFont_win.h"
#include "SkinImages_win.h"
#include "SkinLabel_win.h"
#include "SystemInfo_win.h"
#include "apply/ApplyCycle.h"
#include "apply/StoreFiles.h"
#include "frame/FrameLooks.h"

namespace orvix {

class COptionDlg final : public ApplyView, public PageHost {
 public:
  explicit COptionDlg(std::string installFolder);
  ~COptionDlg() override;

  // Runs the dialog modally; returns when it is closed.
  INT_PTR Run();

  // ApplyView
  void SetBusy(bool busy) override;
  void RefreshAll() override;
  void RefreshLevelPages(bool alsoAdvanced) override;
  void RefreshStatistics() override;
  void RefreshVersions() override;
  void ShowNotice(ApplyNotice notice) override;
  bool AskRestoreUnappliedEdits() override;
  void ApplyFinished() override;

  // PageHost
  SharedDataBlock& Working() override { return cycle_->working(); }
  const SharedDataBlock& Applied() const override { return cycle_->applied(); }
  const std::string& InstallFolder() const override { return installFolder_; }
  const DpiScale& Dpi() const override { return dpi_; }
  QuickHelpSink QuickHelp() override;
  HWND Frame() const override { return hwnd_; }
  const LanguageLibrary& Texts() const override { return texts_; }
  // Arial in the interface language's script.
  FontRef Font(int height96, int weight = FW_NORMAL) const override;
  bool MonitorPresent() override { return monitor_->Present(); }
  bool PostToMonitor(MonitorMessage message, WPARAM wParam, LPARAM lParam) override {
    return monitor_->Post(message, wParam, lParam);
  }
  bool TransferTracking() override { return cycle_->TransferTracking(); }
  bool TransferTracking(MonitorMessage message, LPARAM lParam) override {
    return cycle_->TransferTracking(message, lParam);
  }
  void FactoryReset() override;
  MacroLibrary& Macros() override { return macros_; }
  TimerList& Timers() override { return timers_; }
  void AcceptMacros(MacroManagerSession& session) override;
  bool SaveTimers() override;
  const CompanionDeviceList& Devices() const override { return *devices_; }
  int WindowsVersion() override { return OsVersionClass(system_); }
  FormDialogSetup DialogSetup() const override;

  enum Page { kMainPage, kButtonPage, kAdvancedPage, kColorPage, kStatisticsPage, kUpdatePage, kPageCount };
  void ShowPage(int page);

 private:
  static LRESULT CALLBACK FrameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static bool RegisterFrameClass();

  // WM_CREATE: the window, its controls and pages, its shape.
  void OnCreate(HWND window);
  // WM_INITDIALOG: the configuration, the texts.
  void OnInitDialog();
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  void OnCommand(HWND sender);
  // The monitor's notices that read the block: a reload, a profile or level change, new
  // statistics.
  void OnMonitorNotice(UINT message);
  void OnClose();
  void OnPaint();
  bool OnDrawItem(const DRAWITEMSTRUCT& item);
  void OnMonitorAnswered(UINT message);
  void OnTimer(UINT_PTR timer);

  void CreateControls();
  void CreatePages();
  void LoadLanguage();
  void Relabel();
  void ChooseLanguage();
  void SelectSlot(int slot);
  void Apply(bool thenClose, int resetFlag = 0);
  void FollowApply();
  void LoadFirmwareText();
  // The library takes in the macros the profiles' buttons carry, and is saved when that
  // changed it: at start and after every reload of the profiles from the monitor.
  void MergeButtonMacros();

  SkinButtonSetup ButtonSetup(std::string_view role, FontRef font = nullptr) const;
  PixelRect ScaledRect(std::string_view role) const;
  void MakeFonts();

  std::string installFolder_;
  HWND hwnd_ = nullptr;
  std::vector<UINT> heldNotices_;  // arrived while a keyboard capture was active
  DpiScale dpi_;

  // The settings store of the program.
  PrivateProfileStore ini_;
  WindowsConfigFiles configFiles_;
  SystemRegistry registry_;
  WindowsSystemInfo system_;
  std::unique_ptr<SettingsStore> store_;
  std::unique_ptr<StoreFiles> files_;
  std::unique_ptr<CompanionDeviceList> devices_;  // the companion application's devices
  MacroLibrary macros_;
  TimerList timers_;

  // The apply cycle and its ports.
  std::unique_ptr<SharedBlockClient> block_;
  std::unique_ptr<MonitorWindow> monitor_;
  std::unique_ptr<ApplyCycle> cycle_;
  bool userClosing_ = false;
  bool busy_ = false;

  // The frame.
  std::unique_ptr<SkinImages> images_;
  LanguageLibrary texts_;
  std::array<SkinButton, kPageCount> tabs_;
  std::array<SkinButton, 4> commands_;  // Create, Load, Save, Edit
  std::array<SkinButton, kProfiles> slots_;
  std::array<SkinButton, kProfiles> windowsProfileOff_;
  std::array<SkinButton, kProfiles> windowsProfileOn_;
  std::array<HWND, kProfiles> swatches_{};
  std::array<SkinLabel, kProfiles> names_;
  SkinButton language_;
  HWND badge_ = nullptr;
  std::unique_ptr<SkinBitmap> badgePicture_;
  SkinLabel quickHelp_;
  SkinButton min_, exit_, ok_, apply_, cancel_;
  std::wstring quickHelpText_;
  FontRef labelFont_, tabFont_, nameFont_, quickHelpFont_;

  std::unique_ptr<ProfileCommands> profileCommands_;
  std::array<std::unique_ptr<OptionPage>, kPageCount> pages_;
  int page_ = kMainPage;

  std::wstring firmwareText_;
};

}  // namespace orvix
