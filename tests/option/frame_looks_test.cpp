#include "frame/FrameLooks.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "ProfileFile.h"

namespace orvix {
namespace {

std::unique_ptr<ConfigRecord> Sane() {
  auto c = std::make_unique<ConfigRecord>();
  std::memset(c.get(), 0, sizeof *c);
  c->CurrentProfile = 2;
  c->WindowsProfile = 4;
  c->QuickHelpLan = 6;
  for (int p = 0; p < kProfiles; ++p) InitDefaultProfile(c->profiles[p], p);
  return c;
}

TEST(FrameLooks, FollowTheConfiguration) {
  auto c = Sane();
  c->MouseType = 1;
  const FrameLooks looks = LooksOf(*c);
  EXPECT_EQ(looks.selectedSlot, 2);
  for (int i = 0; i < kProfiles; ++i) {
    EXPECT_EQ(looks.slots[i].selected, i == 2);
    EXPECT_EQ(looks.slots[i].windowsProfile, i == 4);
  }
  EXPECT_EQ(looks.languageFlag, 6);
  EXPECT_TRUE(looks.badge);
  c->MouseType = 2;
  EXPECT_FALSE(LooksOf(*c).badge);
}

TEST(FrameLooks, HostileValuesGiveASaneFrame) {
  auto c = Sane();
  c->CurrentProfile = -1;
  c->WindowsProfile = 99;
  c->QuickHelpLan = 17;
  std::memset(c->profiles[0].ProFileName, 'A', sizeof c->profiles[0].ProFileName);  // no terminator
  const FrameLooks looks = LooksOf(*c);
  EXPECT_EQ(looks.selectedSlot, 0);
  EXPECT_TRUE(looks.slots[0].selected);
  for (const SlotLook& slot : looks.slots) EXPECT_FALSE(slot.windowsProfile);
  EXPECT_EQ(looks.languageFlag, 1);
  EXPECT_EQ(looks.slots[0].name.size(), sizeof c->profiles[0].ProFileName);
  c->QuickHelpLan = -2147483647 - 1;
  EXPECT_EQ(LooksOf(*c).languageFlag, 1);
}

TEST(SlotSwatch, ShowsTheColourTheLightsHave) {
  ProfileRecord p{};
  p.LightEffectType = 1;
  p.LightInfo[0] = {16, 1, 9, 9, 9};  // a palette colour with a display colour of its own
  EXPECT_EQ(SlotSwatchColour(p), (Rgb{1, 203, 207}));
  p.LightInfo[0] = {200, 1, 10, 20, 30};  // outside the palette: the entry's own colour
  EXPECT_EQ(SlotSwatchColour(p), (Rgb{10, 20, 30}));
  p.LtChoseType = 1;
  p.CustomLightInfo[0] = {255, 1, 40, 50, 60};
  EXPECT_EQ(SlotSwatchColour(p), (Rgb{40, 50, 60}));
  p.LightEffectType = 0;  // lights off: black whatever the colours
  EXPECT_EQ(SlotSwatchColour(p), Rgb{});
}

}  // namespace
}  // namespace orvix
