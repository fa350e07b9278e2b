// Game profiles through the real monitor: bringing a program named in a profile to the
// front makes that profile current, in the block, for the configuration program and in
// the mouse; leaving it returns to the Windows profile unless the configuration program
// is open.
#include <gtest/gtest.h>

#include <cstdio>

#include "RunningMonitor_win.h"
#include "WinHandles.h"

namespace orvix::test {
namespace {

// This test program's file name, in upper case and in a folder it is not in.
std::string OwnNameElsewhere() {
  char path[MAX_PATH] = {};
  const DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string name = std::string(path, n < MAX_PATH ? n : 0);
  name = name.substr(name.find_last_of('\\') + 1);
  for (char& c : name) c = static_cast<char>(::toupper(static_cast<unsigned char>(c)));
  return "  C:\\Games\\Some Game\\" + name + " ";  // blanks around it are ignored
}

HWND FrontWindow() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = &::DefWindowProcA;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.lpszClassName = "OrvixTestGame";
  ::RegisterClassA(&wc);
  HWND window = ::CreateWindowA(wc.lpszClassName, "game", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 200, nullptr,
                                nullptr, wc.hInstance, nullptr);
  ::SetForegroundWindow(window);
  return window;
}

// Another program's window in front: Wine's notepad. Ended with the object.
class OtherProgramInFront {
 public:
  OtherProgramInFront() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    char commandLine[] = "notepad.exe";
    if (!::CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) return;
    process_.reset(info.hProcess);
    ::CloseHandle(info.hThread);
    ::WaitForInputIdle(process_.get(), 10000);
  }
  ~OtherProgramInFront() {
    if (process_) ::TerminateProcess(process_.get(), 0);
  }
  bool InFront() const {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(::GetForegroundWindow(), &owner);
    return process_ && owner == ::GetProcessId(process_.get());
  }

 private:
  KernelHandle process_;
};

}  // namespace

using GameProfiles = MonitorWithMouse;

TEST_F(GameProfiles, AGameInFrontSelectsItsProfileAndLeavingItReturnsToTheWindowsProfile) {
  {
    auto block = Block();
    ASSERT_NE(block->config.CurrentProfile, 2);
    std::snprintf(block->config.profiles[2].GameFile0, sizeof block->config.profiles[2].GameFile0, "%s",
                  OwnNameElsewhere().c_str());
    block->config.WindowsProfile = block->config.CurrentProfile;
    block->flags = ChangeFlags{};
    ASSERT_TRUE(client_.CopyOut(*block));
    ::SendMessageA(window_, WM_MON_RELOAD_SHARED, 0, 0);
  }
  const int windowsProfile = Block()->config.WindowsProfile;

  HWND game = FrontWindow();
  ASSERT_NE(game, nullptr);
  ASSERT_TRUE(option_.WaitFor(WM_OPT_PROFILE_CHANGED, 10000));  // the check runs every 2 s
  EXPECT_EQ(Block()->config.CurrentProfile, 2);
  EXPECT_NE(Mouse("dump").output.find("current profile: 2"), std::string::npos);

  // Leaving the game while the configuration program is open keeps the game's profile.
  OtherProgramInFront other;
  ASSERT_TRUE(other.InFront()) << "another program could not be brought to the front";
  PumpFor(5000);
  EXPECT_EQ(Block()->config.CurrentProfile, 2);

  // Once it is closed, the Windows profile returns.
  option_.Destroy();
  EXPECT_TRUE(PumpUntil([&] { return Block()->config.CurrentProfile == windowsProfile; }, 10000));
  EXPECT_NE(Mouse("dump").output.find("current profile: " + std::to_string(windowsProfile)), std::string::npos);
  ::DestroyWindow(game);
}

}  // namespace orvix::test
