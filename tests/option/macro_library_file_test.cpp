#include "macros/MacroLibraryFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "FixedText.h"
#include "StructText.h"
#include "TempFolder.h"
#include "TextConfigStore.h"
#include "macros/MacroNameRules.h"

namespace orvix {
namespace {

using testing::ReadFileBytes;
using testing::WriteFileBytes;

MacroRecord Macro(const std::string& name, int events, std::int32_t loop = 1) {
  MacroRecord macro;
  std::memset(&macro, 0, sizeof macro);
  CopyFixedText(macro.name, name);
  macro.loopCount = loop;
  macro.eventCount = events;
  for (int i = 0; i < events; ++i)
    macro.events[i] = {static_cast<std::uint8_t>(4 + i / 2), i % 2 ? kKeyRelease : kKeyPress,
                       static_cast<std::uint16_t>(10 * i)};
  return macro;
}

std::string Entry(const MacroRecord& macro) { return EncodeStructText(&macro, sizeof macro); }

class MacroLibraryFileTest : public ::testing::Test, protected testing::TextConfigStore {
 protected:
  std::string Path() const { return folder.PathOf(kMacroLibraryFile); }
  std::string FileText() const { return ReadFileBytes(Path()); }
  MacroLibrary LoadFrom(const std::string& content) {
    WriteFileBytes(Path(), content);
    return Load();
  }
  MacroLibrary Load() {
    MacroLibrary library;
    library.AddSet("Left over");  // whatever the instance held before
    LoadMacroLibrary(store, library);
    return library;
  }
  static ChangeState StateOf(const MacroLibrary& library, int set) { return library.FindSet(set)->state(); }

};

TEST_F(MacroLibraryFileTest, ASavedLibraryLoadsBackWhole) {
  MacroLibrary library;
  const int keys = library.AddSet("Keys");
  library.AddMacro(keys, Macro("Combo", 6, 3));
  library.AddMacro(keys, Macro("Full", kMaxMacroEvents, 255));
  library.AddSet("Empty");
  ASSERT_TRUE(SaveMacroLibrary(store, library));
  EXPECT_EQ(StateOf(library, 0), ChangeState::kUnchanged);

  const std::string text = FileText();
  EXPECT_NE(text.find("[SetMacro]\r\nnumber=2\r\n0=Keys\r\n1=Empty\r\n"), std::string::npos) << text.substr(0, 80);
  EXPECT_NE(text.find("[Keys]\r\nnumber=2\r\n0=" + Entry(Macro("Combo", 6, 3)) + "\r\n"), std::string::npos);
  EXPECT_NE(text.find("[Empty]\r\nnumber=0\r\n"), std::string::npos);
  EXPECT_EQ(Entry(Macro("x", 0)).size(), 4122u);

  const MacroLibrary loaded = Load();
  ASSERT_EQ(loaded.SetCount(), 2);
  EXPECT_EQ(loaded.FindSet(1)->name(), "Empty");
  EXPECT_EQ(loaded.FindSet(1)->MacroCount(), 0);
  ASSERT_EQ(loaded.FindSet(0)->MacroCount(), 2);
  for (int m = 0; m < 2; ++m)
    EXPECT_EQ(std::memcmp(loaded.FindMacro(0, m), library.FindMacro(0, m), sizeof(MacroRecord)), 0) << m;
  EXPECT_EQ(StateOf(loaded, 0), ChangeState::kUnchanged);
  EXPECT_EQ(StateOf(loaded, 1), ChangeState::kUnchanged);
}

TEST_F(MacroLibraryFileTest, MissingOrEmptyFilesGiveAnEmptyLibrary) {
  EXPECT_EQ(Load().SetCount(), 0);
  EXPECT_EQ(LoadFrom("").SetCount(), 0);
  EXPECT_EQ(LoadFrom("\x01\xff garbage [ no end").SetCount(), 0);
  std::filesystem::remove(HostPath(Path()));
  MacroLibrary empty;
  ASSERT_TRUE(SaveMacroLibrary(store, empty));
  EXPECT_EQ(FileText(), "[SetMacro]\r\nnumber=0\r\n");
}

TEST_F(MacroLibraryFileTest, OnlyChangedSetsAreRewrittenAndEverythingElseStays) {
  const std::string file = "[SetMacro]\r\nnumber=3\r\n0=  Padded  \r\n1=Kept\r\n2=Gone\r\n"
                           "[Padded]\r\nnumber=1\r\n0=" + Entry(Macro("P", 2)) + "\r\n"
                           "[Kept]\r\nnumber=2\r\n0=" + Entry(Macro("K", 2)) + "\r\n1=damaged\r\nNote=hand-written\r\n"
                           "[Gone]\r\nnumber=2\r\n0=" + Entry(Macro("G0", 1)) + "\r\n1=" + Entry(Macro("G1", 1)) + "\r\n";
  MacroLibrary library = LoadFrom(file);
  ASSERT_EQ(library.SetCount(), 3);
  EXPECT_EQ(library.FindSet(0)->name(), "Padded") << "read from the section of the trimmed name";
  EXPECT_STREQ(library.FindMacro(0, 0)->name, "P");

  library.SetMacroLoopCount(0, 0, 7);  // a loop count alone is a change
  library.DeleteSet(2);
  ASSERT_TRUE(SaveMacroLibrary(store, library));
  const std::string text = FileText();
  EXPECT_NE(text.find("[SetMacro]\r\nnumber=2\r\n0=Padded\r\n1=Kept\r\n2=Gone\r\n"), std::string::npos)
      << "index keys past the new count stay, unread";
  EXPECT_NE(text.find("[Padded]\r\nnumber=1\r\n0=" + Entry(Macro("P", 2, 7)) + "\r\n"), std::string::npos);
  EXPECT_NE(text.find("[Kept]\r\nnumber=2\r\n0=" + Entry(Macro("K", 2)) + "\r\n1=damaged\r\nNote=hand-written\r\n"),
            std::string::npos)
      << "an unchanged set's section is left alone, its unreadable entry too";
  EXPECT_NE(text.find("[Gone]\r\nnumber=2\r\n"), std::string::npos) << "a deleted set's section stays";

  const MacroLibrary reloaded = Load();
  ASSERT_EQ(reloaded.SetCount(), 2);
  EXPECT_EQ(reloaded.FindMacro(0, 0)->loopCount, 7);
  EXPECT_EQ(reloaded.IndexOfSet("Gone"), -1);

  // A set that shrank: keys past its count stay in the file and are never read.
  library.DeleteMacro(0, 0);
  ASSERT_TRUE(SaveMacroLibrary(store, library));
  EXPECT_EQ(Load().FindSet(0)->MacroCount(), 0);
  EXPECT_NE(FileText().find("[Padded]\r\nnumber=0\r\n0="), std::string::npos);
}

TEST_F(MacroLibraryFileTest, AFailedSaveKeepsTheMarksForTheNextOne) {
  MacroLibrary library;
  library.AddMacro(library.AddSet("Keys"), Macro("A", 2));
  ASSERT_TRUE(files.Lock());  // another writer holds the files
  EXPECT_FALSE(SaveMacroLibrary(store, library));
  files.Unlock();
  EXPECT_EQ(StateOf(library, 0), ChangeState::kAdded);
  ASSERT_TRUE(SaveMacroLibrary(store, library));
  EXPECT_EQ(Load().FindSet(0)->MacroCount(), 1);
}

TEST_F(MacroLibraryFileTest, HugeCountsAreCappedAndUnreadableEntriesSkipped) {
  std::string good = Entry(Macro("Good", 4));
  std::string badSum = good;
  badSum[badSum.size() - 1] = badSum.back() == '0' ? '1' : '0';
  std::string file = "[SetMacro]\r\nnumber=1000000\r\n0=A\r\n1=B\r\n"
                     "[A]\r\nnumber=1000000\r\n0=" + good + "\r\n1=" + good.substr(2) + "\r\n2=" + badSum +
                     "\r\n4=" + Entry(Macro("Last", 1)) + "\r\n[B]\r\nnumber=-4\r\n0=" + good + "\r\n";
  const MacroLibrary library = LoadFrom(file);
  ASSERT_EQ(library.SetCount(), 2);
  ASSERT_EQ(library.FindSet(0)->MacroCount(), 2) << "key 1 short, 2 with a bad sum, 3 missing";
  EXPECT_STREQ(library.FindMacro(0, 0)->name, "Good");
  EXPECT_STREQ(library.FindMacro(0, 1)->name, "Last");
  EXPECT_EQ(StateOf(library, 0), ChangeState::kUnchanged) << "the file is left as it is";
  EXPECT_EQ(library.FindSet(1)->MacroCount(), 0);

  // More sets and macros than the menus can address: the first 100 of each.
  file = "[SetMacro]\r\nnumber=101\r\n";
  for (int i = 0; i <= kMaxMacroSets; ++i) file += std::to_string(i) + "=S" + std::to_string(i) + "\r\n";
  const MacroLibrary manySets = LoadFrom(file);
  EXPECT_EQ(manySets.SetCount(), kMaxMacroSets);
  EXPECT_EQ(manySets.FindSet(kMaxMacroSets - 1)->name(), "S99");
  file = "[SetMacro]\r\nnumber=1\r\n0=S0\r\n[S0]\r\nnumber=101\r\n";
  for (int j = 0; j <= kMaxMacrosPerSet; ++j)
    file += std::to_string(j) + "=" + Entry(Macro("M" + std::to_string(j), 1)) + "\r\n";
  EXPECT_EQ(LoadFrom(file).FindSet(0)->MacroCount(), kMaxMacrosPerSet);
}

TEST_F(MacroLibraryFileTest, DamagedRecordsLoadTerminatedAndWithinTheirCounts) {
  MacroRecord huge = Macro("Huge", 3);
  huge.eventCount = 100000;
  MacroRecord garbage = Macro("Garbage", 2);
  garbage.events[2] = {0x77, 1, 999};  // past the count
  garbage.loopCount = -9;
  MacroRecord unterminated = Macro("", 0);
  std::memset(unterminated.name, 'U', sizeof unterminated.name);
  const std::string file = "[SetMacro]\r\nnumber=1\r\n0=Set\r\n[Set]\r\nnumber=4\r\n0=" + Entry(huge) + "\r\n1=" +
                           Entry(garbage) + "\r\n2=" + Entry(unterminated) + "\r\n3=" + Entry(Macro(" huge ", 1)) +
                           "\r\n";
  const MacroLibrary library = LoadFrom(file);
  ASSERT_EQ(library.FindSet(0)->MacroCount(), 4);
  EXPECT_EQ(library.FindMacro(0, 0)->eventCount, kMaxMacroEvents);
  EXPECT_EQ(library.FindMacro(0, 1)->events[2].key, 0);
  EXPECT_EQ(library.FindMacro(0, 1)->loopCount, 0);
  EXPECT_EQ(std::string(library.FindMacro(0, 2)->name), std::string(kMacroNameSize - 1, 'U'));
  EXPECT_STREQ(library.FindMacro(0, 3)->name, "huge (2)") << "a second macro of the same name";
  EXPECT_EQ(StateOf(library, 0), ChangeState::kModified) << "renamed macros are written under their names";
}

TEST_F(MacroLibraryFileTest, HostileSetNamesAreLoadedOnceAndRenamedSoTheyReadBack) {
  const std::string longName = std::string(150, 'L') + " " + std::string(100, 'l');
  const std::string file = "[SetMacro]\r\nnumber=8\r\n0=SetMacro\r\n1=Fire\r\n2=FIRE \r\n3=a]b\r\n4=a=b\r\n5=" +
                           longName + "\r\n6=\r\n7=;semi\r\n"
                           "[Fire]\r\nnumber=1\r\n0=" + Entry(Macro("F", 1)) + "\r\n"
                           "[a]b]\r\nnumber=1\r\n0=" + Entry(Macro("Bracket", 2)) + "\r\n"
                           "[a=b]\r\nnumber=1\r\n0=" + Entry(Macro("Equals", 3)) + "\r\n"
                           "[" + longName + "]\r\nnumber=1\r\n0=" + Entry(Macro("Long", 4)) + "\r\n"
                           "[;semi]\r\nnumber=1\r\n0=" + Entry(Macro("Semi", 5)) + "\r\n";
  MacroLibrary library = LoadFrom(file);
  ASSERT_EQ(library.SetCount(), 5) << "not the index, Fire once, nothing for the empty entry";
  EXPECT_EQ(library.FindSet(0)->name(), "Fire");
  EXPECT_EQ(StateOf(library, 0), ChangeState::kUnchanged);
  EXPECT_EQ(library.FindSet(1)->name(), "a_b");
  EXPECT_EQ(library.FindSet(2)->name(), "a_b (2)");
  EXPECT_EQ(library.FindSet(3)->name(), longName.substr(0, kMaxSetNameLength));
  EXPECT_EQ(library.FindSet(4)->name(), "_semi");
  for (int set = 1; set < 5; ++set) {
    EXPECT_EQ(StateOf(library, set), ChangeState::kModified) << set;
    ASSERT_EQ(library.FindSet(set)->MacroCount(), 1) << "macros read from the section as listed";
    EXPECT_EQ(library.FindMacro(set, 0)->eventCount, set + 1);
  }

  // Saved under the new names, they load again as they are now.
  ASSERT_TRUE(SaveMacroLibrary(store, library));
  const MacroLibrary reloaded = Load();
  ASSERT_EQ(reloaded.SetCount(), 5);
  for (int set = 0; set < 5; ++set) {
    EXPECT_EQ(reloaded.FindSet(set)->name(), library.FindSet(set)->name());
    EXPECT_EQ(StateOf(reloaded, set), ChangeState::kUnchanged) << set;
    EXPECT_STREQ(reloaded.FindMacro(set, 0)->name, library.FindMacro(set, 0)->name);
  }
}

}  // namespace
}  // namespace orvix
