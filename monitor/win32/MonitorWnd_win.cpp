#include "MonitorWnd_win.h"

#include <commctrl.h>
#include <shlobj.h>
#include <objbase.h>

#include <cstring>

#include "Launcher_win.h"
#include "Messages.h"
#include "PointerSettings_win.h"
#include "ProcAddress_win.h"
#include "WindowField_win.h"
#include "Configuration.h"
#include "DeviceList.h"
#include "FixedText.h"
#include "actions/HorizontalScroll_win.h"
#include "companion/CompanionRegistration.h"
#include "device/DeviceJobs.h"

namespace orvix {
namespace {

constexpr char kWindowClass[] = "OrvixOneMonitorWnd";
constexpr UINT_PTR kTimerFirstRead = 502;
constexpr UINT kFirstReadDelayMs = 200;
// Work the device I/O thread hands back to the window thread.
constexpr UINT WM_MON_SEND_DPI_TABLE = WM_APP + 1;

}  // namespace

// What the device sequences report, called on the thread that runs them (the device I/O
// thread for the full read).
class CMonitorWnd::DeviceThreadHost : public DeviceHost, public DeviceJobHost {
 public:
  explicit DeviceThreadHost(CMonitorWnd& window) : window_(window) {}
  void StoreFirmwareVersion(int version) override { WriteFirmwareVersion(*window_.store_, version); }
  void SaveConfiguration() override { orvix::SaveConfiguration(window_.local_->config, *window_.store_); }
  void PublishDeviceRead() override {
    window_.CopyOut();
    PostToWindowTitled(kOptionWindowTitle, WM_OPT_DEVICE_READ_DONE);
  }
  void SensorImageReady() override { PostToWindowTitled(kCalibrationWindowTitle, WM_CAL_IMAGE_READY); }
  // The companion link belongs to the window thread.
  void SendDpiTable() override { ::PostMessageA(window_.hwnd(), WM_MON_SEND_DPI_TABLE, 0, 0); }

 private:
  CMonitorWnd& window_;
};

CMonitorWnd::CMonitorWnd(bool openConfiguration)
    : openConfiguration_(openConfiguration), local_(std::make_unique<SharedDataBlock>()) {
  ClearConfiguration(*local_);
}

CMonitorWnd::~CMonitorWnd() { Destroy(); }

bool CMonitorWnd::CreateHidden() {
  return Create({.className = kWindowClass, .title = kMonitorWindowTitle, .style = WS_POPUP,
                 .x = 100, .y = 100, .width = 100, .height = 100});
}

LRESULT CMonitorWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (tray_.IsTaskbarCreated(message)) {
    tray_.OnTaskbarCreated();
    return 0;
  }
  if (companion_ && message == companionMessages_.parlyMessage) {
    companion_->OnStatus(StatusChannel::kRegisteredMessage, static_cast<unsigned>(wParam), lParam,
                         CurrentProfileRecord(local_->config));
    return 0;
  }
  if (companion_ && message == companionMessages_.ambientLight) {
    OnAmbientLight();
    return 0;
  }
  switch (message) {
    case WM_CREATE:
      return OnCreate();
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_CLOSE:
      ::DestroyWindow(hwnd());
      return 0;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_DEVICECHANGE:
      return TRUE;
    case WM_COPYDATA:
      return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_COMMAND:
      return OnCommand(wParam);
    case WM_MON_TRAY_NOTIFY:
      OnTrayNotify(lParam);
      return 0;
    case WM_MON_APPLY_ALL:
      OnApplyAll(wParam);
      return 0;
    case WM_MON_RELOAD_SHARED:
    case WM_MON_RELOAD_SHARED_OLD:
      CopyIn();
      return 0;
    case WM_MON_RELOAD_POINTER:
      CopyIn();
      ApplyPointerSettingsOfCurrentProfile();
      return 0;
    case WM_MON_SEND_DPI_TABLE:
      SendDpiTable();
      return 0;
    case WM_MON_SENSOR_IMAGE:
      if (DeviceState() == 1) device_->sequences().CaptureSensorImage(device_->sensorBitmapPath());
      return 0;
    case WM_MON_TRACKING_REPORT:
      CopyIn();
      if (DeviceState() == 1) device_->sequences().SendTrackingReport(static_cast<int>(lParam));
      return 0;
    case WM_MON_CALIBRATION_MODE:
      CopyIn();
      if (DeviceState() == 1) device_->sequences().SetCalibrationMode(static_cast<int>(lParam));
      return 0;
    case WM_MON_TILT_SCROLL:
      ScrollHtmlView(static_cast<int>(wParam), lParam != 0);
      return 0;
    case WM_MON_DEVICE_EVENT:
      if (core_) core_->OnDeviceEventMessage(wParam, lParam);
      return 1;
    case WM_MON_DEVICE_ARRIVAL:
      if (core_) core_->OnDeviceArrivalMessage(wParam);
      return 1;
    case WM_MON_PARLY_STATUS:
      if (companion_)
        companion_->OnStatus(StatusChannel::kStatusMessage, static_cast<unsigned>(wParam), lParam,
                             CurrentProfileRecord(local_->config));
      return 0;
    case WM_MON_IGNORED_1232:
    case WM_MON_IGNORED_1274:
      return 0;
    case WM_MON_ACCEPTED_1327:
      return 1;
    default:
      return Window::HandleMessage(message, wParam, lParam);
  }
}

LRESULT CMonitorWnd::OnCreate() {
  ::CoInitialize(nullptr);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&controls);

  store_ = std::make_unique<SettingsStore>(iniStore_, configFiles_, registry_, systemInfo_);
  installFolder_ = store_->folder;
  CreateParts();
  RegisterWithCompanion();
  core_->WriteFirstRunRecord();
  RegisterSessionNotification();

  HKEY mouse = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Mouse", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &mouse,
                        nullptr) == ERROR_SUCCESS)
    mouseKey_.reset(mouse);

  device_->Bind();
  LoadSettings();

  // A second monitor (the block mutex exists) must not start.
  blockMutex_ = SharedBlockMutex::Create();
  if (!blockMutex_) return -1;
  mapping_ = SharedBlockMapping::Create();
  if (mapping_) CopyOut();
  ::PostMessageA(HWND_BROADCAST, companionMessages_.parlyMessage, 11, reinterpret_cast<LPARAM>(hwnd()));

  KeepTimerResolutionWhenHidden();
  actions_->StartMacroThread();
  device_->StartIoThread();

  ::SetWindowLongPtrA(hwnd(), GWL_EXSTYLE, ::GetWindowLongPtrA(hwnd(), GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
  tray_.Attach(hwnd());

  OpenDeviceConnection();
  SendDeviceStatus(DeviceState() == 1);
  WriteDeviceState(DeviceState() == 1 ? 1 : 0);

  ApplyPointerSettingsOfCurrentProfile();
  StartOsdProgram(installFolder_);
  ReadDeviceList(*store_, companion_->devices());
  return 0;
}

void CMonitorWnd::CreateParts() {
  keys_ = std::make_unique<KeyTableTranslator>(layout_);
  timers_ = std::make_unique<WindowTimers>(hwnd());
  messenger_ = std::make_unique<WindowMessenger>(
      hwnd(), [this](unsigned job, std::intptr_t lParam) { device_->PostJob(job, lParam); });
  core_ = std::make_unique<MonitorCore>(
      MonitorPorts{*timers_, *messenger_, *this, *this, *this, sound_, soundMemory_, files_, ini_, clock_, *this,
                   *this, *this, *this, foreground_},
      *local_, installFolder_);

  deviceHost_ = std::make_unique<DeviceThreadHost>(*this);
  device_ = std::make_unique<MonitorDevice>(*local_, *deviceHost_, *deviceHost_, installFolder_);

  companionPorts_ = std::make_unique<CompanionWindowPorts>(
      hwnd(), CompanionWindowPorts::Hooks{
                  .sendLightReport =
                      [this](std::uint8_t a, std::uint8_t b, std::uint8_t c) {
                        device_->sequences().SendCompanionLight(a, b, c);
                      },
                  .updateTrayIcon = [this] { UpdateTrayIcon(); },
                  .saveDeviceList = [this](const CompanionDeviceList& list) { WriteDeviceList(*store_, list); },
              });
  companion_ = std::make_unique<CompanionLink>(*companionPorts_, WindowToField(hwnd()));

  actions_ = std::make_unique<MonitorHostActions>(MonitorHostActions::Context{
      .window = hwnd(),
      .installFolder = installFolder_,
      .keys = keys_.get(),
      .currentProfile = [this] { return static_cast<const ProfileRecord*>(CurrentProfileRecord(local_->config)); },
      .countdownStart = [this](int seconds) { core_->StartCountdown(seconds); },
      .countdownStop = [this] { core_->StopCountdown(); },
  });
}

void CMonitorWnd::RegisterWithCompanion() {
  const std::string folder = CompanionFolder(systemInfo_);
  if (folder.empty()) return;
  const std::string path = folder + "TConfig.ini";
  if (!ini_.FileExists(path)) {
    ::SHCreateDirectoryExA(nullptr, folder.substr(0, folder.size() - 1).c_str(), nullptr);
    ini_.CreateEmptyFile(path);
  }
  RegisterInCompanionFile(IniFile(iniStore_, path));
}

void CMonitorWnd::RegisterSessionNotification() {
  // Registered so that the session's messages reach the window; none is handled.
  wtsapi_.reset(::LoadLibraryA("wtsapi32.dll"));
  using Register = BOOL WINAPI(HWND, DWORD);
  auto registerFn = ProcAddress<Register>(wtsapi_.get(), "WTSRegisterSessionNotification");
  if (!registerFn) return;
  for (int attempt = 0; attempt < 10 && !sessionNotificationRegistered_; ++attempt) {
    sessionNotificationRegistered_ = registerFn(hwnd(), 0) != FALSE;
    if (!sessionNotificationRegistered_) ::Sleep(1000);
  }
}

void CMonitorWnd::LoadSettings() {
  ClearConfiguration(*local_);
  LoadConfiguration(local_->config, *store_);
  if (local_->config.QuickHelpLan == -1) local_->config.QuickHelpLan = DetectLanguage(systemInfo_);
  DefaultOsdSettings(osd_);
  ReadOsdSettings(*store_, osd_);
}

void CMonitorWnd::OpenDeviceConnection() {
  if (!device_->Open(hwnd())) return;  // no mouse: wait for its arrival
  timers_->StartTimer(kForegroundCheckTimerId, kForegroundCheckPeriodMs);
  if (RunFirmwareCheck()) {
    ::PostMessageA(hwnd(), WM_CLOSE, 0, 0);
    return;
  }
  ::SetTimer(hwnd(), kTimerFirstRead, kFirstReadDelayMs, nullptr);
  SetDeviceState(1);
  UpdateTrayIcon();
  if (openConfiguration_) OpenConfigurationProgram(installFolder_);
}

void CMonitorWnd::OnDestroy() {
  if (device_ && DeviceState() == 1) device_->sequences().SendHostMode(0);
  ::KillTimer(hwnd(), kForegroundCheckTimerId);
  ::KillTimer(hwnd(), kTimerFirstRead);
  if (core_) core_->StopTimers();
  PostToWindowTitled(kOptionWindowTitle, WM_CLOSE);
  CloseOsdWindows();
  if (device_) {
    device_->StopIoThread();
    device_->Close();
  }
  if (actions_) actions_->StopMacroThread();  // also lets go of any key still held
  if (sessionNotificationRegistered_) {
    using Unregister = BOOL WINAPI(HWND);
    if (auto unregisterFn = ProcAddress<Unregister>(wtsapi_.get(), "WTSUnRegisterSessionNotification"))
      unregisterFn(hwnd());
  }
  wtsapi_.reset();
  ::CoUninitialize();
  mapping_.reset();
  blockMutex_.reset();
  tray_.SetWanted(false);
  SendDeviceStatus(false);
}

void CMonitorWnd::OnWindowGone() { ::PostQuitMessage(0); }

void CMonitorWnd::OnTimer(UINT_PTR id) {
  if (id == TrayIcon::kRetryTimerId) {
    tray_.OnRetryTimer();
  } else if (id == MonitorHostActions::kRepeatTimerId) {
    actions_->OnRepeatTimer();
  } else if (id == kForegroundCheckTimerId) {
    core_->OnForegroundCheck();
  } else if (id == kTimerFirstRead) {
    ::KillTimer(hwnd(), kTimerFirstRead);
    messenger_->PostDeviceJob(kJobReadEverything, 0);
  } else if (core_) {
    core_->OnTimer(static_cast<unsigned>(id));
  }
}

LRESULT CMonitorWnd::OnCommand(WPARAM wParam) {
  switch (LOWORD(wParam)) {
    case kCommandOpenConfiguration:
      OpenConfigurationProgram(installFolder_);
      return 0;
    case kCommandExit:
      ::PostMessageA(hwnd(), WM_CLOSE, 0, 0);
      return 0;
    default:
      return 0;
  }
}

void CMonitorWnd::OnTrayNotify(LPARAM mouseMessage) {
  switch (mouseMessage) {
    case WM_LBUTTONDOWN: {
      HWND popup = ::GetLastActivePopup(hwnd());
      if (::IsIconic(popup)) ::ShowWindow(popup, SW_RESTORE);
      ::SetForegroundWindow(popup);
      ::SetActiveWindow(popup);
      break;
    }
    case WM_LBUTTONDBLCLK:
      OpenConfigurationProgram(installFolder_);
      break;
    case WM_RBUTTONDOWN:
      ::SetForegroundWindow(::GetLastActivePopup(hwnd()));
      ShowTrayMenu(hwnd());
      break;
    default:
      break;
  }
}

void CMonitorWnd::OnApplyAll(WPARAM wParam) {
  ::OutputDebugStringA("OnApplyAllSetting\n");
  CopyIn();
  ApplyPointerSettingsOfCurrentProfile();
  ReadOsdSettings(*store_, osd_);
  ForwardOsdSettings();
  if (DeviceState() != 1) return;
  // Written here, on the window thread: the sender's SendMessage returns after the writes.
  if (wParam == 1)
    device_->sequences().RestoreFactoryDefaults();
  else
    device_->sequences().WriteChangedSettings();
  ResetLightToggle();
  SendDpiTable();
}

void CMonitorWnd::ForwardOsdSettings() {
  const auto first = static_cast<std::uint32_t>(osd_.forwardedValue1) & 0xFFFF;
  const auto second = static_cast<std::uint32_t>(osd_.forwardedValue2) & 0xFFFF;
  PostToWindowTitled(kOsdWindowTitle, WM_OSD_SETTINGS, 0, static_cast<LPARAM>(first << 16 | second));
}

LRESULT CMonitorWnd::OnCopyData(const COPYDATASTRUCT* data) {
  ::OutputDebugStringA("OnCopyData\n");
  if (data && companion_) companion_->OnDeviceRecord(data->lpData, data->cbData);
  return 1;
}

void CMonitorWnd::OnAmbientLight() {
  std::uint8_t ambient[20];
  if (!ReadCompanionAmbientData(ambient)) return;  // nothing published: nothing defined to send
  if (DeviceState() == 1) device_->sequences().SendAmbientLight(ambient);
}

bool CMonitorWnd::CopyIn() { return mapping_ && blockMutex_ && mapping_->CopyIn(*blockMutex_, *local_); }

bool CMonitorWnd::CopyOut() { return mapping_ && blockMutex_ && mapping_->CopyOut(*blockMutex_, *local_); }

void CMonitorWnd::ApplyPointerSettingsOfCurrentProfile() {
  if (ProfileRecord* profile = CurrentProfileRecord(local_->config))
    orvix::ApplyPointerSettings(*profile, mouseKey_.get(), hwnd());
}

}  // namespace orvix
