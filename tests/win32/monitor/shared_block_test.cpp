#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <thread>

#include "SharedBlockMapping_win.h"

namespace orvix {

TEST(SharedBlockMutex, APeerThatDiedHoldingItIsTakenOverAndAHungOneTimesOut) {
  auto mutex = SharedBlockMutex::Create();
  ASSERT_TRUE(mutex.has_value());
  auto peer = SharedBlockMutex::Open();
  ASSERT_TRUE(peer.has_value());
  EXPECT_FALSE(SharedBlockMutex::Create().has_value());  // a second monitor does not start

  // A peer that ends while holding the mutex abandons it: the next wait acquires it.
  std::thread([&] { EXPECT_TRUE(peer->Acquire(100)); }).join();
  EXPECT_TRUE(mutex->Acquire(100));
  mutex->Release();

  // A peer that holds it and hangs: the wait gives up after its time.
  HANDLE held = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE release = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread hung([&] {
    peer->Acquire(100);
    ::SetEvent(held);
    ::WaitForSingleObject(release, INFINITE);
    peer->Release();
  });
  ::WaitForSingleObject(held, 5000);
  EXPECT_FALSE(mutex->Acquire(50));
  ::SetEvent(release);
  hung.join();
  ::CloseHandle(held);
  ::CloseHandle(release);
}

TEST(SharedBlockMapping, CopiesTheWholeBlockBothWays) {
  auto mutex = SharedBlockMutex::Create();
  auto mapping = SharedBlockMapping::Create();
  ASSERT_TRUE(mutex && mapping);
  auto out = std::make_unique<SharedDataBlock>();
  std::memset(out.get(), 0x5A, sizeof *out);
  out->flags.tracking = 7;  // the last field
  ASSERT_TRUE(mapping->CopyOut(*mutex, *out));
  auto opened = SharedBlockMapping::Open();
  ASSERT_TRUE(opened.has_value());
  auto in = std::make_unique<SharedDataBlock>();
  ASSERT_TRUE(opened->CopyIn(*mutex, *in));
  EXPECT_EQ(std::memcmp(in.get(), out.get(), sizeof *in), 0);
}

}  // namespace orvix
