// A stand-in for the shell's notification area: a window of the shell tray's class that
// records the icon commands Shell_NotifyIcon delivers to it as WM_COPYDATA. Created after
// the monitor started, it is first in the z-order, so the monitor's shell finds it before
// the real tray.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace orvix::test {

// One icon command, with the fields the shell passed on.
struct TrayCommand {
  DWORD command = 0;  // NIM_ADD, NIM_MODIFY, NIM_DELETE…
  HWND owner = nullptr;
  UINT id = 0;
  UINT flags = 0;
  UINT callbackMessage = 0;
  std::wstring tip;
};

class FakeShellTray {
 public:
  FakeShellTray();
  ~FakeShellTray();
  FakeShellTray(const FakeShellTray&) = delete;
  FakeShellTray& operator=(const FakeShellTray&) = delete;

  HWND hwnd() const { return hwnd_; }
  void Clear() { received_.clear(); }
  // Pumps this thread's messages until a command of that kind for that icon id has
  // arrived, or the time is up.
  std::optional<TrayCommand> WaitFor(DWORD command, UINT id, DWORD timeoutMs);
  std::optional<TrayCommand> Find(DWORD command, UINT id) const;

 private:
  static LRESULT CALLBACK Procedure(HWND, UINT, WPARAM, LPARAM);
  HWND hwnd_ = nullptr;
  std::vector<TrayCommand> received_;
};

}  // namespace orvix::test
