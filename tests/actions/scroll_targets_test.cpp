#include <gtest/gtest.h>

#include "actions/ScrollTargets.h"

namespace orvix {

TEST(ScrollTargets, ClassNamesChooseTheMethodExactly) {
  EXPECT_EQ(ScrollMethodForClass("EXCEL7").kind, ScrollKind::kArrowClicking);
  EXPECT_EQ(ScrollMethodForClass("_WwG").kind, ScrollKind::kScrollBarParent);
  EXPECT_EQ(ScrollMethodForClass("DirectUIHWND").classKind, 7);
  EXPECT_EQ(ScrollMethodForClass("excel7").kind, ScrollKind::kPlain);  // case matters
  const ScrollMethod firefox = ScrollMethodForClass("MozillaWindowClass");
  EXPECT_EQ(firefox.kind, ScrollKind::kPlain);
  EXPECT_TRUE(firefox.browser);
  EXPECT_FALSE(ScrollMethodForClass("Notepad").browser);
}

}  // namespace orvix
