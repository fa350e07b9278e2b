// What the button page shows and how it answers the pointer: the slots' looks and labels,
// the click that opens or only closes a slot's menu, the hover pictures, the hand, and
// the shortcut dialog's key and check boxes.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "ButtonFunctionCodes.h"
#include "ProfileFile.h"
#include "pages/buttons/ButtonPageTexts.h"
#include "pages/buttons/MenuToggle.h"
#include "pages/buttons/ShortcutDialogModel.h"
#include "pages/buttons/SlotViews.h"

namespace orvix::button_page {
namespace {

std::unique_ptr<ProfileRecord> Fresh() {
  auto profile = std::make_unique<ProfileRecord>();
  std::memset(profile.get(), 0, sizeof *profile);
  InitDefaultProfile(*profile, 0);
  return profile;
}

std::string NoKeyName(std::uint8_t) { return "?"; }

// Enough of a German layout for the key table: Y and Z swapped, as on the keys.
class GermanKeys : public KeyboardLayout {
 public:
  int VirtualKeyFromScanCode(int scanCode) const override {
    switch (scanCode) {
      case 0x15: return 'Z';
      case 0x2C: return 'Y';
      case 0x1C: return 0x0D;
      default: return 0;
    }
  }
  int ScanCodeFromVirtualKey(int virtualKey) const override {
    switch (virtualKey) {
      case 'Z': return 0x15;
      case 'Y': return 0x2C;
      case 0x0D: return 0x1C;
      default: return 0;
    }
  }
  char CharacterOfKey(int virtualKey) const override {
    return virtualKey == 'Z' ? 'z' : virtualKey == 'Y' ? 'y' : 0;
  }
};

TEST(SlotViews, LooksLabelsAndWhichSlotsShow) {
  auto profile = Fresh();
  CompanionDeviceList devices{};
  const auto views = SlotViews(*profile, devices, &NoKeyName, 9);
  EXPECT_EQ(views[0].look, SlotLook::kFixed);
  EXPECT_EQ(views[1].look, SlotLook::kFixed);
  EXPECT_EQ(views[2].look, SlotLook::kAssignable);
  EXPECT_EQ(views[9].look, SlotLook::kMenuOpen);
  EXPECT_EQ(views[15].look, SlotLook::kAssignable) << "code 6 reads \"Disabled\" but can be assigned";
  EXPECT_EQ(views[16].look, SlotLook::kFixed) << "code 0: its button is the layer key";
  EXPECT_EQ(views[0].label, "Click");
  EXPECT_EQ(views[4].label, "Altlayer[+] Orvix One");
  EXPECT_EQ(views[15].label, "Disabled");
  EXPECT_EQ(views[16].label, "Disabled");
  EXPECT_EQ(views[23].label, "Open Driver");
  for (int slot = 0; slot < kButtonSlots; ++slot) {
    const bool hidden = slot == 5 || slot == 6 || slot == 11 || slot == 17 || slot == 18 || slot == 23;
    EXPECT_EQ(views[static_cast<std::size_t>(slot)].shown, !hidden) << slot;
    EXPECT_EQ(views[static_cast<std::size_t>(slot)].quickHelpText,
              slot < 12 ? kTextHelpNormalLayer : kTextHelpAltLayer);
  }
  EXPECT_EQ(QuickHelpTextOfSlot(24), 0);
  EXPECT_EQ(LookOfSlot(1, kFunctionClick, 1), SlotLook::kFixed) << "a fixed slot never shows the open look";

  profile->MacroKeyInfo[7].function = kFunctionPinpoint1 + 2;
  profile->CpiLevel_X[2] = 16;
  EXPECT_EQ(SlotViews(*profile, devices, &NoKeyName, -1)[7].label, "Pinpoint 3200 DPI");
  profile->CpiLevel_X[2] = INT32_MIN;  // a damaged profile file: no overflow
  EXPECT_EQ(SlotViews(*profile, devices, &NoKeyName, -1)[7].label, "Pinpoint -429496729600 DPI");
}

TEST(SlotClicks, FixedSlotsNeverOpenAndASecondClickOnlyCloses) {
  auto profile = Fresh();
  EXPECT_FALSE(SlotOpensMenu(0, kFunctionClick));
  EXPECT_FALSE(SlotOpensMenu(1, kFunctionMenu));
  EXPECT_FALSE(SlotOpensMenu(16, kFunctionDisabled));
  EXPECT_FALSE(SlotOpensMenu(24, kFunctionClick));
  EXPECT_TRUE(SlotOpensMenu(2, kFunctionUniversalScrolling));
  EXPECT_TRUE(SlotOpensMenu(15, kFunctionDisabledToo));

  MenuToggle toggle;
  EXPECT_TRUE(toggle.OnClick(3));
  EXPECT_EQ(toggle.open(), 3);
  toggle.OnMenuClosed(true);  // closed by the click on slot 3's own button
  EXPECT_EQ(toggle.open(), -1);
  EXPECT_FALSE(toggle.OnClick(3)) << "that click only closes";
  EXPECT_TRUE(toggle.OnClick(3)) << "the next one opens again";

  // Closed over another button: the click there opens that button's menu.
  toggle.OnMenuClosed(false);
  EXPECT_TRUE(toggle.OnClick(4));
  toggle.OnMenuClosed(true);
  EXPECT_TRUE(toggle.OnClick(7)) << "the pointer was on slot 4's button, not slot 7's";
  toggle.OnMenuClosed(true);
  EXPECT_FALSE(toggle.OnClick(7));
  // A menu ended with the pointer elsewhere (an item chosen): the button opens at once.
  EXPECT_TRUE(toggle.OnClick(7));
  toggle.OnMenuClosed(false);
  EXPECT_TRUE(toggle.OnClick(7));
}

TEST(HoverPictures, TheAltlayerPicturesFollowWhichButtonHoldsTheLayer) {
  auto profile = Fresh();  // slot 3 IE Forward, slot 4 Altlayer[+]
  EXPECT_EQ(HoverPictureOf(5, *profile), 5);
  EXPECT_EQ(HoverPictureOf(14, *profile), 14 + 12) << "only slot 4";
  profile->MacroKeyInfo[3].function = kFunctionAltlayer;
  profile->MacroKeyInfo[4].function = kFunctionClick;
  EXPECT_EQ(HoverPictureOf(14, *profile), 14) << "only slot 3";
  profile->MacroKeyInfo[4].function = kFunctionAltlayerAllDevices;
  EXPECT_EQ(HoverPictureOf(23, *profile), 23 + 24) << "both";
  // One device's layer key does not count for the pictures.
  profile->MacroKeyInfo[3].function = kFunctionAltlayerDevice;
  profile->MacroKeyInfo[4].function = kFunctionAltlayerDeviceLock;
  EXPECT_EQ(HoverPictureOf(12, *profile), 12 + 36) << "neither";
  EXPECT_EQ(HoverPictureOf(23, *profile), kHoverPictures - 1);
  EXPECT_EQ(HoverPictureOf(24, *profile), -1);
  EXPECT_EQ(HoverPictureOf(-1, *profile), -1);
}

TEST(HoverPictures, EnteringShowsLeavingAndRefreshHideWhatIsShown) {
  auto profile = Fresh();
  HoverPictures pictures;
  EXPECT_EQ(pictures.OnHover(true, 200 + 14, *profile), (PictureChange{-1, 26}));
  // The slot's picture changed while it was shown: leaving hides the one shown.
  profile->MacroKeyInfo[4].function = kFunctionClick;
  EXPECT_EQ(pictures.OnHover(false, 200 + 14, *profile), (PictureChange{26, -1}));
  EXPECT_EQ(pictures.OnHover(true, 200 + 2, *profile), (PictureChange{-1, 2}));
  EXPECT_EQ(pictures.OnHover(true, 200 + 2, *profile), PictureChange{}) << "already shown";
  EXPECT_EQ(pictures.OnHover(true, 200 + 3, *profile), (PictureChange{2, 3})) << "a missed leave";
  EXPECT_EQ(pictures.OnHover(true, 199, *profile), PictureChange{});
  EXPECT_EQ(pictures.OnHover(false, 224, *profile), PictureChange{});
  EXPECT_EQ(pictures.OnHover(true, INT32_MIN, *profile), PictureChange{});
  EXPECT_EQ(pictures.shown(), 3);
  EXPECT_EQ(pictures.OnRefresh(), (PictureChange{3, -1}));
  EXPECT_EQ(pictures.OnRefresh(), PictureChange{});
}

TEST(Hand, TheChoiceStoresTheOrientation) {
  auto profile = Fresh();
  profile->Orientation = 0;
  EXPECT_EQ(HandOf(*profile), Hand::kRight);
  EXPECT_TRUE(ChooseHand(*profile, Hand::kLeft));
  EXPECT_EQ(profile->Orientation, 1);
  EXPECT_EQ(HandOf(*profile), Hand::kLeft);
  EXPECT_FALSE(ChooseHand(*profile, Hand::kLeft));
  profile->Orientation = 7;
  EXPECT_EQ(HandOf(*profile), Hand::kRight);
  EXPECT_TRUE(ChooseHand(*profile, Hand::kRight));
  EXPECT_EQ(profile->Orientation, 0);
}

TEST(ShortcutBytes, FlagsAndTheModifierByteBothWays) {
  ShortcutChoice shortcut;
  shortcut.flags = {false, true, false, true, false};
  EXPECT_EQ(ModifierByteOf(shortcut), kModifierShift | kModifierAlt);
  shortcut.flags[0] = true;
  EXPECT_EQ(ModifierByteOf(shortcut), kModifierNone) << "None: 1 alone";
  shortcut.flags = {};
  EXPECT_EQ(ModifierByteOf(shortcut), 0);

  const ShortcutChoice back = ShortcutOfBytes(0x28, kModifierCtrl | kModifierWin | 0x80);
  EXPECT_EQ(back.key, 0x28);
  EXPECT_EQ(back.flags, (std::array<bool, 5>{false, false, true, false, true})) << "bits above 4 are not flags";

  ButtonAssignment slot{};
  slot.function = kFunctionShortcut;
  slot.eventCount = 1;
  slot.events[0] = {0x3E, kModifierNone | kModifierShift, 0};
  EXPECT_EQ(ShortcutOfSlot(slot), ShortcutOfBytes(0x3E, kModifierNone | kModifierShift));
  slot.function = kFunctionMacro;  // a macro's first event is no shortcut
  EXPECT_EQ(ShortcutOfSlot(slot), ShortcutChoice{});
}

TEST(ShortcutDialog, KeysWithAKeyCodeReplaceTheKeyThroughTheLayout) {
  const GermanKeys german;
  ShortcutDialogModel dialog(ShortcutChoice{});
  EXPECT_TRUE(dialog.keyText(german).empty());
  EXPECT_TRUE(dialog.OnKey('Z', german));
  EXPECT_EQ(dialog.result().key, 28) << "German Z is the key where a US layout has Y";
  EXPECT_EQ(dialog.keyText(german), "Z");
  EXPECT_TRUE(dialog.OnKey(0x0D, german));
  EXPECT_EQ(dialog.result().key, 40) << "Enter becomes the key, it does not confirm";
  EXPECT_EQ(dialog.keyText(german), "Enter");
  EXPECT_TRUE(dialog.OnKey(0xA2, german));
  EXPECT_EQ(dialog.result().key, 224);
  EXPECT_EQ(dialog.keyText(german), "Left Control");
  for (int key : {0x10, 0x07, 0, -1, 0x1FF}) EXPECT_FALSE(dialog.OnKey(key, german)) << key;
  EXPECT_EQ(dialog.result().key, 224);
}

TEST(ShortcutDialog, NoneDisablesTheModifiersAndKeepsTheirStates) {
  ShortcutDialogModel dialog(ShortcutOfBytes(4, kModifierCtrl));
  for (int f = 0; f < kShortcutFlags; ++f) EXPECT_TRUE(dialog.enabled(static_cast<ShortcutFlag>(f)));
  dialog.OnFlagClicked(ShortcutFlag::kAlt, true);
  dialog.OnFlagClicked(ShortcutFlag::kNone, true);
  EXPECT_TRUE(dialog.checked(ShortcutFlag::kNone));
  EXPECT_FALSE(dialog.enabled(ShortcutFlag::kCtrl));
  EXPECT_FALSE(dialog.enabled(ShortcutFlag::kWin));
  EXPECT_TRUE(dialog.enabled(ShortcutFlag::kNone));
  EXPECT_TRUE(dialog.checked(ShortcutFlag::kCtrl)) << "kept while disabled";
  dialog.OnFlagClicked(ShortcutFlag::kShift, true);  // a disabled box takes no click
  EXPECT_FALSE(dialog.checked(ShortcutFlag::kShift));
  EXPECT_EQ(ModifierByteOf(dialog.result()), kModifierNone);

  dialog.OnFlagClicked(ShortcutFlag::kNone, false);
  EXPECT_TRUE(dialog.enabled(ShortcutFlag::kAlt));
  EXPECT_EQ(ModifierByteOf(dialog.result()), kModifierCtrl | kModifierAlt) << "the states come back";
  EXPECT_EQ(dialog.result().key, 4);
}

}  // namespace
}  // namespace orvix::button_page
