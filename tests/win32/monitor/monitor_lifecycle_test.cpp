#include <gtest/gtest.h>

#include "InstallCopy_win.h"
#include "Messages.h"
#include "MonitorHarness_win.h"
#include "SharedBlockMapping_win.h"
#include "StandInProgram_win.h"

namespace orvix::test {

TEST(MonitorLifecycle, RunsOnceSharesTheBlockAndClosesTheConfigurationProgramOnExit) {
  InstallCopy install;
  FakeOptionWindow option;
  MonitorProcess monitor(install.folder());
  ASSERT_NE(monitor.WaitForWindow(15000), nullptr);

  const BlockClient client = OpenBlockWhenReady(15000);
  ASSERT_TRUE(client);
  auto block = std::make_unique<SharedDataBlock>();
  EXPECT_TRUE(client.CopyIn(*block));

  // A second monitor, asked to open the configuration program, leaves at once.
  MonitorProcess second(install.folder(), "1");
  EXPECT_TRUE(second.HasExited(10000));
  EXPECT_FALSE(monitor.HasExited());

  ASSERT_TRUE(monitor.Close(10000));
  EXPECT_EQ(monitor.ExitCode(), 0u);
  EXPECT_GE(option.Count(WM_CLOSE), 1);
}

TEST(MonitorLifecycle, ASecondStartWithOneHasTheFirstOpenTheConfigurationProgram) {
  InstallCopy install;
  const std::string option = install.Path("OrvixOneOption.exe");
  ASSERT_TRUE(InstallStandIn(option));
  MonitorProcess monitor(install.folder());
  ASSERT_NE(monitor.WaitForWindow(15000), nullptr);
  ASSERT_FALSE(WaitForStart(option, 500)) << "started before it was asked for";

  MonitorProcess second(install.folder(), "1");
  EXPECT_TRUE(second.HasExited(10000));
  EXPECT_TRUE(WaitForStart(option, 10000));
  EXPECT_FALSE(monitor.HasExited());
}

TEST(MonitorLifecycle, AMonitorWhoseBlockMutexIsTakenEndsWithoutAWindow) {
  InstallCopy install;
  auto taken = SharedBlockMutex::Create();  // as if a monitor of another session ran
  ASSERT_TRUE(taken.has_value());
  MonitorProcess monitor(install.folder());
  EXPECT_TRUE(monitor.HasExited(15000));
  EXPECT_EQ(::FindWindowA(nullptr, kMonitorWindowTitle), nullptr);
}

}  // namespace orvix::test
