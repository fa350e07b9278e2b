#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include "FakeShellTray_win.h"
#include "Messages.h"
#include "RunningMonitor_win.h"

namespace orvix::test {
namespace {

constexpr UINT kIconId = 102;

void AnnounceNewShell(HWND monitor) { ::PostMessageA(monitor, ::RegisterWindowMessageA("TaskbarCreated"), 0, 0); }

}  // namespace

// The monitor's icon as a shell sees it: given again to a restarted shell, its callback
// opening the configuration program, and taken away when the monitor ends.
using MonitorTray = RunningMonitor;

TEST_F(MonitorTray, IconReturnsToANewShellOpensTheConfigurationAndLeavesAtExit) {
  FakeShellTray tray;
  // The monitor's Shell_NotifyIcon must reach the stand-in, not Wine's own tray.
  ASSERT_EQ(::FindWindowA("Shell_TrayWnd", nullptr), tray.hwnd());

  // While Wine's shell is still starting the monitor's first add may have failed, and
  // its retries then reach the stand-in as well. Once the stand-in holds the icon there
  // are no more retries: an add after the next announcement is the monitor's answer to it.
  AnnounceNewShell(window_);
  ASSERT_TRUE(tray.WaitFor(NIM_ADD, kIconId, 15000).has_value());
  tray.Clear();
  AnnounceNewShell(window_);
  const auto added = tray.WaitFor(NIM_ADD, kIconId, 15000);
  ASSERT_TRUE(added.has_value());
  EXPECT_EQ(added->owner, window_);
  EXPECT_EQ(added->callbackMessage, WM_MON_TRAY_NOTIFY);
  EXPECT_EQ(added->flags & (NIF_MESSAGE | NIF_ICON | NIF_TIP), UINT{NIF_MESSAGE | NIF_ICON | NIF_TIP});
  EXPECT_EQ(added->tip, L"NORVEL Orvix One");

  // A double click on the icon while the configuration program is minimised restores it
  // and brings it to the front.
  ::ShowWindow(option_.hwnd(), SW_MINIMIZE);
  ASSERT_TRUE(::IsIconic(option_.hwnd()));
  ::PostMessageA(added->owner, added->callbackMessage, added->id, WM_LBUTTONDBLCLK);
  EXPECT_TRUE(PumpUntil([&] { return !::IsIconic(option_.hwnd()); }, 10000));
  EXPECT_TRUE(::IsWindowVisible(option_.hwnd()));
  EXPECT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == option_.hwnd(); }, 10000));

  ASSERT_TRUE(monitor_->Close(15000));  // pumps: the removal is sent while the monitor ends
  const auto deleted = tray.Find(NIM_DELETE, kIconId);
  ASSERT_TRUE(deleted.has_value());
  EXPECT_EQ(deleted->owner, window_);
}

}  // namespace orvix::test
