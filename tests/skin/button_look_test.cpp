#include <gtest/gtest.h>

#include "ButtonLook.h"

namespace orvix {

TEST(ButtonLook, DisabledWinsSelectedShowsPressed) {
  EXPECT_EQ(LookOf({.enabled = false, .pushed = true, .hot = true, .checked = true}), SkinState::kDisabled);
  EXPECT_EQ(LookOf({.enabled = true, .pushed = false, .hot = true, .checked = true}), SkinState::kPressed);
  EXPECT_EQ(LookOf({.enabled = true, .pushed = true, .hot = false, .checked = false}), SkinState::kPressed);
  EXPECT_EQ(LookOf({.enabled = true, .pushed = false, .hot = true, .checked = false}), SkinState::kHover);
  EXPECT_EQ(LookOf({}), SkinState::kNormal);
}

TEST(ButtonLook, PointerEntersOnceAndLeavesOnce) {
  PointerHover hover;
  EXPECT_FALSE(hover.OnPointerLeave());  // a leave without an enter tells nothing
  EXPECT_TRUE(hover.OnPointerMove());
  EXPECT_FALSE(hover.OnPointerMove());
  EXPECT_TRUE(hover.inside());
  EXPECT_TRUE(hover.OnPointerLeave());
  EXPECT_FALSE(hover.OnPointerLeave());
  EXPECT_TRUE(hover.OnPointerMove());
}

}  // namespace orvix
