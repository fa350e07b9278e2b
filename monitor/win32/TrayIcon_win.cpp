#include "TrayIcon_win.h"

#include <shellapi.h>

#include <cstring>

#include "Messages.h"

namespace orvix {
namespace {

constexpr char kTip[] = "NORVEL Orvix One";

NOTIFYICONDATAA IconData(HWND owner) {
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof data;
  data.hWnd = owner;
  data.uID = TrayIcon::kIconId;
  return data;
}

}  // namespace

void TrayIcon::Attach(HWND owner) {
  owner_ = owner;
  taskbarCreated_ = ::RegisterWindowMessageA("TaskbarCreated");
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  SHFILEINFOA info{};
  if (::SHGetFileInfoA(path, 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON)) icon_.reset(info.hIcon);
}

void TrayIcon::SetWanted(bool wanted) {
  wanted_ = wanted;
  if (wanted && !shown_) {
    if (!Add()) ScheduleRetry();
  } else if (!wanted && shown_) {
    Remove();
  }
  if (!wanted) ::KillTimer(owner_, kRetryTimerId);
}

void TrayIcon::OnTaskbarCreated() {
  shown_ = false;  // the new shell has no icon of ours
  retries_ = 0;
  if (wanted_ && !Add()) ScheduleRetry();
}

void TrayIcon::OnRetryTimer() {
  if (!wanted_ || shown_ || Add() || ++retries_ >= kMostRetries) ::KillTimer(owner_, kRetryTimerId);
}

bool TrayIcon::Add() {
  if (!owner_) return false;
  NOTIFYICONDATAA data = IconData(owner_);
  data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  data.uCallbackMessage = WM_MON_TRAY_NOTIFY;
  data.hIcon = icon_ ? icon_.get() : ::LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  std::strncpy(data.szTip, kTip, sizeof data.szTip - 1);
  shown_ = ::Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
  return shown_;
}

void TrayIcon::Remove() {
  NOTIFYICONDATAA data = IconData(owner_);
  ::Shell_NotifyIconA(NIM_DELETE, &data);
  shown_ = false;
}

void TrayIcon::ScheduleRetry() {
  if (retries_ < kMostRetries) ::SetTimer(owner_, kRetryTimerId, kRetryPeriodMs, nullptr);
}

void ShowTrayMenu(HWND owner) {
  MenuHandle menu(::CreatePopupMenu());
  if (!menu) return;
  ::AppendMenuA(menu.get(), MF_STRING, kCommandOpenConfiguration, "Configuration");
  ::AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
  ::AppendMenuA(menu.get(), MF_STRING, kCommandExit, "Exit");
  ::SetMenuDefaultItem(menu.get(), kCommandOpenConfiguration, FALSE);
  POINT cursor{};
  ::GetCursorPos(&cursor);
  // Without the foreground the menu would not close when the user clicks elsewhere.
  ::SetForegroundWindow(owner);
  ::TrackPopupMenu(menu.get(), TPM_LEFTBUTTON, cursor.x, cursor.y, 0, owner, nullptr);
  ::PostMessageA(owner, WM_NULL, 0, 0);
}

}  // namespace orvix
