#include "macros/MacroLibrary.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "FixedText.h"
#include "macros/MacroNameRules.h"
#include "macros/NameText.h"

namespace orvix {
namespace {

MacroEvent Press(std::uint8_t key, std::uint16_t delay = 0) { return {key, kKeyPress, delay}; }

TEST(MacroNameRules, TypedNamesAreTrimmedShortAndReadableFromTheFile) {
  EXPECT_EQ(TypedSetName("  World of Warcraft \t"), "World of Warcraft");
  EXPECT_EQ(TypedMacroName(std::string(24, 'm')), std::string(24, 'm'));
  EXPECT_EQ(TypedMacroName(std::string(25, 'm')), std::nullopt);
  EXPECT_EQ(TypedSetName("   "), std::nullopt);
  // Each of these would break the library file: the index section, a section header
  // ending early, a key split at "=", a comment or header line, a line break.
  for (std::string bad : {"SetMacro", "setmacro", "a]b", "a=b", ";note", "[x", "a\nb", "tab\tinside", "\"quoted\""})
    EXPECT_EQ(TypedSetName(bad), std::nullopt) << bad;
  // Inside a record the same characters are harmless; a line break is not.
  EXPECT_EQ(TypedMacroName("a]b=c"), "a]b=c");
  EXPECT_EQ(TypedMacroName("a\nb"), std::nullopt);
  EXPECT_EQ(TypedSetName("it's"), "it's");
}

TEST(MacroNameRules, AnyNameBecomesAStorableOneTheSameWayEveryTime) {
  const std::string cases[] = {"a]b", "  =x=  ", ";comment", "[Head]", "SetMacro", " setmacro ", "\"q\"",
                               "line\r\nbreak", "", "   ", std::string(300, 'L') + "]"};
  for (const std::string& raw : cases) {
    const std::string name = StorableSetName(raw);
    EXPECT_TRUE(IsStorableSetName(name)) << raw << " -> " << name;
    EXPECT_EQ(StorableSetName(raw), name);
    EXPECT_EQ(StorableSetName(name), name) << "a storable name stays as it is";
  }
  EXPECT_EQ(StorableSetName("a]b=c"), "a_b_c");
  EXPECT_EQ(StorableSetName("SetMacro"), "SetMacro (2)");
  EXPECT_EQ(StorableSetName(""), "Macro Set");
  EXPECT_EQ(StorableSetName(std::string(150, 'x') + "   " + std::string(100, 'y')).size(), kMaxSetNameLength);
  EXPECT_EQ(StorableSetName(std::string(198, 'x') + " y"), std::string(198, 'x')) << "no blank left by the cut";
  EXPECT_EQ(StorableMacroName("Fire\tBurst"), "Fire_Burst");
  EXPECT_EQ(StorableMacroName(std::string(60, 'z')).size(), kMaxMacroNameLength);
  EXPECT_EQ(StorableMacroName(" "), "Macro");
}

TEST(MacroNameRules, UniqueNamesCountUpWithinTheirLength) {
  const auto takenBelow = [](int n) {
    return [n](std::string_view name) {
      if (SameName(name, "Fire")) return true;
      for (int i = 2; i < n; ++i)
        if (SameName(name, "Fire (" + std::to_string(i) + ")")) return true;
      return false;
    };
  };
  EXPECT_EQ(UniqueName("Ice", 24, takenBelow(2)), "Ice");
  EXPECT_EQ(UniqueName("Fire", 24, takenBelow(2)), "Fire (2)");
  EXPECT_EQ(UniqueName("Fire", 24, takenBelow(11)), "Fire (11)");
  const std::string longName = UniqueName(std::string(30, 'a'), 24, [](std::string_view n) { return n.size() == 24 && n.back() == 'a'; });
  EXPECT_EQ(longName, std::string(20, 'a') + " (2)");
}

class MacroLibraryTest : public ::testing::Test {
 protected:
  int SetWithMacros(const std::string& name, std::initializer_list<const char*> macros) {
    const int set = library.AddSet(name);
    for (const char* m : macros) library.AddMacro(set, m);
    return set;
  }
  MacroLibrary library;
};

TEST_F(MacroLibraryTest, FindsByPositionAndByTrimmedCaseFreeName) {
  const int fps = SetWithMacros(" Shooter ", {"Reload", "Grenade"});
  SetWithMacros("Office", {"Paste"});
  EXPECT_EQ(library.FindSet(fps)->name(), "Shooter");
  EXPECT_EQ(library.IndexOfSet("  SHOOTER"), fps);
  EXPECT_EQ(library.IndexOfMacro(fps, "grenade "), 1);
  EXPECT_EQ(library.IndexOfMacro(fps, "Paste"), -1);
  EXPECT_EQ(library.IndexOfSet("Shoot"), -1);
  EXPECT_STREQ(library.FindMacro(1, 0)->name, "Paste");
  for (int bad : {-1, 2, 1000}) EXPECT_EQ(library.FindSet(bad), nullptr) << bad;
  EXPECT_EQ(library.FindMacro(0, 2), nullptr);
  EXPECT_EQ(library.FindMacro(0, -1), nullptr);
  EXPECT_EQ(library.FindMacro(5, 0), nullptr);
  EXPECT_EQ(library.IndexOfMacro(7, "Reload"), -1);
}

TEST_F(MacroLibraryTest, RefusesDuplicatesBadNamesAndMoreThanTheMenusAddress) {
  ASSERT_EQ(library.AddSet("Keys"), 0);
  EXPECT_EQ(library.AddSet("KEYS "), -1);
  EXPECT_EQ(library.AddSet("SetMacro"), -1);
  EXPECT_EQ(library.AddSet("x]y"), -1);
  EXPECT_EQ(library.AddSet(std::string(200, 'n')), -1);
  EXPECT_EQ(library.AddSet(std::string("a\0b", 3)), -1);
  EXPECT_EQ(library.AddMacro(0, "One"), 0);
  EXPECT_EQ(library.AddMacro(0, " one"), -1);
  EXPECT_EQ(library.AddMacro(0, ""), -1);
  EXPECT_EQ(library.AddMacro(0, std::string(52, 'x')), -1) << "longer than the record's field";
  EXPECT_EQ(library.AddMacro(3, "Lost"), -1);

  for (int i = 1; i < kMaxMacrosPerSet; ++i) ASSERT_EQ(library.AddMacro(0, "M" + std::to_string(i)), i);
  EXPECT_EQ(library.AddMacro(0, "One too many"), -1);
  for (int i = 1; i < kMaxMacroSets; ++i) ASSERT_EQ(library.AddSet("S" + std::to_string(i)), i);
  EXPECT_EQ(library.AddSet("One too many"), -1);
  EXPECT_EQ(library.SetCount(), kMaxMacroSets);
  EXPECT_EQ(library.FindSet(0)->MacroCount(), kMaxMacrosPerSet);
}

TEST_F(MacroLibraryTest, EditsMarkTheirSetOnlyWhenSomethingChanges) {
  const int set = SetWithMacros("Keys", {"A", "B"});
  EXPECT_EQ(library.FindSet(set)->state(), ChangeState::kAdded);
  library.MarkAllUnchanged();
  const auto state = [&] { return library.FindSet(set)->state(); };

  const MacroEvent events[] = {Press(4, 20), {4, kKeyRelease, 0}};
  ASSERT_TRUE(library.SetMacroEvents(set, 0, events, 2));
  EXPECT_EQ(state(), ChangeState::kModified);
  library.MarkAllUnchanged();
  ASSERT_TRUE(library.SetMacroEvents(set, 0, events, 2));
  ASSERT_TRUE(library.SetMacroLoopCount(set, 0, 0));  // as it was
  ASSERT_TRUE(library.RenameMacro(set, 0, " A "));
  EXPECT_EQ(state(), ChangeState::kUnchanged) << "the same values written again are no change";

  ASSERT_TRUE(library.SetMacroLoopCount(set, 0, 3));
  EXPECT_EQ(state(), ChangeState::kModified);
  library.MarkAllUnchanged();
  EXPECT_FALSE(library.RenameMacro(set, 0, "b")) << "the other macro's name";
  ASSERT_TRUE(library.RenameMacro(set, 0, "a"));
  EXPECT_EQ(state(), ChangeState::kModified) << "a new spelling of its own name is a change";
  library.MarkAllUnchanged();
  ASSERT_TRUE(library.AddMacro(set, "C") >= 0);
  EXPECT_EQ(state(), ChangeState::kAdded);
  library.MarkAllUnchanged();
  ASSERT_TRUE(library.DeleteMacro(set, 2));
  EXPECT_EQ(state(), ChangeState::kModified);
  library.MarkAllUnchanged();
  ASSERT_TRUE(library.RenameSet(set, "Hotkeys"));
  EXPECT_EQ(state(), ChangeState::kModified) << "written under its new section";
  EXPECT_FALSE(library.DeleteMacro(set, 2));
  ASSERT_TRUE(library.DeleteSet(set));
  EXPECT_EQ(library.SetCount(), 0);
  EXPECT_FALSE(library.DeleteSet(0));
}

TEST_F(MacroLibraryTest, MacrosAreKeptWithinTheirRecordsLimits) {
  const int set = SetWithMacros("Keys", {"A"});
  MacroEvent events[kMaxMacroEvents + 10];
  for (int i = 0; i < kMaxMacroEvents + 10; ++i) events[i] = Press(static_cast<std::uint8_t>(i), 1);
  library.SetMacroEvents(set, 0, events, 100000);
  EXPECT_EQ(library.FindMacro(set, 0)->eventCount, kMaxMacroEvents);
  library.SetMacroEvents(set, 0, events, 3);
  const MacroRecord& macro = *library.FindMacro(set, 0);
  EXPECT_EQ(macro.eventCount, 3);
  EXPECT_EQ(macro.events[2].key, 2);
  EXPECT_EQ(macro.events[3].key, 0) << "slots past the count are zero";
  EXPECT_EQ(macro.events[kMaxMacroEvents - 1].delay, 0);
  library.SetMacroEvents(set, 0, events, -5);
  EXPECT_EQ(library.FindMacro(set, 0)->eventCount, 0);
  library.SetMacroLoopCount(set, 0, 100000);
  EXPECT_EQ(library.FindMacro(set, 0)->loopCount, 255);
  library.SetMacroLoopCount(set, 0, -1);
  EXPECT_EQ(library.FindMacro(set, 0)->loopCount, 0);

  MacroRecord hostile;
  std::memset(&hostile, 'Q', sizeof hostile);  // counts and events far out
  CopyFixedText(hostile.name, "Hostile");
  hostile.eventCount = -7;
  ASSERT_EQ(library.AddMacro(set, hostile), 1);
  const MacroRecord& added = *library.FindMacro(set, 1);
  EXPECT_EQ(added.eventCount, 0);
  EXPECT_EQ(added.loopCount, 255);
  EXPECT_EQ(added.events[0].key, 0);
  EXPECT_EQ(added.name[sizeof added.name - 1], '\0');
}

TEST_F(MacroLibraryTest, ACopyIsDeepAndKeepsStates) {
  const int set = SetWithMacros("Keys", {"A"});
  const MacroEvent press = Press(9);
  library.SetMacroEvents(set, 0, &press, 1);
  library.MarkAllUnchanged();
  SetWithMacros("New", {});

  MacroLibrary copy = library;
  copy.SetMacroEvents(set, 0, nullptr, 0);
  copy.RenameSet(1, "Renamed");
  EXPECT_EQ(library.FindMacro(set, 0)->eventCount, 1);
  EXPECT_EQ(library.FindSet(1)->name(), "New");
  EXPECT_EQ(copy.FindSet(0)->state(), ChangeState::kModified);
  EXPECT_EQ(library.FindSet(0)->state(), ChangeState::kUnchanged);
  EXPECT_EQ(MacroLibrary(library).FindSet(1)->state(), ChangeState::kAdded);
  copy.Clear();
  EXPECT_EQ(copy.SetCount(), 0);
  EXPECT_EQ(library.SetCount(), 2);
}

}  // namespace
}  // namespace orvix
