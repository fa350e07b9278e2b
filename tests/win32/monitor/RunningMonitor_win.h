// Fixtures: the real monitor started in a private install folder, the stand-in for the
// configuration program's window, and the shared block opened as that program opens it.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "ButtonSlots.h"
#include "InstallCopy_win.h"
#include "MemoryFile.h"
#include "Messages.h"
#include "MonitorHarness_win.h"

namespace orvix::test {

class RunningMonitor : public ::testing::Test {
 protected:
  void SetUp() override {
    monitor_ = std::make_unique<MonitorProcess>(install_.folder());
    window_ = monitor_->WaitForWindow(15000);
    ASSERT_NE(window_, nullptr);
    client_ = OpenBlockWhenReady(15000);
    ASSERT_TRUE(client_);
  }

  std::unique_ptr<SharedDataBlock> Block() {
    auto block = std::make_unique<SharedDataBlock>();
    EXPECT_TRUE(client_.CopyIn(*block));
    return block;
  }
  int ConfigInt(const char* key) {
    return static_cast<int>(::GetPrivateProfileIntA("Setting", key, -100, install_.Path("config.ini").c_str()));
  }

  InstallCopy install_;
  FakeOptionWindow option_;
  std::unique_ptr<MonitorProcess> monitor_;
  HWND window_ = nullptr;
  BlockClient client_;
};

// The real monitor with the virtual mouse, driven by the control tool as a person would.
class MonitorWithMouse : public RunningMonitor {
 protected:
  void SetUp() override {
    RunningMonitor::SetUp();
    if (HasFatalFailure()) return;
    // The full read of the mouse that follows start-up.
    ASSERT_TRUE(option_.WaitFor(WM_OPT_DEVICE_READ_DONE, 60000));
  }

  ProgramResult Mouse(const std::string& arguments) {
    return RunProgram("\"" + install_.Path("OrvixOneMouseControl.exe") + "\" " + arguments);
  }
  // Changes the slot of device button `button` (0..17, as the control tool counts) in the
  // current profile and applies it as the configuration program's Apply does: the monitor
  // writes it into the mouse.
  void AssignButton(int button, const std::function<void(ButtonAssignment&)>& change) {
    auto block = Block();
    const int p = block->config.CurrentProfile;
    ASSERT_TRUE(p >= 0 && p < kProfiles);
    const int slot = SlotFromDeviceIndex(button);
    change(block->config.profiles[p].MacroKeyInfo[slot]);
    block->flags = ChangeFlags{};
    block->flags.button[p][slot] = 1;
    ASSERT_TRUE(client_.CopyOut(*block));
    ::SendMessageA(window_, WM_MON_APPLY_ALL, 0, 0);  // returns after the writes
  }
  vmouse::MouseMemory MemoryFile() {
    vmouse::MouseMemory memory;
    LoadMemoryFile(install_.Path("VirtualMouse.dat"), memory);
    return memory;
  }
};

}  // namespace orvix::test
