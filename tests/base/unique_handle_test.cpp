#include <gtest/gtest.h>

#include <vector>

#include "UniqueHandle.h"

namespace orvix {
namespace {

std::vector<int> closed;

struct CountingTraits {
  using Handle = int;
  static constexpr int Invalid() { return -1; }
  static bool IsValid(int h) { return h != -1; }
  static void Close(int h) { closed.push_back(h); }
};
using Counted = UniqueHandle<CountingTraits>;

TEST(UniqueHandle, ClosesEachHandleExactlyOnceAcrossMovesAndResets) {
  closed.clear();
  {
    Counted a(1);
    Counted b(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_TRUE(b);
    Counted c(2);
    c = std::move(b);  // closes 2, takes 1
    EXPECT_EQ(closed, std::vector<int>{2});
    c.reset(3);        // closes 1
    Counted d;
    EXPECT_FALSE(d);
    int raw = Counted(4).release();  // released: never closed by the owner
    EXPECT_EQ(raw, 4);
  }
  EXPECT_EQ(closed, (std::vector<int>{2, 1, 3}));
}

}  // namespace
}  // namespace orvix
