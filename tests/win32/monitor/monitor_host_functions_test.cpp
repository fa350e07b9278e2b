// Host functions end to end: a button of the virtual mouse, pressed with the control tool,
// makes the running monitor start a program, count down aloud or drive a media player.
#include <gtest/gtest.h>


#include "ButtonFunctionCodes.h"
#include "companion/CompanionRecords.h"
#include "DebugOutputListener_win.h"
#include "RunningMonitor_win.h"
#include "StandInProgram_win.h"
#include "WindowField_win.h"

namespace orvix::test {
namespace {

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
    hwnd_ = HiddenWindow("Winamp v1.x", &Procedure);
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

// A window that stands in for the companion application and records the records it is sent.
class FakeCompanion {
 public:
  struct Record {
    ULONG_PTR type;
    std::vector<std::uint8_t> bytes;
  };
  FakeCompanion() {
    hwnd_ = HiddenWindow("OrvixTestCompanion", &Procedure);
    records().clear();
  }
  ~FakeCompanion() { ::DestroyWindow(hwnd_); }
  HWND hwnd() const { return hwnd_; }
  static std::vector<Record>& records() {
    static std::vector<Record> received;
    return received;
  }
  static const Record* Find(ULONG_PTR type) {
    for (const Record& r : records())
      if (r.type == type) return &r;
    return nullptr;
  }

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
      const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
      const auto* bytes = static_cast<const std::uint8_t*>(data->lpData);
      records().push_back({data->dwData, std::vector<std::uint8_t>(bytes, bytes + data->cbData)});
      return TRUE;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
  }
  HWND hwnd_;
};

// A device record as the companion application sends it: 64 bytes.
std::vector<std::uint8_t> CompanionDeviceRecordBytes(std::uint16_t productId, const char* name) {
  std::vector<std::uint8_t> record(64, 0);
  record[0] = 0x34, record[1] = 0x12;  // its vendor id
  record[2] = static_cast<std::uint8_t>(productId), record[3] = static_cast<std::uint8_t>(productId >> 8);
  for (int i = 0; name[i] && i < 20; ++i) record[static_cast<std::size_t>(4 + 2 * i)] = static_cast<std::uint8_t>(name[i]);
  record[44] = 0x20, record[45] = 0x03;  // 800 DPI at level 0
  return record;
}

}  // namespace

using HostFunctions = MonitorWithMouse;

TEST_F(HostFunctions, QuicklaunchAndOpenDriverStartTheirPrograms) {
  const std::string game = install_.Path("Games\\Launch Me.exe");
  ASSERT_TRUE(InstallStandIn(game));
  ASSERT_TRUE(InstallStandIn(install_.Path("OrvixOneOption.exe")));
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
  AssignButton(13, [](ButtonAssignment& slot) { slot.function = kFunctionPreviousTrack; });
  for (const char* button : {"tap 9", "tap 9", "tap 10", "tap 11", "tap 13"}) {
    const std::size_t before = FakeWinamp::commands().size();
    ASSERT_EQ(Mouse(button).exitCode, 0u);
    PumpUntil([&] { return FakeWinamp::commands().size() > before; }, 5000);
  }
  // Play and pause alternate; then Next, Stop and Previous.
  EXPECT_EQ(FakeWinamp::commands(), (std::vector<WPARAM>{40045, 40046, 40048, 40047, 40044}));

  const std::string player = install_.Path("Winamp\\winamp.exe");
  ASSERT_TRUE(InstallStandIn(player));
  const WinampRegistration registration(player);
  ASSERT_TRUE(registration);
  ASSERT_EQ(Mouse("tap 12").exitCode, 0u);
  EXPECT_TRUE(WaitForStart(player, 10000)) << "the player was not started";
}

TEST_F(HostFunctions, TheCompanionApplicationIsToldOfTheMouseAndOfItsLayerButtons) {
  FakeCompanion companion;
  ASSERT_NE(companion.hwnd(), nullptr);
  // The companion application announces itself; the monitor answers with our device and DPI table.
  ::PostMessageA(window_, WM_MON_PARLY_STATUS, 6, reinterpret_cast<LPARAM>(companion.hwnd()));
  ASSERT_TRUE(PumpUntil([] { return FakeCompanion::Find(kCompanionCopyDataBase + kRecordDpiTable) != nullptr; }, 5000));
  const FakeCompanion::Record* device = FakeCompanion::Find(kCompanionCopyDataBase + kRecordDeviceConnected);
  ASSERT_NE(device, nullptr);
  ASSERT_GE(device->bytes.size(), 8u);
  EXPECT_EQ(device->bytes[0] | device->bytes[1] << 8, kOrvixOneVendorId);
  EXPECT_EQ(device->bytes[2] | device->bytes[3] << 8, kOrvixOneProductId);
  EXPECT_EQ(WindowFromField(device->bytes[4] | device->bytes[5] << 8 | device->bytes[6] << 16 |
                            static_cast<std::uint32_t>(device->bytes[7]) << 24),
            window_);

  // A layer button for companion device 0x0BEE reports press to the companion application.
  AssignButton(9, [](ButtonAssignment& slot) {
    slot.function = kFunctionAltlayerDevice;
    slot.companionDevice = 0x0BEE;
  });
  ASSERT_EQ(Mouse("tap 9").exitCode, 0u);
  ASSERT_TRUE(PumpUntil([] { return FakeCompanion::Find(kCompanionCopyDataBase + 245) != nullptr; }, 5000));
  const std::vector<std::uint8_t>& layer = FakeCompanion::Find(kCompanionCopyDataBase + 245)->bytes;
  ASSERT_EQ(layer.size(), 10u);
  EXPECT_EQ(layer[4], 245);
  EXPECT_EQ(layer[7] | layer[8] << 8, 0x0BEE);
  EXPECT_EQ(layer[9], 0);  // a press

  // Device records from the companion application: exactly 64 bytes are taken.
  const auto send = [&](const std::vector<std::uint8_t>& bytes) {
    COPYDATASTRUCT data{0, static_cast<DWORD>(bytes.size()), const_cast<std::uint8_t*>(bytes.data())};
    ::SendMessageA(window_, WM_COPYDATA, reinterpret_cast<WPARAM>(companion.hwnd()), reinterpret_cast<LPARAM>(&data));
  };
  std::vector<std::uint8_t> tooShort = CompanionDeviceRecordBytes(0x0BEF, "Short Pad");
  tooShort.pop_back();
  send(tooShort);
  send(CompanionDeviceRecordBytes(0x0BEE, "Parly Keys"));
  ASSERT_TRUE(option_.WaitFor(WM_OPT_PARLY_DEVICES_CHANGED, 5000));
  PumpFor(200);
  EXPECT_EQ(option_.Count(WM_OPT_PARLY_DEVICES_CHANGED), 1);
  const std::string list = install_.Path("DeviceInfo.ini");
  char name[64] = {};
  ::GetPrivateProfileStringA("Device0", "Name", "", name, sizeof name, list.c_str());
  EXPECT_STREQ(name, "Parly Keys");
  EXPECT_EQ(::GetPrivateProfileIntA("Device0", "PID", 0, list.c_str()), 0x0BEEu);
  EXPECT_EQ(::GetPrivateProfileIntA("Device0", "CPI 0", 0, list.c_str()), 800u);
  EXPECT_EQ(::GetPrivateProfileIntA("Setting", "Count", 0, list.c_str()), 1u);
}

}  // namespace orvix::test
