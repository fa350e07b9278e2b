#include "FakeShellTray_win.h"

#include <cstddef>
#include <cstring>
#include <stdexcept>

#include "MonitorHarness_win.h"
#include "WindowField_win.h"

namespace orvix::test {
namespace {

constexpr char kShellTrayClass[] = "Shell_TrayWnd";
constexpr std::size_t kTipChars = 128;

// Windows: a signature and the command ahead of a NOTIFYICONDATAW with 32-bit handles.
constexpr DWORD kWindowsTraySignature = 0x34753423;
struct WindowsTrayRecord {
  DWORD signature;
  DWORD command;
  DWORD cbSize;
  DWORD hWnd;
  UINT uID;
  UINT uFlags;
  UINT uCallbackMessage;
  DWORD hIcon;
  WCHAR szTip[kTipChars];
};

// Wine: its own platform-independent record, the command in dwData.
struct WineTrayRecord {
  LONG hWnd;
  UINT uID;
  UINT uFlags;
  UINT uCallbackMessage;
  WCHAR szTip[kTipChars];
};

std::wstring Tip(const WCHAR (&tip)[kTipChars]) { return std::wstring(tip, ::wcsnlen(tip, kTipChars)); }

template <typename Record>
std::optional<Record> ReadRecord(const COPYDATASTRUCT& data) {
  if (!data.lpData || data.cbData < sizeof(Record)) return std::nullopt;
  Record record;
  std::memcpy(&record, data.lpData, sizeof record);
  return record;
}

// The record of a WM_COPYDATA sent to the tray: Windows' own layout when its signature is
// there, else Wine's. Nothing when the data is too short for either.
std::optional<TrayCommand> DecodeTrayCopyData(const COPYDATASTRUCT& data) {
  if (const auto windows = ReadRecord<WindowsTrayRecord>(data); windows && windows->signature == kWindowsTraySignature)
    return TrayCommand{windows->command, WindowFromField(windows->hWnd), windows->uID, windows->uFlags,
                       windows->uCallbackMessage, Tip(windows->szTip)};
  if (const auto wine = ReadRecord<WineTrayRecord>(data))
    return TrayCommand{static_cast<DWORD>(data.dwData), WindowFromField(static_cast<DWORD>(wine->hWnd)), wine->uID,
                       wine->uFlags, wine->uCallbackMessage, Tip(wine->szTip)};
  return std::nullopt;
}

}  // namespace

FakeShellTray::FakeShellTray() {
  hwnd_ = HiddenWindow(kShellTrayClass, &FakeShellTray::Procedure);
  if (!hwnd_) throw std::runtime_error("cannot create the tray stand-in");
  ::SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

FakeShellTray::~FakeShellTray() {
  ::SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
  ::DestroyWindow(hwnd_);
}

LRESULT CALLBACK FakeShellTray::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<FakeShellTray*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self && message == WM_COPYDATA) {
    const auto command = DecodeTrayCopyData(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    if (!command) return FALSE;
    self->received_.push_back(*command);
    return TRUE;  // Shell_NotifyIcon's result
  }
  return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

std::optional<TrayCommand> FakeShellTray::WaitFor(DWORD command, UINT id, DWORD timeoutMs) {
  PumpUntil([&] { return Find(command, id).has_value(); }, timeoutMs);
  return Find(command, id);
}

std::optional<TrayCommand> FakeShellTray::Find(DWORD command, UINT id) const {
  for (const TrayCommand& received : received_)
    if (received.command == command && received.id == id) return received;
  return std::nullopt;
}

}  // namespace orvix::test
