// A fixture: the real monitor started in a private install folder, the stand-in for the
// configuration program's window, and the shared block opened as that program opens it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "InstallCopy_win.h"
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

}  // namespace orvix::test
