#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "MessageThread_win.h"

namespace orvix {

TEST(MessageThread, HandlesPostedMessagesInOrderFromTheFirstOne) {
  std::vector<WPARAM> seen;
  KernelHandle done(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
  MessageThread thread;
  ASSERT_TRUE(thread.Start([&](UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_USER + 1) return;
    seen.push_back(wParam);
    if (wParam == 3) ::SetEvent(done.get());
  }));
  // Posted right after Start returns: none may be lost to a queue that does not exist yet.
  for (WPARAM i = 1; i <= 3; ++i) ASSERT_TRUE(thread.Post(WM_USER + 1, i));
  ASSERT_EQ(::WaitForSingleObject(done.get(), 5000), WAIT_OBJECT_0);
  thread.Stop();
  EXPECT_EQ(seen, (std::vector<WPARAM>{1, 2, 3}));
  EXPECT_FALSE(thread.running());
  EXPECT_FALSE(thread.Post(WM_USER + 1, 4));
}

TEST(MessageThread, StopEndsAThreadThatHangsInAJob) {
  KernelHandle never(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
  KernelHandle started(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
  MessageThread thread;
  ASSERT_TRUE(thread.Start([&](UINT, WPARAM, LPARAM) {
    ::SetEvent(started.get());
    ::WaitForSingleObject(never.get(), INFINITE);
  }));
  thread.Post(WM_USER + 1);
  ASSERT_EQ(::WaitForSingleObject(started.get(), 5000), WAIT_OBJECT_0);
  thread.Stop(100);
  EXPECT_FALSE(thread.running());
}

}  // namespace orvix
