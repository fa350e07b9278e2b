#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "ButtonFunctionCodes.h"
#include "InputRecorder_win.h"
#include "Messages.h"
#include "RunningMonitor_win.h"

namespace orvix::test {
namespace {

std::vector<WPARAM> scrolls;

LRESULT CALLBACK ScrollRecorder(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HSCROLL) scrolls.push_back(wParam);
  return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

TEST_F(MonitorWithMouse, AnAppliedDpiLevelEndsUpInTheMouse) {
  auto block = Block();
  block->config.profiles[1].CpiLevel_X[2] = 20;  // 4000 DPI
  block->flags = ChangeFlags{};
  block->flags.settings[1] = 1;
  ASSERT_TRUE(client_.CopyOut(*block));
  ::SendMessageA(window_, WM_MON_APPLY_ALL, 0, 0);  // returns after the writes

  const ProgramResult dump = Mouse("dump");
  ASSERT_EQ(dump.exitCode, 0u) << dump.output;
  const auto profile1 = dump.output.find("profile 1");
  ASSERT_NE(profile1, std::string::npos);
  EXPECT_NE(dump.output.find("dpi levels: 800 1600 4000", profile1), std::string::npos) << dump.output;
  EXPECT_NE(dump.output.find("host mode: 1"), std::string::npos);
}

TEST_F(MonitorWithMouse, ButtonsPressedOnTheMouseAreMirroredAndAnnounced) {
  const int current = Block()->config.CurrentProfile;
  ASSERT_GE(current, 0);
  ASSERT_EQ(Mouse("tap 7").exitCode, 0u);  // DPI Up
  ASSERT_TRUE(option_.WaitFor(WM_OPT_LEVEL_CHANGED, 5000));
  EXPECT_EQ(Block()->config.profiles[current].Cpi_X, 1);

  EXPECT_NE(Mouse("tap 21").exitCode, 0u);  // no such button: refused, nothing happens
  ASSERT_EQ(Mouse("tap 16").exitCode, 0u);  // Profile Up
  ASSERT_TRUE(option_.WaitFor(WM_OPT_PROFILE_CHANGED, 5000));
  EXPECT_EQ(Block()->config.CurrentProfile, (current + 1) % 5);
  EXPECT_EQ(ConfigInt("CurrentProfile"), (current + 1) % 5);
}

TEST_F(MonitorWithMouse, UnpluggingClosesTheConfigurationProgramAndReplugReadsAgain) {
  EXPECT_EQ(ConfigInt("Device"), 1);
  ASSERT_EQ(Mouse("unplug").exitCode, 0u);
  ASSERT_TRUE(option_.WaitFor(WM_CLOSE, 5000));
  EXPECT_EQ(ConfigInt("Device"), 0);
  option_.Clear();
  ASSERT_EQ(Mouse("replug").exitCode, 0u);
  ASSERT_TRUE(option_.WaitFor(WM_OPT_DEVICE_READ_DONE, 60000));  // about 2 s later, a new full read
  EXPECT_EQ(ConfigInt("Device"), 1);
  EXPECT_FALSE(monitor_->HasExited());
}

TEST_F(MonitorWithMouse, MacroAndShortcutButtonsPressKeysOnTheHost) {
  auto block = Block();
  const int p = block->config.CurrentProfile;
  ASSERT_GE(p, 0);
  ButtonAssignment& macro = block->config.profiles[p].MacroKeyInfo[12];  // device button 9
  macro.function = kFunctionMacro;
  macro.loopCount = 2;
  macro.eventCount = 2;
  macro.events[0] = {5, kKeyPress, 10};    // B
  macro.events[1] = {5, kKeyRelease, 10};
  ButtonAssignment& shortcut = block->config.profiles[p].MacroKeyInfo[13];  // device button 10
  shortcut.function = kFunctionShortcut;
  shortcut.eventCount = 1;
  shortcut.events[0] = {6, kModifierCtrl, 0};  // Ctrl+C
  block->flags = ChangeFlags{};
  block->flags.button[p][12] = 1;
  block->flags.button[p][13] = 1;
  ASSERT_TRUE(client_.CopyOut(*block));
  ::SendMessageA(window_, WM_MON_APPLY_ALL, 0, 0);

  InputRecorder recorder;
  ASSERT_EQ(Mouse("tap 9").exitCode, 0u);
  ASSERT_TRUE(recorder.PumpUntil([&] { return recorder.events().size() >= 4; }, 10000));
  EXPECT_EQ(recorder.Names(), (std::vector<std::string>{"42+", "42-", "42+", "42-"}));

  ASSERT_EQ(Mouse("press 10").exitCode, 0u);
  ASSERT_TRUE(recorder.PumpUntil([&] { return recorder.events().size() >= 6; }, 10000));
  ASSERT_EQ(Mouse("release 10").exitCode, 0u);
  ASSERT_TRUE(recorder.PumpUntil([&] { return recorder.Names().back() == "11-"; }, 10000));
  const auto names = recorder.Names();
  ASSERT_GE(names.size(), 8u);
  EXPECT_EQ(names[4], "11+");
  EXPECT_EQ(names[5], "43+");
  EXPECT_EQ(names[names.size() - 2], "43-");  // repeats, if any, come in between
}

TEST_F(MonitorWithMouse, ATiltScrollsTheWindowUnderTheCursor) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = &ScrollRecorder;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.lpszClassName = "OrvixTiltTarget";
  ::RegisterClassA(&wc);
  HWND target = ::CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "tilt target", WS_POPUP | WS_VISIBLE | WS_HSCROLL,
                                  200, 200, 300, 200, nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(target, nullptr);
  ::SetCursorPos(350, 300);
  PumpFor(50);
  scrolls.clear();
  const int tiltSpeed = [&] {
    auto block = Block();
    return block->config.profiles[block->config.CurrentProfile].TiltSpeed;
  }();
  ASSERT_GT(tiltSpeed, 0);
  ASSERT_EQ(Mouse("event 0x1000 255").exitCode, 0u);  // tilt to the left
  const DWORD start = ::GetTickCount();
  while (static_cast<int>(scrolls.size()) < tiltSpeed && ::GetTickCount() - start < 5000) PumpFor(20);
  EXPECT_EQ(scrolls, std::vector<WPARAM>(static_cast<std::size_t>(tiltSpeed), SB_LINELEFT));
  ::DestroyWindow(target);
}

TEST_F(MonitorWithMouse, ShutDownLeavesTheMouseOutOfHostMode) {
  EXPECT_NE(Mouse("dump").output.find("host mode: 1"), std::string::npos);
  ASSERT_TRUE(monitor_->Close(15000));
  EXPECT_EQ(MemoryFile().state.hostMode, 0);
}

TEST_F(MonitorWithMouse, AHostileBlockIsSurvivedAndNeverReachesTheMouse) {
  auto block = Block();
  const int current = block->config.CurrentProfile;
  block->config.CurrentProfile = 7;
  block->config.WindowsProfile = 99;
  for (ProfileRecord& profile : block->config.profiles) {
    profile.SoundVolume = 1000;
    profile.Cpi_X = -5;
    profile.TiltSpeed = 1000000;
  }
  std::memset(&block->flags, 0xFF, sizeof block->flags);
  ASSERT_TRUE(client_.CopyOut(*block));
  for (UINT message : {WM_MON_APPLY_ALL, WM_MON_RELOAD_SHARED, WM_MON_RELOAD_POINTER})
    ::SendMessageA(window_, message, 0, 0);
  ASSERT_EQ(Mouse("tap 7").exitCode, 0u);  // DPI Up with no valid current profile in the block
  ASSERT_EQ(Mouse("event 0x1000 255").exitCode, 0u);
  PumpFor(1000);

  EXPECT_FALSE(monitor_->HasExited());
  const ProgramResult dump = Mouse("dump");
  EXPECT_NE(dump.output.find("current profile: " + std::to_string(current)), std::string::npos) << dump.output;
  // The monitor still answers, and a sane block is taken again.
  block->config.CurrentProfile = current;
  block->flags = ChangeFlags{};
  ASSERT_TRUE(client_.CopyOut(*block));
  ::SendMessageA(window_, WM_MON_RELOAD_SHARED, 0, 0);
  EXPECT_EQ(Block()->config.CurrentProfile, current);
}

}  // namespace orvix::test
