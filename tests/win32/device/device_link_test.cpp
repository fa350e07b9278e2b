#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "ButtonFunctionCodes.h"
#include "ButtonSlots.h"
#include "Messages.h"
#include "VirtualMouseFolder_win.h"
#include "device/MonitorDevice_win.h"

namespace orvix::test {
namespace {

// What the monitor's window would get from the library.
struct PostedMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
std::vector<PostedMessage> g_posted;

LRESULT CALLBACK RecordingProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MON_DEVICE_EVENT || message == WM_MON_DEVICE_ARRIVAL) g_posted.push_back({message, wParam, lParam});
  return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND MakeEventWindow() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = &RecordingProcedure;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.lpszClassName = "OrvixDeviceTestWindow";
  ::RegisterClassA(&wc);
  return ::CreateWindowA(wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
}

// Pumps this thread's messages until `done` holds or the time is up.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
    if (done()) return true;
    if (std::chrono::steady_clock::now() > end) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
}

bool Posted(UINT message, WPARAM wParam, LPARAM lParam) {
  for (const PostedMessage& p : g_posted)
    if (p.message == message && p.wParam == wParam && p.lParam == lParam) return true;
  return false;
}

// The monitor's side of the sequences; called from both threads.
struct ThreadSafeHost : DeviceHost, DeviceJobHost {
  std::mutex lock;
  std::vector<std::string> calls;
  int jobsDone = 0;
  void Record(const char* call) {
    std::lock_guard guard(lock);
    calls.push_back(call);
  }
  void StoreFirmwareVersion(int) override { Record("version"); }
  void SaveConfiguration() override { Record("save"); }
  void PublishDeviceRead() override { Record("publish"); }
  void SensorImageReady() override { Record("image"); }
  void SendDpiTable() override {
    std::lock_guard guard(lock);
    ++jobsDone;
  }
  bool Called(const std::string& call) {
    std::lock_guard guard(lock);
    for (const auto& c : calls)
      if (c == call) return true;
    return false;
  }
  int JobsDone() {
    std::lock_guard guard(lock);
    return jobsDone;
  }
};

class DeviceLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_posted.clear();
    window_ = MakeEventWindow();
    ASSERT_TRUE(window_);
    Connect();
  }
  void TearDown() override {
    device_.reset();
    ::DestroyWindow(window_);
  }

  void Connect(bool mousePresent = true) {
    device_ = std::make_unique<MonitorDevice>(*local_, host_, host_, folder_.path());
    ASSERT_TRUE(device_->Bind());
    ASSERT_TRUE(device_->StartIoThread());
    ASSERT_EQ(device_->Open(window_), mousePresent);
    device_->flags().deviceState = mousePresent ? 1 : 0;
  }

  ToolResult Tool(const std::string& arguments) { return RunControlTool(folder_.path(), arguments); }

  bool RunJob(unsigned job, LPARAM lParam, int timeoutMs = 20000) {
    const int before = host_.JobsDone();
    if (!device_->PostJob(job, lParam)) return false;
    return PumpUntil([&] { return host_.JobsDone() > before; }, timeoutMs);
  }

  ProfileRecord& profile(int p) { return local_->config.profiles[p]; }

  VirtualMouseFolder folder_;
  std::unique_ptr<SharedDataBlock> local_ = std::make_unique<SharedDataBlock>();
  ThreadSafeHost host_;
  HWND window_ = nullptr;
  std::unique_ptr<MonitorDevice> device_;
};

TEST_F(DeviceLinkTest, TheDeviceThreadReadsEverythingAndEndsInHostMode) {
  // The mouse's own profile button, pressed with the control tool.
  const ToolResult press = Tool("tap 16");
  ASSERT_EQ(press.exitCode, 0u) << press.output;
  ASSERT_TRUE(PumpUntil([] { return Posted(WM_MON_DEVICE_EVENT, 0x2000, 2); }, 5000));

  ASSERT_TRUE(RunJob(kJobReadEverything, 0));
  EXPECT_TRUE(host_.Called("publish"));
  EXPECT_EQ(local_->config.CurrentProfile, 1);
  EXPECT_EQ(profile(4).CpiLevel_X[4], 41);
  EXPECT_EQ(profile(0).MacroKeyInfo[SlotFromDeviceIndex(16)].function, kFunctionProfileUp);
  const ToolResult dump = Tool("dump");
  EXPECT_NE(dump.output.find("host mode: 1\n"), std::string::npos) << dump.output;
}

TEST_F(DeviceLinkTest, ChangedSettingsAreWrittenAndOutliveTheLibrary) {
  ASSERT_EQ(device_->sequences().FullRead(), FullReadResult::kPublished);
  profile(2).CpiLevel_X[0] = 10;  // 2000 DPI
  local_->flags.settings[2] = 1;
  ButtonAssignment& slot = profile(0).MacroKeyInfo[SlotFromDeviceIndex(7)];
  slot.function = kFunctionMacro;
  std::strcpy(slot.macroName, "Rotate");
  slot.eventCount = 2;
  slot.events[0] = {0x15, kKeyPress, 30};
  slot.events[1] = {0x15, kKeyRelease, 0};
  local_->flags.button[0][SlotFromDeviceIndex(7)] = 1;
  EXPECT_TRUE(device_->sequences().WriteChangedSettings());

  // A new library instance reads the memory file back.
  device_.reset();
  Connect();
  const ToolResult dump = Tool("dump");
  ASSERT_EQ(dump.exitCode, 0u) << dump.output;
  EXPECT_NE(dump.output.find("profile 2:\n  sensitivity: synchronous 0, x 6, y 6\n  dpi levels: 2000 1600"),
            std::string::npos)
      << dump.output;
  EXPECT_NE(dump.output.find("button 7: function 48, macro \"Rotate\" from \"\", repeat 0, 2 events: 15+30 15-0"),
            std::string::npos)
      << dump.output;
}

TEST_F(DeviceLinkTest, AMacroIsUploadedOnRequest) {
  ButtonAssignment& slot = profile(1).MacroKeyInfo[SlotFromDeviceIndex(5)];
  std::strcpy(slot.macroName, "Requested");
  slot.eventCount = 1;
  slot.events[0] = {0x2C, kKeyPress, 5};
  ASSERT_TRUE(device_->PostJob(kJobUploadMacro, 16 + (5 - 2) + 1));
  // Job 6 tells nobody when it is done: the mouse's memory shows it.
  std::string dump;
  EXPECT_TRUE(PumpUntil(
      [&] {
        dump = Tool("dump").output;
        return dump.find("button 5: function 13, macro \"Requested\"") != std::string::npos;
      },
      10000))
      << dump;
}

TEST_F(DeviceLinkTest, UnpluggingDuringAFullReadAbortsIt) {
  ASSERT_EQ(Tool("fault unplug-during-read 5").exitCode, 0u);
  ASSERT_TRUE(device_->PostJob(kJobReadEverything, 0));
  // The removal handler: state 2, the library closed, the running job aborted.
  ASSERT_TRUE(PumpUntil([] { return Posted(WM_MON_DEVICE_ARRIVAL, 0, 0); }, 10000));
  device_->flags().deviceState = 2;
  device_->link().CloseFeatureDevice();
  device_->AbortIfBusy();
  ASSERT_TRUE(PumpUntil([&] { return host_.JobsDone() == 1; }, 5000));
  EXPECT_FALSE(host_.Called("publish"));
  EXPECT_FALSE(device_->PostJob(kJobReadEverything, 0) && PumpUntil([&] { return host_.JobsDone() == 2; }, 500));

  ASSERT_EQ(Tool("replug").exitCode, 0u);
  ASSERT_TRUE(PumpUntil([] { return Posted(WM_MON_DEVICE_ARRIVAL, 1, 0); }, 5000));
  EXPECT_TRUE(device_->link().OpenFeatureDevice());
}

TEST_F(DeviceLinkTest, AMouseUnpluggedAtStartArrivesLater) {
  device_.reset();  // unloads the library: the next one starts afresh
  ::SetEnvironmentVariableA("ORVIX_VIRTUAL_MOUSE_UNPLUGGED", "1");
  Connect(false);
  ::SetEnvironmentVariableA("ORVIX_VIRTUAL_MOUSE_UNPLUGGED", nullptr);
  std::uint8_t version[6] = {9};
  EXPECT_FALSE(device_->link().ReadReport(version, 6));
  ASSERT_EQ(Tool("replug").exitCode, 0u);
  ASSERT_TRUE(PumpUntil([] { return Posted(WM_MON_DEVICE_ARRIVAL, 1, 0); }, 5000));
  EXPECT_TRUE(device_->link().OpenFeatureDevice());
  EXPECT_TRUE(device_->link().ReadReport(version, 6));
}

TEST_F(DeviceLinkTest, TheControlToolExplainsAndRefuses) {
  const ToolResult help = Tool("--help");
  EXPECT_EQ(help.exitCode, 0u);
  EXPECT_NE(help.output.find("fault unplug-during-read"), std::string::npos);
  const ToolResult refused = Tool("press 18");
  EXPECT_EQ(refused.exitCode, 1u);
  EXPECT_NE(refused.output.find("error: press needs a device button 0..17"), std::string::npos) << refused.output;
  EXPECT_EQ(Tool("event 0xC000 0x0506").exitCode, 0u);
  EXPECT_TRUE(PumpUntil([] { return Posted(WM_MON_DEVICE_EVENT, 0xC000, 0x0506); }, 5000));
}

TEST(DeviceLinkBinding, WithoutTheLibraryNothingIsCalled) {
  DeviceLink link;
  char temp[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, temp);
  EXPECT_FALSE(link.Bind(temp));
  EXPECT_FALSE(link.bound());
  link.OpenDevMonitor(nullptr, WM_MON_DEVICE_EVENT, WM_MON_DEVICE_ARRIVAL);
  EXPECT_FALSE(link.OpenFeatureDevice());
  std::uint8_t report[3] = {4, 0, 0};
  EXPECT_FALSE(link.WriteReport(report, 3));
  EXPECT_FALSE(link.ReadReport(report, 3));
  link.Close();
}

}  // namespace
}  // namespace orvix::test
