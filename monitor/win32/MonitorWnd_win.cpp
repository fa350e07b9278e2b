#include "MonitorWnd_win.h"

#include <commctrl.h>
#include <objbase.h>

#include <cstring>

#include "Launcher_win.h"
#include "Messages.h"
#include "PointerSettings_win.h"
#include "ProcAddress_win.h"

namespace orvix {
namespace {

constexpr char kWindowClass[] = "OrvixOneMonitorWnd";

std::string ModuleFolder() {
  char path[MAX_PATH] = {};
  const DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return {};
  std::string folder(path, n);
  const auto slash = folder.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

// Timers of the main window.
constexpr UINT_PTR kTimerForegroundCheck = 500;
constexpr UINT_PTR kTimerFirstRead = 502;

}  // namespace

CMonitorWnd::CMonitorWnd(bool openConfiguration)
    : openConfiguration_(openConfiguration), local_(std::make_unique<SharedDataBlock>()) {
  std::memset(local_.get(), 0, sizeof *local_);
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
    case WM_MON_PARLY_STATUS:
      if (companion_)
        companion_->OnStatus(StatusChannel::kStatusMessage, static_cast<unsigned>(wParam), lParam,
                             CurrentProfileRecord(local_->config));
      return 0;
    case WM_COMMAND:
      return OnCommand(wParam);
    case WM_MON_TRAY_NOTIFY:
      OnTrayNotify(lParam);
      return 0;
    case WM_MON_APPLY_ALL:
      CopyIn();
      ApplyPointerSettingsOfCurrentProfile();
      return 0;
    case WM_MON_RELOAD_SHARED:
    case WM_MON_RELOAD_SHARED_OLD:
      CopyIn();
      return 0;
    case WM_MON_RELOAD_POINTER:
      CopyIn();
      ApplyPointerSettingsOfCurrentProfile();
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

  companionPorts_ = std::make_unique<CompanionWindowPorts>(
      hwnd(), CompanionWindowPorts::Hooks{
                  .sendLightReport = nullptr,
                  .updateTrayIcon = [this] { UpdateTrayIcon(); },
                  .saveDeviceList = nullptr,
              });
  companion_ = std::make_unique<CompanionLink>(*companionPorts_,
                                               static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(hwnd())));

  installFolder_ = ModuleFolder();
  configPath_ = installFolder_ + "config.ini";
  lightDatabasePath_ = installFolder_ + "LightEffectColorDatabase.bin";

  // Session notification: registered so that the session's messages reach us; none is handled.
  wtsapi_.reset(::LoadLibraryA("wtsapi32.dll"));
  if (wtsapi_) {
    using Register = BOOL WINAPI(HWND, DWORD);
    if (auto registerFn = ProcAddress<Register>(wtsapi_.get(), "WTSRegisterSessionNotification")) {
      for (int attempt = 0; attempt < 10 && !sessionNotificationRegistered_; ++attempt) {
        sessionNotificationRegistered_ = registerFn(hwnd(), 0) != FALSE;
        if (!sessionNotificationRegistered_) ::Sleep(1000);
      }
    }
  }

  HKEY mouse = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Mouse", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &mouse,
                        nullptr) == ERROR_SUCCESS)
    mouseKey_.reset(mouse);

  // A second monitor (the block mutex exists) must not start.
  blockMutex_ = SharedBlockMutex::Create();
  if (!blockMutex_) return -1;
  mapping_ = SharedBlockMapping::Create();
  if (mapping_) CopyOut();

  macroThread_.Start([](UINT, WPARAM, LPARAM) {});

  ::SetWindowLongPtrA(hwnd(), GWL_EXSTYLE, ::GetWindowLongPtrA(hwnd(), GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
  tray_.Attach(hwnd());

  ApplyPointerSettingsOfCurrentProfile();
  StartOsdProgram(installFolder_);
  return 0;
}

void CMonitorWnd::OnDestroy() {
  for (UINT_PTR id : {kTimerForegroundCheck, kTimerFirstRead}) ::KillTimer(hwnd(), id);
  PostToWindowTitled(kOptionWindowTitle, WM_CLOSE);
  CloseOsdWindows();
  macroThread_.Stop(1000);
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
}

void CMonitorWnd::OnWindowGone() { ::PostQuitMessage(0); }

void CMonitorWnd::OnTimer(UINT_PTR id) {
  if (id == TrayIcon::kRetryTimerId) tray_.OnRetryTimer();
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

bool CMonitorWnd::CopyIn() { return mapping_ && blockMutex_ && mapping_->CopyIn(*blockMutex_, *local_); }

bool CMonitorWnd::CopyOut() { return mapping_ && blockMutex_ && mapping_->CopyOut(*blockMutex_, *local_); }

void CMonitorWnd::UpdateTrayIcon() { tray_.SetWanted(deviceState_ == 1 && !(companion_ && companion_->takeover())); }

LRESULT CMonitorWnd::OnCopyData(const COPYDATASTRUCT* data) {
  ::OutputDebugStringA("OnCopyData\n");
  if (data && companion_) companion_->OnDeviceRecord(data->lpData, data->cbData);
  return 1;
}

void CMonitorWnd::OnAmbientLight() {
  std::uint8_t ambient[20];
  if (!ReadCompanionAmbientData(ambient)) return;  // nothing published: nothing defined to send
}

void CMonitorWnd::ApplyPointerSettingsOfCurrentProfile() {
  if (ProfileRecord* profile = CurrentProfileRecord(local_->config))
    ApplyPointerSettings(*profile, mouseKey_.get(), hwnd());
}

}  // namespace orvix
