#include "macros/AssignmentMerge.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "ButtonFunctionCodes.h"
#include "FixedText.h"
#include "TextConfigStore.h"
#include "macros/AssignmentMacro.h"
#include "macros/MacroLibraryFile.h"
#include "macros/MacroManagerSession.h"

namespace orvix {
namespace {

MacroRecord Macro(const std::string& name, int events, std::uint8_t firstKey = 4, std::int32_t loop = 1) {
  MacroRecord macro;
  std::memset(&macro, 0, sizeof macro);
  CopyFixedText(macro.name, name);
  macro.loopCount = loop;
  macro.eventCount = events;
  for (int i = 0; i < events; ++i)
    macro.events[i] = {static_cast<std::uint8_t>(firstKey + i), kKeyPress, static_cast<std::uint16_t>(i)};
  return macro;
}

class AssignmentMergeTest : public ::testing::Test {
 protected:
  AssignmentMergeTest() : config(std::make_unique<ConfigRecord>()), flags(std::make_unique<ChangeFlags>()) {
    std::memset(config.get(), 0, sizeof *config);
    std::memset(flags.get(), 0, sizeof *flags);
  }
  ButtonAssignment& Button(int profile, int slot) { return config->profiles[profile].MacroKeyInfo[slot]; }
  ButtonAssignment& Give(int profile, int slot, const std::string& set, const MacroRecord& macro) {
    CopyMacroIntoAssignment(set, macro, Button(profile, slot));
    return Button(profile, slot);
  }
  int FlagsSet() const {
    int n = 0;
    for (const auto& profile : flags->button)
      for (std::int32_t f : profile) n += f != 0;
    return n;
  }

  std::unique_ptr<ConfigRecord> config;
  std::unique_ptr<ChangeFlags> flags;
  MacroLibrary library;
};

TEST_F(AssignmentMergeTest, AButtonGetsACutTerminatedCopyAndLosesItOnClearing) {
  ButtonAssignment& slot = Button(0, 5);
  std::memset(&slot, 0xAB, sizeof slot);
  const MacroRecord macro = Macro(std::string(kMacroNameSize - 1, 'm'), 3, 10, 4);
  CopyMacroIntoAssignment(std::string(80, 's'), macro, slot);
  EXPECT_EQ(slot.function, kFunctionMacro);
  EXPECT_EQ(FixedTextView(slot.macroSetName), std::string(49, 's'));
  EXPECT_EQ(FixedTextView(slot.macroName), std::string(49, 'm'));
  EXPECT_EQ(slot.loopCount, 4);
  EXPECT_EQ(slot.eventCount, 3);
  EXPECT_EQ(slot.events[2].key, 12);
  EXPECT_EQ(slot.events[3].key, 0) << "no bytes of what the slot held before";
  EXPECT_EQ(slot.events[kMaxMacroEvents - 1].delay, 0);
  EXPECT_EQ(static_cast<unsigned char>(slot.timerName[0]), 0xAB) << "other functions' fields are kept";

  MacroRecord hostile = macro;
  hostile.eventCount = 100000;
  CopyMacroIntoAssignment("s", hostile, slot);
  EXPECT_EQ(slot.eventCount, kMaxMacroEvents);

  ClearMacroFields(slot);
  EXPECT_EQ(slot.eventCount, 0);
  EXPECT_EQ(slot.loopCount, 0);
  EXPECT_EQ(slot.events[0].key, 0);
  EXPECT_EQ(slot.macroSetName[0], '\0');
  EXPECT_EQ(slot.macroName[48], '\0');
  EXPECT_EQ(slot.function, kFunctionMacro) << "the caller sets the new function";
}

TEST_F(AssignmentMergeTest, MissingSetsAndMacrosAreAddedOnce) {
  Give(0, 3, "Shooter", Macro("Reload", 4));
  Give(2, 7, " shooter ", Macro("Reload", 4));  // the same macro, named as the user typed it
  Give(3, 9, "Shooter", Macro("Grenade", 2));
  ButtonAssignment& other = Give(4, 2, "Shooter", Macro("Knife", 1));
  other.function = kFunctionClick;  // a macro left over from an earlier function
  Give(4, 3, "", Macro("Nameless set", 1));
  ASSERT_TRUE(MergeAssignmentsIntoLibrary(*config, library));

  ASSERT_EQ(library.SetCount(), 1);
  const MacroSet& set = *library.FindSet(0);
  EXPECT_EQ(set.name(), "Shooter");
  EXPECT_EQ(set.state(), ChangeState::kAdded);
  ASSERT_EQ(set.MacroCount(), 2);
  EXPECT_STREQ(set.macros()[0].name, "Reload");
  EXPECT_EQ(set.macros()[0].eventCount, 4);
  EXPECT_EQ(set.macros()[0].loopCount, 1);
  EXPECT_STREQ(set.macros()[1].name, "Grenade");

  library.MarkAllUnchanged();
  EXPECT_FALSE(MergeAssignmentsIntoLibrary(*config, library)) << "what the library holds adds nothing";
  EXPECT_EQ(library.FindSet(0)->state(), ChangeState::kUnchanged);
}

TEST_F(AssignmentMergeTest, TheLaterButtonsSequenceWinsAndLoopCountsAloneDoNot) {
  library.AddMacro(library.AddSet("Shooter"), Macro("Reload", 4));
  library.MarkAllUnchanged();
  Give(0, 3, "Shooter", Macro("Reload", 4, 4, 9));  // other loop count, same events
  EXPECT_FALSE(MergeAssignmentsIntoLibrary(*config, library));
  EXPECT_EQ(library.FindMacro(0, 0)->loopCount, 1);

  Give(1, 20, "Shooter", Macro("RELOAD", 6, 30, 2));
  Give(3, 4, "Shooter", Macro("Reload", 2, 50, 3));  // higher profile: visited later
  Give(1, 23, "Shooter", Macro("Reload", 5, 70));
  ASSERT_TRUE(MergeAssignmentsIntoLibrary(*config, library));
  const MacroRecord& merged = *library.FindMacro(0, 0);
  EXPECT_EQ(library.FindSet(0)->state(), ChangeState::kModified);
  EXPECT_EQ(library.FindSet(0)->MacroCount(), 1);
  EXPECT_STREQ(merged.name, "Reload") << "the library keeps its own spelling";
  EXPECT_EQ(merged.eventCount, 2);
  EXPECT_EQ(merged.events[0].key, 50);
  EXPECT_EQ(merged.events[2].key, 0) << "nothing left of the longer sequences";
  EXPECT_EQ(merged.loopCount, 3);
}

TEST_F(AssignmentMergeTest, HostileButtonNamesGiveOneStableSet) {
  ButtonAssignment& bracket = Give(0, 2, "x", Macro("Fire", 2));
  std::memset(bracket.macroSetName, ']', sizeof bracket.macroSetName);  // no terminator
  ButtonAssignment& index = Give(1, 2, "setmacro", Macro("Line\nBreak", 3));
  index.eventCount = 60000;
  Give(2, 2, "Bad=Name", Macro("Fire", 2));
  ASSERT_TRUE(MergeAssignmentsIntoLibrary(*config, library));

  ASSERT_EQ(library.SetCount(), 3);
  EXPECT_EQ(library.FindSet(0)->name(), std::string(50, '_'));
  EXPECT_EQ(library.FindSet(1)->name(), "setmacro (2)");
  EXPECT_STREQ(library.FindMacro(1, 0)->name, "Line_Break");
  EXPECT_EQ(library.FindMacro(1, 0)->eventCount, kMaxMacroEvents);
  EXPECT_EQ(library.FindSet(2)->name(), "Bad_Name");
  // The buttons keep their names and keep finding the sets made from them.
  library.MarkAllUnchanged();
  EXPECT_FALSE(MergeAssignmentsIntoLibrary(*config, library));
  EXPECT_EQ(SetNamedByAssignment(library, FixedTextView(bracket.macroSetName)), 0);
  EXPECT_EQ(MacroNamedByAssignment(library, 1, FixedTextView(index.macroName)), 0);
}

TEST_F(AssignmentMergeTest, NamesLongerThanAButtonHoldsMatchTheirCutCopies) {
  const std::string longSet = std::string(60, 'S');
  const std::string longMacro = std::string(kMacroNameSize - 1, 'M');
  const int set = library.AddSet(longSet);
  library.AddMacro(set, Macro(longMacro, 3));
  library.AddSet(std::string(49, 'S') + "x");  // shares the button's 49 characters, but later
  library.MarkAllUnchanged();
  Give(0, 3, longSet, Macro(longMacro, 3));
  EXPECT_FALSE(MergeAssignmentsIntoLibrary(*config, library));
  EXPECT_EQ(library.SetCount(), 2);
  EXPECT_EQ(SetNamedByAssignment(library, std::string(49, 'S')), set);
}

TEST_F(AssignmentMergeTest, AFullLibraryTakesNoMore) {
  for (int i = 0; i < kMaxMacroSets; ++i) library.AddSet("S" + std::to_string(i));
  for (int i = 0; i < kMaxMacrosPerSet; ++i) library.AddMacro(0, "M" + std::to_string(i));
  Give(0, 3, "New", Macro("A", 1));
  Give(0, 4, "S0", Macro("New", 1));
  EXPECT_FALSE(MergeAssignmentsIntoLibrary(*config, library));
  EXPECT_EQ(library.SetCount(), kMaxMacroSets);
  EXPECT_EQ(library.FindSet(0)->MacroCount(), kMaxMacrosPerSet);
}

TEST_F(AssignmentMergeTest, AnEditedMacroReachesExactlyTheButtonsThatCarryIt) {
  const int set = library.AddSet("Shooter");
  library.AddMacro(set, Macro("Reload", 4));
  library.AddMacro(set, Macro("Grenade", 2));
  library.AddMacro(set, Macro("Knife", 1));
  Give(0, 3, "Shooter", Macro("Reload", 4));
  Give(2, 20, " SHOOTER", Macro("reload ", 4));
  Give(1, 4, "Shooter", Macro("Grenade", 2));  // its macro is not edited
  Give(4, 7, "Shooter", Macro("Knife", 1));
  Give(3, 3, "Office", Macro("Reload", 4));  // another set of the same macro name
  ButtonAssignment& click = Give(3, 5, "Shooter", Macro("Reload", 4));
  click.function = kFunctionClick;
  const ButtonAssignment knifeBefore = Button(4, 7);
  const ButtonAssignment clickBefore = click;

  // The manager: Reload gets new events, Grenade a new loop count, Knife is deleted.
  const MacroRecord edited = Macro("Reload", 7, 90);
  library.SetMacroEvents(set, 0, edited.events, edited.eventCount);
  library.SetMacroLoopCount(set, 1, 5);
  library.DeleteMacro(set, 2);
  EXPECT_EQ(PushLibraryIntoAssignments(library, *config, *flags), 3);

  EXPECT_EQ(FlagsSet(), 3);
  EXPECT_EQ(flags->button[0][3], 1);
  EXPECT_EQ(flags->button[2][20], 1);
  EXPECT_EQ(flags->button[1][4], 1);
  EXPECT_EQ(Button(0, 3).eventCount, 7);
  EXPECT_EQ(Button(0, 3).events[6].key, 96);
  EXPECT_EQ(FixedTextView(Button(2, 20).macroSetName), "Shooter") << "the library's spelling";
  EXPECT_EQ(FixedTextView(Button(2, 20).macroName), "Reload");
  EXPECT_EQ(Button(1, 4).loopCount, 5);
  EXPECT_EQ(Button(3, 3).eventCount, 4);
  EXPECT_EQ(std::memcmp(&Button(4, 7), &knifeBefore, sizeof knifeBefore), 0) << "a deleted macro stays on its button";
  EXPECT_EQ(std::memcmp(&click, &clickBefore, sizeof click), 0);

  // The next load's merge no longer brings the old sequences back; the deleted macro
  // returns, as a button still carries it.
  MergeAssignmentsIntoLibrary(*config, library);
  EXPECT_EQ(library.FindMacro(set, 0)->eventCount, 7);
  EXPECT_EQ(library.FindMacro(set, 0)->events[0].key, 90);
  EXPECT_EQ(library.FindMacro(set, 1)->loopCount, 5);
  EXPECT_EQ(library.IndexOfMacro(set, "Knife"), 2);
  std::memset(flags.get(), 0, sizeof *flags);
  EXPECT_EQ(PushLibraryIntoAssignments(library, *config, *flags), 0);
  EXPECT_EQ(FlagsSet(), 0);
}

TEST_F(AssignmentMergeTest, TheManagersCopyBecomesTheLibraryOnlyOnOk) {
  const testing::TextConfigStore folder;
  const SettingsStore& store = folder.store;

  const int set = library.AddSet("Shooter");
  library.AddMacro(set, Macro("Reload", 4));
  Give(0, 3, "Shooter", Macro("Reload", 4));
  {
    MacroManagerSession cancelled(library);
    cancelled.working().SetMacroEvents(set, 0, nullptr, 0);
    cancelled.working().AddSet("Dropped");
  }
  EXPECT_EQ(library.SetCount(), 1);
  EXPECT_EQ(library.FindMacro(set, 0)->eventCount, 4);

  MacroManagerSession session(library);
  session.working().SetMacroLoopCount(set, 0, 3);
  session.working().AddSet("Office");
  EXPECT_EQ(library.FindMacro(set, 0)->loopCount, 1) << "the manager edits its copy only";
  const MacroManagerSession::Outcome outcome = session.Accept(library, *config, *flags, store);
  EXPECT_EQ(outcome.buttonsUpdated, 1);
  EXPECT_TRUE(outcome.saved);
  EXPECT_EQ(Button(0, 3).loopCount, 3);
  EXPECT_EQ(flags->button[0][3], 1);
  ASSERT_EQ(library.SetCount(), 2);
  EXPECT_EQ(library.FindSet(1)->state(), ChangeState::kUnchanged) << "saved";

  MacroLibrary fromFile;
  LoadMacroLibrary(store, fromFile);
  ASSERT_EQ(fromFile.SetCount(), 2);
  EXPECT_EQ(fromFile.FindMacro(set, 0)->loopCount, 3);

  const MacroManagerSession::Outcome again = session.Accept(library, *config, *flags, store);
  EXPECT_FALSE(again.saved);
  EXPECT_EQ(library.SetCount(), 2) << "a spent session cannot empty the library";
}

}  // namespace
}  // namespace orvix
