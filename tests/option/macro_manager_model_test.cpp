#include "macro_manager/MacroManagerModel.h"

#include <gtest/gtest.h>

#include <string>

#include "FixedText.h"
#include "MacroEventText.h"

namespace orvix {
namespace {

using testing::Events;
using testing::TextOf;

class MacroManagerModelTest : public ::testing::Test {
 protected:
  MacroManagerModelTest() {
    AddSet("Shooter", {"Reload", "Grenade"});
    AddSet("World of Warcraft", {"Heal", "Mount"});
    AddSet("Empty", {});
    AddSet("xfire", {"Chat"});
    working.MarkAllUnchanged();
  }
  void AddSet(const char* name, std::initializer_list<const char*> macros) {
    const int set = working.AddSet(name);
    for (const char* macro : macros) working.AddMacro(set, macro);
  }
  std::pair<int, int> Selection(const MacroManagerModel& model) const {
    return {model.selectedSet(), model.selectedMacro()};
  }

  MacroLibrary working;
};

TEST_F(MacroManagerModelTest, OpensOnTheButtonsMacroWhenTheWorkingCopyHasIt) {
  MacroManagerModel carrying(working, {" world of warcraft", "MOUNT "});
  carrying.Open(0);
  EXPECT_EQ(Selection(carrying), std::make_pair(1, 1));
  EXPECT_EQ(FixedTextView(carrying.SelectedMacro()->name), "Mount");
  carrying.Open(-1);
  EXPECT_EQ(Selection(carrying), std::make_pair(-1, -1));

  MacroManagerModel gone(working, {"World of Warcraft", "Flight"});
  gone.Open(3);
  EXPECT_EQ(Selection(gone), std::make_pair(3, 0));
  gone.Open(2);
  EXPECT_EQ(Selection(gone), std::make_pair(2, -1)) << "a set without macros";
  gone.Open(9);
  EXPECT_EQ(Selection(gone), std::make_pair(-1, -1));
  EXPECT_FALSE(gone.needsFirstSet());

  MacroLibrary none;
  EXPECT_TRUE(MacroManagerModel(none, {}).needsFirstSet());
}

TEST_F(MacroManagerModelTest, TheSetMenuMarksTheButtonsSetAndSeparatesTheGameSets) {
  const std::vector<SetMenuEntry> menu = MacroManagerModel(working, {"SHOOTER", "Reload"}).SetMenu();
  ASSERT_EQ(menu.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(menu[i].name, working.sets()[i].name());
    EXPECT_EQ(menu[i].command, kCommandFirstSet + i);
    EXPECT_EQ(menu[i].marked, i == 0) << i;
    EXPECT_EQ(menu[i].separatorAfter, i == 1 || i == 3) << i;
  }
  for (const SetMenuEntry& entry : MacroManagerModel(working, {}).SetMenu()) EXPECT_FALSE(entry.marked);
}

TEST_F(MacroManagerModelTest, SelectingASetPicksTheButtonsMacroOrTheFirst) {
  MacroManagerModel model(working, {"World of Warcraft", "Mount"});
  model.SelectSet(1);
  EXPECT_EQ(Selection(model), std::make_pair(1, 1));
  model.SelectSet(0);
  EXPECT_EQ(Selection(model), std::make_pair(0, 0));
  EXPECT_EQ(model.MacroNames(), (std::vector<std::string>{"Reload", "Grenade"}));
  model.SelectSet(2);
  EXPECT_EQ(Selection(model), std::make_pair(2, -1));
  model.SelectSet(4);
  EXPECT_EQ(Selection(model), std::make_pair(-1, -1));
  EXPECT_TRUE(model.MacroNames().empty());
  model.SelectMacro(0);
  EXPECT_EQ(model.selectedMacro(), -1);
}

TEST_F(MacroManagerModelTest, AddedSetsAreSelectedAndDeletedOnesHandTheSelectionOn) {
  MacroManagerModel model(working, {});
  EXPECT_EQ(model.AddSet("  Office  "), 4);
  EXPECT_EQ(Selection(model), std::make_pair(4, -1));
  EXPECT_EQ(working.sets()[4].name(), "Office");
  for (const char* refused : {"office", "   ", "SetMacro", "a]b", "twenty-five characters..."}) {
    EXPECT_EQ(model.AddSet(refused), -1) << refused;
    EXPECT_EQ(model.selectedSet(), 4);
  }

  model.SelectSet(1);
  EXPECT_TRUE(model.DeleteSelectedSet());
  EXPECT_EQ(Selection(model), std::make_pair(1, -1)) << "Empty took its place";
  model.SelectSet(3);
  EXPECT_TRUE(model.DeleteSelectedSet());
  EXPECT_EQ(Selection(model), std::make_pair(2, 0)) << "the last set, xfire";
  while (model.DeleteSelectedSet()) {
  }
  EXPECT_EQ(working.SetCount(), 0);
  EXPECT_EQ(Selection(model), std::make_pair(-1, -1));

  for (int i = 0; i < kMaxMacroSets; ++i) model.AddSet("Set " + std::to_string(i));
  EXPECT_EQ(working.SetCount(), kMaxMacroSets);
  EXPECT_EQ(model.AddSet("One more"), -1);
}

TEST_F(MacroManagerModelTest, NewMacrosNeedAFreeNameAndRoomInTheSet) {
  MacroManagerModel model(working, {});
  EXPECT_FALSE(model.CanAddMacro());
  EXPECT_EQ(model.NewMacro("Jump"), -1) << "no set selected";

  model.SelectSet(0);
  EXPECT_EQ(model.NewMacro("  reload "), -1);
  EXPECT_EQ(model.NewMacro(" "), -1);
  EXPECT_EQ(working.sets()[0].state(), ChangeState::kUnchanged);
  EXPECT_EQ(model.NewMacro("  Jump  "), 2);
  EXPECT_EQ(model.selectedMacro(), 2);
  EXPECT_EQ(working.sets()[0].state(), ChangeState::kAdded);
  EXPECT_EQ(FixedTextView(model.SelectedMacro()->name), "Jump");
  EXPECT_EQ(model.SelectedMacro()->eventCount, 0);
  EXPECT_EQ(model.SelectedMacro()->loopCount, 0);

  model.SelectSet(2);
  for (int i = 0; i < kMaxMacrosPerSet; ++i) EXPECT_EQ(model.NewMacro("M" + std::to_string(i)), i);
  EXPECT_FALSE(model.CanAddMacro());
  EXPECT_EQ(model.NewMacro("One more"), -1);
}

TEST_F(MacroManagerModelTest, RenameKeepsTheOldNameForAnEmptyOrTakenOne) {
  MacroManagerModel model(working, {});
  model.SelectSet(0);
  EXPECT_FALSE(model.RenameMacro(0, "   "));
  EXPECT_FALSE(model.RenameMacro(0, "GRENADE"));
  EXPECT_EQ(model.MacroNames(), (std::vector<std::string>{"Reload", "Grenade"}));
  EXPECT_EQ(working.sets()[0].state(), ChangeState::kUnchanged);
  EXPECT_TRUE(model.RenameMacro(0, " RELOAD "));
  EXPECT_EQ(model.MacroNames(), (std::vector<std::string>{"RELOAD", "Grenade"}));
  EXPECT_EQ(working.sets()[0].state(), ChangeState::kModified);
}

TEST_F(MacroManagerModelTest, DeletingAMacroKeepsTheSelectionNearby) {
  MacroManagerModel model(working, {});
  model.SelectSet(1);
  model.SelectMacro(1);
  EXPECT_TRUE(model.DeleteSelectedMacro());
  EXPECT_EQ(Selection(model), std::make_pair(1, 0)) << "the last one left";
  EXPECT_EQ(working.sets()[1].state(), ChangeState::kModified);
  EXPECT_TRUE(model.DeleteSelectedMacro());
  EXPECT_EQ(Selection(model), std::make_pair(1, -1));
  EXPECT_FALSE(model.DeleteSelectedMacro());

  model.SelectSet(0);
  model.NewMacro("Jump");
  model.SelectMacro(1);
  EXPECT_TRUE(model.DeleteSelectedMacro());
  EXPECT_EQ(Selection(model), std::make_pair(0, 1));
  EXPECT_EQ(model.MacroNames(), (std::vector<std::string>{"Reload", "Jump"}));
}

TEST_F(MacroManagerModelTest, TheEditorsWritesAreBalancedAndMarkOnlyRealChanges) {
  MacroManagerModel model(working, {});
  EXPECT_FALSE(model.WriteSequence(Events("4+ 4-"))) << "no macro selected";
  model.SelectSet(0);
  ASSERT_TRUE(model.WriteSequence(MacroSequence{}));
  ASSERT_TRUE(model.WriteLoopCount(0));
  EXPECT_EQ(working.sets()[0].state(), ChangeState::kUnchanged) << "the same as before";

  ASSERT_TRUE(model.WriteSequence(Events("225+:20 4+")));
  EXPECT_EQ(TextOf(MacroSequence::Of(*model.SelectedMacro())), "225+:20 4+ 4- 225-");
  EXPECT_EQ(working.sets()[0].state(), ChangeState::kModified);

  working.MarkAllUnchanged();
  ASSERT_TRUE(model.WriteLoopCount(3));
  EXPECT_EQ(model.SelectedMacro()->loopCount, 3);
  EXPECT_EQ(working.sets()[0].state(), ChangeState::kModified);
}

}  // namespace
}  // namespace orvix
