// The fixture of the end-to-end tests: the real monitor with the virtual mouse in a private
// install folder, and the real program in front of it.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "OptionFixtures_win.h"

namespace orvix::test {

class OptionWithMouse : public ::testing::Test {
 protected:
  void SetUp() override {
    monitor_ = std::make_unique<MonitorProcess>(install_.folder());
    ASSERT_TRUE(WaitForFullRead());
    ASSERT_TRUE(StartProgram());
  }

  // Until the monitor has read the mouse: told to a stand-in of the program's window.
  bool WaitForFullRead() {
    FakeOptionWindow listener;
    return monitor_->WaitForWindow(15000) && listener.WaitFor(WM_OPT_DEVICE_READ_DONE, 60000);
  }
  bool StartProgram() {
    program_ = std::make_unique<OptionProgram>(install_.folder());
    return program_->WaitForWindow() != nullptr;
  }
  ProgramResult Mouse(const std::string& arguments) {
    return RunProgram("\"" + install_.Path("OrvixOneMouseControl.exe") + "\" " + arguments);
  }
  // What the mouse's memory says, from the control tool's dump: its current profile and
  // that profile's current DPI level; -1 when the dump does not say.
  struct MouseState {
    int profile = -1;
    int level = -1;
  };
  MouseState Dump() {
    MouseState state;
    const std::string dump = Mouse("dump").output;
    std::sscanf(dump.c_str() + std::min(dump.size(), dump.find("current profile: ")), "current profile: %d",
                &state.profile);
    const auto current = dump.find("(current):");
    const auto level = current == std::string::npos ? current : dump.find("current level ", current);
    if (level != std::string::npos) std::sscanf(dump.c_str() + level, "current level %d", &state.level);
    return state;
  }
  bool WaitUntilIdle() {
    const HWND ok = program_->Button(L"OK");
    return ok && PumpUntil([&] { return ::IsWindowEnabled(ok) != FALSE; }, 20000);
  }

  InstallCopy install_;
  std::unique_ptr<MonitorProcess> monitor_;
  std::unique_ptr<OptionProgram> program_;
};

}  // namespace orvix::test
