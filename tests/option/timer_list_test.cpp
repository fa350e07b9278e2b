#include "timers/TimerList.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "FixedText.h"
#include "StructText.h"
#include "TempFolder.h"
#include "TextConfigStore.h"
#include "timers/NewTimerRules.h"
#include "timers/TimerEditorModel.h"
#include "timers/TimerFile.h"

namespace orvix {
namespace {

using testing::ReadFileBytes;
using testing::WriteFileBytes;

std::string NameAt(const TimerList& timers, int i) { return std::string(FixedTextView(timers.Find(i)->name)); }

TimerList Timers(std::initializer_list<std::pair<const char*, int>> timers) {
  TimerList list;
  for (const auto& [name, seconds] : timers) EXPECT_TRUE(list.Add(name, seconds)) << name;
  return list;
}

TimerList FullList() {
  TimerList list;
  for (int i = 0; i < kMaxTimers; ++i) list.Add("T" + std::to_string(i), 60);
  return list;
}

TEST(TimerList, NamesAreTrimmedAndUniqueAndSecondsStayInRange) {
  TimerList timers = Timers({{"  Tea  ", 180}, {"Egg", 5}, {"Pizza", 5000}});
  EXPECT_EQ(NameAt(timers, 0), "Tea");
  EXPECT_EQ(timers.Find(1)->seconds, kTimerMinimumSeconds);
  EXPECT_EQ(timers.Find(2)->seconds, kTimerMaximumSeconds);
  EXPECT_EQ(timers.IndexOf(" EGG"), 1);
  EXPECT_FALSE(timers.Add("tea", 60));
  EXPECT_FALSE(timers.Add(" \t", 60));
  EXPECT_FALSE(timers.Add(std::string(kTimerNameSize, 'n'), 60));
  EXPECT_FALSE(timers.Change(0, "egg", 60)) << "another timer's name";
  EXPECT_TRUE(timers.Change(0, "TEA", 200));
  EXPECT_EQ(NameAt(timers, 0), "TEA");
  EXPECT_FALSE(timers.Change(3, "New", 60));
  EXPECT_FALSE(timers.Remove(-1));
  EXPECT_TRUE(timers.Remove(1));
  EXPECT_EQ(NameAt(timers, 1), "Pizza");
  EXPECT_EQ(timers.Find(2), nullptr);

  TimerList full = FullList();
  EXPECT_TRUE(full.Full());
  EXPECT_FALSE(full.Add("One more", 60));
  EXPECT_EQ(full.Count(), kMaxTimers);
}

TEST(NewTimerRules, RefuseWhatTheDialogCannotTakeAndTheFiftyFirst) {
  const TimerList timers = Timers({{"Tea", 180}});
  const NewTimerCheck ok = CheckNewTimer(timers, "  Boiled egg ", 15);
  ASSERT_TRUE(ok.accepted());
  EXPECT_STREQ(ok.timer.name, "Boiled egg");
  EXPECT_EQ(ok.timer.seconds, 15);
  EXPECT_TRUE(CheckNewTimer(timers, std::string(24, 'x'), 999).accepted());

  EXPECT_EQ(CheckNewTimer(timers, "   ", 60).refusal, TimerRefusal::kEmptyName);
  EXPECT_EQ(CheckNewTimer(timers, std::string(25, 'x'), 60).refusal, TimerRefusal::kNameTooLong);
  EXPECT_EQ(CheckNewTimer(timers, "TEA", 60).refusal, TimerRefusal::kNameTaken);
  EXPECT_EQ(CheckNewTimer(timers, "Soup", 14).refusal, TimerRefusal::kSecondsOutOfRange);
  EXPECT_EQ(CheckNewTimer(timers, "Soup", 1000).refusal, TimerRefusal::kSecondsOutOfRange);

  TimerList almost = FullList();
  almost.Remove(0);
  EXPECT_TRUE(CanCreateTimer(almost));
  EXPECT_TRUE(CheckNewTimer(almost, "Fiftieth", 60).accepted());
  ASSERT_TRUE(almost.Add(CheckNewTimer(almost, "Fiftieth", 60).timer));
  EXPECT_FALSE(CanCreateTimer(almost));
  EXPECT_EQ(CheckNewTimer(almost, "Fifty-first", 60).refusal, TimerRefusal::kListFull);
}

class TimerFileTest : public ::testing::Test, protected testing::TextConfigStore {
 protected:
  std::string Path() const { return folder.PathOf(kTimerFile); }
  TimerList LoadFrom(const std::string& content) {
    WriteFileBytes(Path(), content);
    TimerList timers = Timers({{"Left over", 60}});
    LoadTimerList(store, timers);
    return timers;
  }
  static std::string Entry(int seconds, const std::string& name) {
    TimerRecord timer;
    std::memset(&timer, 0, sizeof timer);
    timer.seconds = seconds;
    CopyFixedText(timer.name, name);
    return EncodeStructText(&timer, sizeof timer);
  }

};

TEST_F(TimerFileTest, SavedListsLoadBackAndLeaveNoStaleKeys) {
  ASSERT_TRUE(SaveTimerList(store, Timers({{"Tea", 180}, {"Egg", 420}, {"Pizza", 720}})));
  TimerList loaded = LoadFrom(ReadFileBytes(Path()));
  ASSERT_EQ(loaded.Count(), 3);
  EXPECT_EQ(NameAt(loaded, 2), "Pizza");
  EXPECT_EQ(loaded.Find(1)->seconds, 420);

  ASSERT_TRUE(SaveTimerList(store, Timers({{"Egg", 420}})));
  EXPECT_EQ(ReadFileBytes(Path()), "[Timer]\r\nCount=1\r\n0=" + Entry(420, "Egg") + "\r\n");
  EXPECT_EQ(Entry(420, "Egg").size(), 210u);

  ASSERT_TRUE(files.Lock());  // another writer holds the files: the old file stays
  EXPECT_FALSE(SaveTimerList(store, TimerList()));
  files.Unlock();
  EXPECT_EQ(LoadFrom(ReadFileBytes(Path())).Count(), 1);

  std::filesystem::remove(HostPath(Path()));
  EXPECT_EQ(LoadFrom("").Count(), 0);
  TimerList none = Timers({{"x", 60}});
  std::filesystem::remove(HostPath(Path()));
  LoadTimerList(store, none);
  EXPECT_EQ(none.Count(), 0);
}

TEST_F(TimerFileTest, DamagedFilesGiveAUsableList) {
  TimerRecord unterminated;
  std::memset(&unterminated, 'U', sizeof unterminated);
  unterminated.seconds = -5;
  std::string bad = Entry(60, "Bad sum");
  bad.back() = bad.back() == '0' ? '1' : '0';
  const std::string file = "[Timer]\r\nCount=1000000\r\n0=" + Entry(60, "  Tea  ") + "\r\n1=" + bad + "\r\n2=" +
                           Entry(60, "Short").substr(4) + "\r\n4=" +
                           EncodeStructText(&unterminated, sizeof unterminated) + "\r\n5=" + Entry(5000, "TEA") +
                           "\r\n6=" + Entry(30, "   ") + "\r\n";
  const TimerList timers = LoadFrom(file);
  ASSERT_EQ(timers.Count(), 4);
  EXPECT_EQ(NameAt(timers, 0), "Tea");
  EXPECT_EQ(NameAt(timers, 1), std::string(kTimerNameSize - 1, 'U'));
  EXPECT_EQ(timers.Find(1)->seconds, kTimerMinimumSeconds);
  EXPECT_EQ(NameAt(timers, 2), "TEA (2)");
  EXPECT_EQ(timers.Find(2)->seconds, kTimerMaximumSeconds);
  EXPECT_EQ(NameAt(timers, 3), "Timer");

  std::string many = "[Timer]\r\nCount=60\r\n";
  for (int i = 0; i < 60; ++i) many += std::to_string(i) + "=" + Entry(60, "T" + std::to_string(i)) + "\r\n";
  EXPECT_EQ(LoadFrom(many).Count(), kMaxTimers);
  EXPECT_EQ(LoadFrom("[Timer]\r\nCount=-3\r\n0=" + Entry(60, "A") + "\r\n").Count(), 0);
}

TEST(TimerEditorModel, SaveRenamesChangesSecondsOrRefuses) {
  const TimerList live = Timers({{"Tea", 180}, {"Egg", 420}});
  TimerEditorModel editor(live);
  EXPECT_EQ(editor.selected(), -1);
  EXPECT_EQ(editor.name(), "");
  EXPECT_EQ(editor.seconds(), TimerEditorModel::kSecondsWithoutTimer);
  EXPECT_EQ(editor.Save("Soup", 60), TimerEditorModel::SaveResult::kNothingSelected);

  editor.Select(1);
  EXPECT_EQ(editor.name(), "Egg");
  EXPECT_EQ(editor.seconds(), 420);
  EXPECT_EQ(editor.Save(" tea ", 30), TimerEditorModel::SaveResult::kNameTaken);
  EXPECT_EQ(NameAt(editor.timers(), 0), "Tea");
  EXPECT_EQ(editor.timers().Find(0)->seconds, 180);
  EXPECT_EQ(editor.timers().Find(1)->seconds, 420) << "both unchanged";
  EXPECT_EQ(editor.name(), " tea ") << "the fields keep what was typed";

  EXPECT_EQ(editor.Save(" EGG ", 5), TimerEditorModel::SaveResult::kSecondsChanged);
  EXPECT_EQ(NameAt(editor.timers(), 1), "Egg");
  EXPECT_EQ(editor.seconds(), kTimerMinimumSeconds);
  EXPECT_EQ(editor.Save("  Soft egg ", 300), TimerEditorModel::SaveResult::kRenamed);
  EXPECT_EQ(editor.name(), "Soft egg");
  EXPECT_EQ(editor.Save("", 300), TimerEditorModel::SaveResult::kEmptyName);
  EXPECT_EQ(editor.Save(std::string(25, 'x'), 300), TimerEditorModel::SaveResult::kNameTooLong);
  EXPECT_EQ(NameAt(editor.timers(), 1), "Soft egg");

  // OK saves the fields as they stand; the live list is the caller's to replace.
  editor.Select(0);
  const TimerList& result = editor.Finish("Green tea", 240);
  EXPECT_EQ(NameAt(result, 0), "Green tea");
  EXPECT_EQ(result.Find(0)->seconds, 240);
  EXPECT_EQ(NameAt(live, 0), "Tea");
  EXPECT_EQ(NameAt(live, 1), "Egg");

  // A name from the file longer than can be typed still takes new seconds.
  TimerList longNamed;
  longNamed.Add(std::string(40, 'L'), 60);
  TimerEditorModel longEditor(longNamed);
  longEditor.Select(0);
  EXPECT_EQ(longEditor.Save(longEditor.name(), 90), TimerEditorModel::SaveResult::kSecondsChanged);
  EXPECT_EQ(longEditor.timers().Find(0)->seconds, 90);
}

TEST(TimerEditorModel, DeleteMovesTheSelectionToTheSameIndexTheLastOrNone) {
  TimerEditorModel editor(Timers({{"A", 20}, {"B", 30}, {"C", 40}}));
  EXPECT_FALSE(editor.Delete()) << "nothing selected";
  editor.Select(1);
  ASSERT_TRUE(editor.Delete());
  EXPECT_EQ(editor.selected(), 1);
  EXPECT_EQ(editor.name(), "C");
  ASSERT_TRUE(editor.Delete());
  EXPECT_EQ(editor.selected(), 0);
  EXPECT_EQ(editor.name(), "A");
  ASSERT_TRUE(editor.Delete());
  EXPECT_EQ(editor.selected(), -1);
  EXPECT_EQ(editor.name(), "");
  EXPECT_EQ(editor.seconds(), TimerEditorModel::kSecondsWithoutTimer);
  EXPECT_EQ(editor.timers().Count(), 0);
  EXPECT_FALSE(editor.Delete());
  editor.Select(0);
  EXPECT_EQ(editor.selected(), -1);
}

}  // namespace
}  // namespace orvix
