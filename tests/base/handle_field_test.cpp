#include "HandleField.h"

#include <gtest/gtest.h>

namespace orvix {
namespace {

TEST(HandleField, AHandleSurvivesItsFourByteFieldOnEitherSide) {
  // Handles with the top bit of the lower half set are the ones a plain zero extension
  // breaks on 64-bit Windows.
  for (const std::uint32_t low : {0x00000000u, 0x0001006Au, 0x7FFFFFFFu, 0x80000000u, 0xFFFF0123u}) {
    const std::uintptr_t handle = HandleFromField(low);
    EXPECT_EQ(HandleToField(handle), low);
    if constexpr (sizeof(std::uintptr_t) == 8) {
      EXPECT_EQ(handle >> 32, (low & 0x80000000u) ? 0xFFFFFFFFu : 0u) << std::hex << low;
    } else {
      EXPECT_EQ(handle, low);
    }
  }
}

}  // namespace
}  // namespace orvix
