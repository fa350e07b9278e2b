// Host functions end to end: a button of the virtual mouse, pressed with the control tool,
// makes the running monitor start a program, count down aloud or drive a media player.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "ButtonFunctionCodes.h"
#include "DebugOutputListener_win.h"
#include "RunningMonitor_win.h"

namespace orvix::test {
namespace {

// The stand-in program, built beside the test programs.
std::string StartedProgramPath() {
  char path[MAX_PATH] = {};
  const DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string self(path, n < MAX_PATH ? n : 0);
  return self.substr(0, self.find_last_of('\\') + 1) + "started_program.exe";
}

// Copies the stand-in to `path`; its note of having run is "<path>.started".
void InstallStandIn(const std::string& path) {
  ::CreateDirectoryA(path.substr(0, path.find_last_of('\\')).c_str(), nullptr);
  ASSERT_TRUE(::CopyFileA(StartedProgramPath().c_str(), path.c_str(), FALSE)) << path;
}

// The command line the stand-in at `path` noted, once it has run.
std::optional<std::string> WaitForStart(const std::string& path, DWORD timeoutMs) {
  const DWORD start = ::GetTickCount();
  do {
    std::ifstream note(path + ".started");
    std::stringstream text;
    if (note && (text << note.rdbuf()) && !text.str().empty()) return text.str();
    PumpFor(50);
  } while (::GetTickCount() - start < timeoutMs);
  return std::nullopt;
}

// The feedback sounds the monitor played, by file name, in order.
std::vector<std::string> SoundsOf(const DebugOutputListener& listener) {
  std::vector<std::string> sounds;
  for (const std::string& rest : listener.LinesStartingWith("PlayFeedbackSound "))
    sounds.push_back(rest.substr(0, rest.find(' ')));
  return sounds;
}

// A window that stands in for Winamp's main window and records its commands.
class FakeWinamp {
 public:
  FakeWinamp() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &Procedure;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "Winamp v1.x";
    ::RegisterClassA(&wc);
    hwnd_ = ::CreateWindowA(wc.lpszClassName, "Winamp", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
    commands().clear();
  }
  ~FakeWinamp() { ::DestroyWindow(hwnd_); }
  explicit operator bool() const { return hwnd_ != nullptr; }
  static std::vector<WPARAM>& commands() {
    static std::vector<WPARAM> received;
    return received;
  }

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) commands().push_back(wParam);
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
  }
  HWND hwnd_;
};

// Winamp's open command in the machine's file classes, removed again at the end.
class WinampRegistration {
 public:
  explicit WinampRegistration(const std::string& program) {
    const std::string command = "\"" + program + "\" \"%1\"";
    ok_ = ::RegSetKeyValueA(HKEY_LOCAL_MACHINE, kKey, nullptr, REG_SZ, command.c_str(),
                            static_cast<DWORD>(command.size() + 1)) == ERROR_SUCCESS;
  }
  ~WinampRegistration() { ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes\\Winamp.File"); }
  explicit operator bool() const { return ok_; }

 private:
  static constexpr char kKey[] = "SOFTWARE\\Classes\\Winamp.File\\shell\\open\\command";
  bool ok_;
};

}  // namespace

using HostFunctions = MonitorWithMouse;

TEST_F(HostFunctions, QuicklaunchAndOpenDriverStartTheirPrograms) {
  const std::string game = install_.Path("Games\\Launch Me.exe");
  InstallStandIn(game);
  InstallStandIn(install_.Path("OrvixOneOption.exe"));
  AssignButton(9, [&](ButtonAssignment& slot) {
    slot.function = kFunctionQuicklaunch;
    std::snprintf(slot.programPath, sizeof slot.programPath, "%s", game.c_str());
  });
  AssignButton(10, [](ButtonAssignment& slot) { slot.function = kFunctionOpenDriver; });

  ASSERT_EQ(Mouse("tap 9").exitCode, 0u);
  EXPECT_TRUE(WaitForStart(game, 10000)) << "the quick-launch program was not started";

  option_.Destroy();  // the configuration program is not running: Open Driver starts it
  ASSERT_EQ(Mouse("tap 10").exitCode, 0u);
  const auto option = WaitForStart(install_.Path("OrvixOneOption.exe"), 10000);
  ASSERT_TRUE(option) << "the configuration program was not started";
  EXPECT_NE(option->find("OrvixOneOption.exe"), std::string::npos);
}

TEST_F(HostFunctions, ATimerCountsDownAloudAndStopTimerSilencesIt) {
  DebugOutputListener listener;
  DWORD monitorProcess = 0;
  ::GetWindowThreadProcessId(window_, &monitorProcess);
  listener.KeepProcess(monitorProcess);
  AssignButton(9, [](ButtonAssignment& slot) {
    slot.function = kFunctionTimer;
    slot.timerSeconds = 3;
  });
  AssignButton(10, [](ButtonAssignment& slot) { slot.function = kFunctionStopTimer; });

  ASSERT_EQ(Mouse("tap 9").exitCode, 0u);
  const std::vector<std::string> countdown{"timer_activated.wav", "2_seconds.wav", "1_second.wav", "go.wav"};
  EXPECT_TRUE(listener.WaitUntil([&](auto&) { return SoundsOf(listener).size() >= countdown.size(); }, 15000));
  EXPECT_EQ(SoundsOf(listener), countdown);

  AssignButton(9, [](ButtonAssignment& slot) { slot.timerSeconds = 10; });
  const std::size_t before = SoundsOf(listener).size();
  ASSERT_EQ(Mouse("tap 9").exitCode, 0u);
  ASSERT_EQ(Mouse("tap 10").exitCode, 0u);
  EXPECT_TRUE(listener.WaitUntil([&](auto&) { return SoundsOf(listener).size() >= before + 3; }, 10000));
  PumpFor(2500);  // a running countdown would have spoken again by now
  const std::vector<std::string> all = SoundsOf(listener);
  EXPECT_EQ(std::vector<std::string>(all.begin() + static_cast<std::ptrdiff_t>(before), all.end()),
            (std::vector<std::string>{"timer_activated.wav", "10_seconds.wav", "timer_stopped.wav"}));
}

TEST_F(HostFunctions, MediaButtonsDriveTheChosenPlayer) {
  auto block = Block();
  const int p = block->config.CurrentProfile;
  ASSERT_TRUE(p >= 0 && p < kProfiles);
  block->config.profiles[p].MediaOption = 3;  // Winamp
  block->flags = ChangeFlags{};
  block->flags.settings[p] = 1;
  ASSERT_TRUE(client_.CopyOut(*block));
  ::SendMessageA(window_, WM_MON_APPLY_ALL, 0, 0);
  AssignButton(9, [](ButtonAssignment& slot) { slot.function = kFunctionPlayPause; });
  AssignButton(10, [](ButtonAssignment& slot) { slot.function = kFunctionNextTrack; });
  AssignButton(11, [](ButtonAssignment& slot) { slot.function = kFunctionStop; });
  AssignButton(12, [](ButtonAssignment& slot) { slot.function = kFunctionOpenPlayer; });

  FakeWinamp winamp;
  ASSERT_TRUE(winamp);
  for (const char* button : {"tap 9", "tap 9", "tap 10", "tap 11"}) {
    const std::size_t before = FakeWinamp::commands().size();
    ASSERT_EQ(Mouse(button).exitCode, 0u);
    const DWORD start = ::GetTickCount();
    while (FakeWinamp::commands().size() == before && ::GetTickCount() - start < 5000) PumpFor(20);
  }
  // Play and pause alternate; then Next and Stop.
  EXPECT_EQ(FakeWinamp::commands(), (std::vector<WPARAM>{40045, 40046, 40048, 40047}));

  const std::string player = install_.Path("Winamp\\winamp.exe");
  InstallStandIn(player);
  const WinampRegistration registration(player);
  ASSERT_TRUE(registration);
  ASSERT_EQ(Mouse("tap 12").exitCode, 0u);
  EXPECT_TRUE(WaitForStart(player, 10000)) << "the player was not started";
}

}  // namespace orvix::test
