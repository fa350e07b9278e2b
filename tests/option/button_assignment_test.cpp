// Giving a slot of the edited profile a function: the record filled for each kind of
// item, the change flag, and the Altlayer coupling kept per profile.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "ButtonFunctionCodes.h"
#include "ProfileFile.h"
#include "pages/buttons/MediaPlayers.h"
#include "pages/buttons/SlotAssignment.h"

namespace orvix::button_page {
namespace {

std::unique_ptr<SharedDataBlock> Sane(int currentProfile = 2) {
  auto block = std::make_unique<SharedDataBlock>();
  std::memset(block.get(), 0, sizeof *block);
  for (int p = 0; p < kProfiles; ++p) InitDefaultProfile(block->config.profiles[p], p);
  block->config.CurrentProfile = currentProfile;
  return block;
}

MacroRecord Macro(const char* name, int events) {
  MacroRecord macro{};
  std::strcpy(macro.name, name);
  macro.loopCount = 3;
  macro.eventCount = events;
  for (int i = 0; i < events; ++i) macro.events[i] = {static_cast<std::uint8_t>(4 + i % 20), kKeyPress, 10};
  return macro;
}

bool MacroFieldsClear(const ButtonAssignment& b) {
  const ButtonAssignment zero{};
  return b.eventCount == 0 && b.loopCount == 0 && std::memcmp(b.events, zero.events, sizeof b.events) == 0 &&
         std::memcmp(b.macroSetName, zero.macroSetName, sizeof b.macroSetName) == 0 &&
         std::memcmp(b.macroName, zero.macroName, sizeof b.macroName) == 0;
}

// The change flags that are set, as "profile:slot" words.
std::string FlagsSet(const SharedDataBlock& block) {
  std::string set;
  for (int p = 0; p < kProfiles; ++p)
    for (int s = 0; s < kButtonSlots; ++s)
      if (block.flags.button[p][s]) set += std::to_string(p) + ":" + std::to_string(s) + " ";
  return set;
}

struct Assignment : ::testing::Test {
  ButtonAssignment& Slot(int s) { return block->config.profiles[2].MacroKeyInfo[s]; }
  std::unique_ptr<SharedDataBlock> block = Sane();
  AltlayerMemory memory;
};

TEST_F(Assignment, AMacroThenTiltLeftLeavesNoTraceOfTheMacro) {
  const MacroRecord macro = Macro("Rail jump", 500);
  ASSERT_TRUE(SetMacro(*block, memory, 7, "Quake", macro));
  EXPECT_EQ(Slot(7).function, kFunctionMacro);
  EXPECT_STREQ(Slot(7).macroSetName, "Quake");
  EXPECT_STREQ(Slot(7).macroName, "Rail jump");
  EXPECT_EQ(Slot(7).loopCount, 3);
  EXPECT_EQ(Slot(7).eventCount, 500);
  EXPECT_EQ(std::memcmp(Slot(7).events, macro.events, sizeof macro.events), 0);
  EXPECT_EQ(FlagsSet(*block), "2:7 ");

  Slot(7).timerSeconds = 30;  // what other functions left stays
  std::strcpy(Slot(7).programPath, "C:\\x.exe");
  ASSERT_TRUE(SetCode(*block, memory, 7, kFunctionTiltLeft));
  EXPECT_EQ(Slot(7).function, kFunctionTiltLeft);
  EXPECT_TRUE(MacroFieldsClear(Slot(7)));
  EXPECT_EQ(Slot(7).timerSeconds, 30);
  EXPECT_STREQ(Slot(7).programPath, "C:\\x.exe");
  EXPECT_EQ(Slot(7).slot, 7);
}

TEST_F(Assignment, ATimerIsCopiedTerminatedAndClearsTheMacro) {
  ASSERT_TRUE(SetMacro(*block, memory, 8, "Quake", Macro("Rail", 4)));
  TimerRecord timer{};
  timer.seconds = 120;
  std::memset(timer.name, 'T', sizeof timer.name);  // a damaged file: no terminator
  ASSERT_TRUE(SetTimer(*block, memory, 8, timer));
  EXPECT_EQ(Slot(8).function, kFunctionTimer);
  EXPECT_EQ(Slot(8).timerSeconds, 120);
  EXPECT_EQ(std::string(Slot(8).timerName), std::string(99, 'T'));
  EXPECT_TRUE(MacroFieldsClear(Slot(8)));

  std::strcpy(timer.name, "Baron");
  ASSERT_TRUE(SetTimer(*block, memory, 8, timer));
  EXPECT_STREQ(Slot(8).timerName, "Baron");
  EXPECT_EQ(Slot(8).timerName[6], '\0') << "the rest of the field is cleared";
}

TEST_F(Assignment, ShortcutAndProgramStoreTheirDialogsResults) {
  ASSERT_TRUE(SetMacro(*block, memory, 9, "Quake", Macro("Rail", 4)));
  ShortcutChoice shortcut;
  shortcut.key = 0x3E;  // F5
  shortcut.flags = {false, true, true, false, true};
  ASSERT_TRUE(SetShortcut(*block, memory, 9, shortcut));
  EXPECT_EQ(Slot(9).function, kFunctionShortcut);
  EXPECT_EQ(Slot(9).eventCount, 1);
  EXPECT_EQ(ShortcutKey(Slot(9)), 0x3E);
  EXPECT_EQ(ShortcutModifiers(Slot(9)), kModifierShift | kModifierCtrl | kModifierWin);
  EXPECT_EQ(Slot(9).events[1].key, 0) << "the macro's other events are gone";
  EXPECT_EQ(Slot(9).macroName[0], '\0');
  EXPECT_EQ(Slot(9).macroSetName[0], '\0');
  EXPECT_EQ(Slot(9).loopCount, 0);

  shortcut.flags[0] = true;  // None: the byte is 1 alone
  ASSERT_TRUE(SetShortcut(*block, memory, 9, shortcut));
  EXPECT_EQ(ShortcutModifiers(Slot(9)), kModifierNone);
  // Choosing code 5 again without the dialog keeps the shortcut.
  ASSERT_TRUE(SetCode(*block, memory, 9, kFunctionShortcut));
  EXPECT_EQ(Slot(9).eventCount, 1);
  EXPECT_EQ(ShortcutKey(Slot(9)), 0x3E);

  const std::string fits(kMaxProgramPath, 'p');
  EXPECT_EQ(ProgramOfSlot(Slot(9)), "");
  EXPECT_EQ(SetProgram(*block, memory, 9, fits), ProgramResult::kSet);
  EXPECT_EQ(Slot(9).function, kFunctionQuicklaunch);
  EXPECT_EQ(std::string(Slot(9).programPath), fits);
  EXPECT_EQ(ProgramOfSlot(Slot(9)), fits) << "the dialog opens with it";
  EXPECT_TRUE(MacroFieldsClear(Slot(9)));

  block->flags = {};
  EXPECT_EQ(SetProgram(*block, memory, 10, fits + "q"), ProgramResult::kPathTooLong);
  EXPECT_EQ(Slot(10).function, kFunctionDpiDown) << "a path too long changes nothing";
  EXPECT_EQ(Slot(10).programPath[0], '\0');
  EXPECT_EQ(FlagsSet(*block), "");
  EXPECT_EQ(SetProgram(*block, memory, 1, "C:\\a.exe"), ProgramResult::kNotAssignable);
}

TEST_F(Assignment, CompanionDevicesStoreTheirIdentifier) {
  ASSERT_TRUE(SetDeviceCode(*block, memory, 3, kFunctionAltlayerDeviceLock, 0x4321));
  EXPECT_EQ(Slot(3).function, kFunctionAltlayerDeviceLock);
  EXPECT_EQ(Slot(3).companionDevice, 0x4321u);
  ASSERT_TRUE(SetDeviceCode(*block, memory, 3, kFunctionAltlayerAllDevices, 0x4321));
  EXPECT_EQ(Slot(3).companionDevice, 65535u) << "all devices, whatever was passed";
  EXPECT_FALSE(SetDeviceCode(*block, memory, 3, kFunctionClick, 7));
  // The setters with data refuse to be bypassed.
  for (std::uint8_t code : {kFunctionMacro, kFunctionTimer, kFunctionAltlayerDevice, kFunctionAltlayerDeviceLock})
    EXPECT_FALSE(SetCode(*block, memory, 12, code)) << int{code};
  EXPECT_EQ(Slot(12).function, kFunctionIeBackward);
}

TEST_F(Assignment, FixedAndLayerHeldSlotsAndHostileProfilesAreSafe) {
  const std::unique_ptr<SharedDataBlock> before = std::make_unique<SharedDataBlock>(*block);
  for (int slot : {0, 1, 16, -1, 24, 1000})  // 16 is 0 in a default profile: slot 4 holds the layer
    EXPECT_FALSE(SetCode(*block, memory, slot, kFunctionClick)) << slot;
  EXPECT_EQ(std::memcmp(before.get(), block.get(), sizeof *block), 0);

  for (int hostile : {-1, 5, INT32_MIN, INT32_MAX}) {
    block->config.CurrentProfile = hostile;
    EXPECT_EQ(EditedProfileIndex(block->config), hostile < 0 ? 0 : kProfiles - 1);
  }
  block->config.CurrentProfile = 77;
  ASSERT_TRUE(SetCode(*block, memory, 2, kFunctionDpiUp));
  EXPECT_EQ(block->config.profiles[4].MacroKeyInfo[2].function, kFunctionDpiUp);
  EXPECT_EQ(FlagsSet(*block), "4:2 ");
}

TEST_F(Assignment, ChoosingTheSameCodeStillMarksTheSlot) {
  ASSERT_TRUE(SetCode(*block, memory, 2, Slot(2).function));
  EXPECT_EQ(FlagsSet(*block), "2:2 ");
}

TEST_F(Assignment, TheLayerKeyTakesItsLayerSlotAndGivesItBack) {
  // Slot 3 (IE Forward; slot 15 Disabled, code 6) becomes the layer key.
  ASSERT_TRUE(SetCode(*block, memory, 15, kFunctionScrollUp));
  block->flags = {};
  ASSERT_TRUE(SetCode(*block, memory, 3, kFunctionAltlayer));
  EXPECT_EQ(Slot(15).function, kFunctionDisabled);
  EXPECT_EQ(FlagsSet(*block), "2:3 2:15 ");
  EXPECT_FALSE(SetCode(*block, memory, 15, kFunctionClick)) << "the layer slot cannot be assigned now";

  // Another layer-key code: slot 15 stays 0 and the remembered code is kept.
  block->flags = {};
  ASSERT_TRUE(SetDeviceCode(*block, memory, 3, kFunctionAltlayerDevice, 0x4000));
  EXPECT_EQ(Slot(15).function, kFunctionDisabled);
  EXPECT_EQ(FlagsSet(*block), "2:3 ");

  ASSERT_TRUE(SetCode(*block, memory, 3, kFunctionClick));
  EXPECT_EQ(Slot(15).function, kFunctionScrollUp);

  // Slot 4 is the layer key in a default profile and slot 16 holds 0 with nothing remembered.
  block->flags = {};
  ASSERT_TRUE(SetCode(*block, memory, 4, kFunctionClick));
  EXPECT_EQ(Slot(16).function, kFunctionDisabledToo);
  EXPECT_EQ(FlagsSet(*block), "2:4 2:16 ");
  ASSERT_TRUE(SetCode(*block, memory, 16, kFunctionNextTrack));
  ASSERT_TRUE(SetCode(*block, memory, 4, kFunctionAltlayer));
  EXPECT_EQ(Slot(16).function, kFunctionDisabled);
  ASSERT_TRUE(SetCode(*block, memory, 4, kFunctionClick));
  EXPECT_EQ(Slot(16).function, kFunctionNextTrack);
  // A code that is not a layer key on any other slot couples nothing.
  block->flags = {};
  ASSERT_TRUE(SetCode(*block, memory, 2, kFunctionAltlayer));
  EXPECT_EQ(FlagsSet(*block), "2:2 ");
}

TEST_F(Assignment, TheLayerSlotKeepsItsDataWhileItsButtonIsTheLayerKey) {
  ASSERT_TRUE(SetMacro(*block, memory, 15, "Quake", Macro("Rail", 4)));
  ASSERT_TRUE(SetCode(*block, memory, 3, kFunctionAltlayerAllDevices));
  EXPECT_EQ(Slot(15).function, kFunctionDisabled);
  ASSERT_TRUE(SetCode(*block, memory, 3, kFunctionIeForward));
  EXPECT_EQ(Slot(15).function, kFunctionMacro);
  EXPECT_STREQ(Slot(15).macroName, "Rail");
  EXPECT_EQ(Slot(15).eventCount, 4);
}

TEST_F(Assignment, EachProfileRemembersItsOwnLayerSlots) {
  // Profile 2: slot 4 away from the layer key and back, slot 16 Windows Mute in between.
  ASSERT_TRUE(SetCode(*block, memory, 4, kFunctionClick));
  ASSERT_TRUE(SetCode(*block, memory, 16, kFunctionWindowsMute));
  ASSERT_TRUE(SetCode(*block, memory, 4, kFunctionAltlayer));
  // Profile 0 does the same with Stop.
  block->config.CurrentProfile = 0;
  ButtonAssignment* other = block->config.profiles[0].MacroKeyInfo;
  ASSERT_TRUE(SetCode(*block, memory, 4, kFunctionClick));
  ASSERT_TRUE(SetCode(*block, memory, 16, kFunctionStop));
  ASSERT_TRUE(SetCode(*block, memory, 4, kFunctionAltlayer));
  EXPECT_EQ(other[16].function, kFunctionDisabled);

  // Back in profile 2, its own code returns, not profile 0's.
  block->config.CurrentProfile = 2;
  ASSERT_TRUE(SetCode(*block, memory, 4, kFunctionMenu));
  EXPECT_EQ(Slot(16).function, kFunctionWindowsMute);
  block->config.CurrentProfile = 0;
  ASSERT_TRUE(SetCode(*block, memory, 4, kFunctionMenu));
  EXPECT_EQ(other[16].function, kFunctionStop);

  // A profile whose slots were replaced forgets: its layer slot comes back as Disabled.
  ASSERT_TRUE(SetCode(*block, memory, 4, kFunctionAltlayer));
  memory.Forget(0);
  ASSERT_TRUE(SetCode(*block, memory, 4, kFunctionMenu));
  EXPECT_EQ(other[16].function, kFunctionDisabledToo);
}

TEST(AltlayerMemory, OutOfRangePlacesHoldNothing) {
  AltlayerMemory memory;
  memory.Remember(5, 0, 7);
  memory.Remember(-1, 0, 7);
  memory.Remember(0, 2, 7);
  memory.Forget(9);
  for (int p : {-1, 0, 5})
    for (int s : {-1, 0, 1, 2}) EXPECT_EQ(memory.Take(p, s), std::nullopt) << p << "," << s;
  memory.Remember(4, 1, 9);
  EXPECT_EQ(memory.Take(4, 1), 9);
  EXPECT_EQ(memory.Take(4, 1), std::nullopt) << "taken once";
}

TEST(MediaPlayers, SelectingAPlayerChangesOnlyTheMediaOption) {
  std::unique_ptr<SharedDataBlock> block = Sane();
  const std::unique_ptr<SharedDataBlock> before = std::make_unique<SharedDataBlock>(*block);
  ProfileRecord& profile = block->config.profiles[2];
  ASSERT_TRUE(SelectPlayer(profile, 2));
  EXPECT_EQ(profile.MediaOption, 2);
  profile.MediaOption = before->config.profiles[2].MediaOption;
  EXPECT_EQ(std::memcmp(before.get(), block.get(), sizeof *block), 0) << "no slot, no change flag";
  for (int player : {-1, 4, INT32_MIN}) EXPECT_FALSE(SelectPlayer(profile, player));
  EXPECT_EQ(profile.MediaOption, before->config.profiles[2].MediaOption);

  EXPECT_EQ(MediaPlayerName(0), "Windows Media player");
  EXPECT_EQ(MediaPlayerName(3), "Winamp");
  EXPECT_EQ(MediaPlayerName(4), "");
  EXPECT_EQ(ShownPlayer(-1), 0);
  EXPECT_EQ(ShownPlayer(3), 3);
  for (int player = 0; player < kMediaPlayers; ++player) {
    EXPECT_EQ(CommandOfPlayer(player), 1001 + player);
    EXPECT_EQ(PlayerOfCommand(1001 + player), player);
  }
  for (int command : {1000, 1005, 0, INT32_MIN, INT32_MAX}) EXPECT_EQ(PlayerOfCommand(command), std::nullopt);
}

}  // namespace
}  // namespace orvix::button_page
