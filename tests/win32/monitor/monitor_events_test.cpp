#include <gtest/gtest.h>

#include <memory>

#include "Messages.h"
#include "RunningMonitor_win.h"

namespace orvix::test {

// The HID library's role is played here: the test posts the device event messages itself.
class MonitorEvents : public RunningMonitor {
 protected:
  void Post(unsigned eventClass, unsigned data) { ::PostMessageA(window_, WM_MON_DEVICE_EVENT, eventClass, data); }
};

TEST_F(MonitorEvents, ProfileAndDpiChangesOnTheMouseAreMirroredAndAnnounced) {
  Post(0x2000, 3);
  ASSERT_TRUE(option_.WaitFor(WM_OPT_PROFILE_CHANGED, 5000));
  EXPECT_EQ(Block()->config.CurrentProfile, 2);
  char stored[16] = {};
  ::GetPrivateProfileStringA("Setting", "CurrentProfile", "", stored, sizeof stored,
                             install_.Path("config.ini").c_str());
  EXPECT_STREQ(stored, "2");

  Post(0xB000, 4);
  ASSERT_TRUE(option_.WaitFor(WM_OPT_LEVEL_CHANGED, 5000));
  const auto block = Block();
  EXPECT_EQ(block->config.profiles[2].Cpi_X, 3);
  EXPECT_EQ(block->config.profiles[2].Cpi_Y, 3);
}

TEST_F(MonitorEvents, UsageCountersAreCountedSavedAndAnnounced) {
  Post(0xE100, 7);
  Post(0xE600, 2);
  ASSERT_TRUE(option_.WaitFor(WM_OPT_STATISTICS_CHANGED, 5000, 2));
  const auto block = Block();
  EXPECT_EQ(block->config.InfoData.counter[0], 7);
  EXPECT_EQ(block->config.InfoData.counter[5], 2);
}

TEST_F(MonitorEvents, GarbageEventsChangeNothingAndTheMonitorKeepsRunning) {
  ASSERT_TRUE(option_.WaitFor(WM_OPT_DEVICE_READ_DONE, 60000));  // the mouse's own profile is in
  const auto before = Block();
  for (unsigned cls : {0x0000u, 0x1A00u, 0x2000u, 0xB000u, 0xC000u, 0xFFFFu, 0x12345678u})
    for (unsigned data : {0u, 6u, 0xFFFFu, 0xFFFFFFFFu}) Post(cls, data);
  ::PostMessageA(window_, WM_MON_DEVICE_ARRIVAL, 7, 0);  // neither arrival nor removal
  ::SendMessageA(window_, WM_NULL, 0, 0);                // all posted messages are handled by now
  EXPECT_FALSE(monitor_->HasExited());
  const auto after = Block();
  EXPECT_EQ(after->config.CurrentProfile, before->config.CurrentProfile);
}

}  // namespace orvix::test
