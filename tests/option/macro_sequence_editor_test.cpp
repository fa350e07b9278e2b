#include "macro_manager/SequenceEditor.h"

#include <gtest/gtest.h>

#include <string>

#include "MacroEventText.h"
#include "TestLayouts.h"
#include "macro_manager/DecimalField.h"

namespace orvix {
namespace {

using testing::Events;
using testing::PairsThen;
using testing::RecordOf;
using testing::TextOf;

constexpr std::uint32_t Tag(int event, RowKind kind) {
  return (static_cast<std::uint32_t>(event + 1) << 16) | static_cast<std::uint32_t>(kind);
}

int MouseCommand(int button, int action) { return kCommandFirstMouseEvent + 3 * button + action; }
constexpr int kLeft = 0, kWheel = 2, kSide2 = 4;
constexpr int kDown = 0, kUp = 1, kClick = 2;

class SequenceEditorTest : public ::testing::Test {
 protected:
  void Load(const MacroSequence& sequence, std::int32_t loopCount = 0) {
    macro = RecordOf(sequence, loopCount);
    editor.Load(&macro);
  }
  std::vector<SequenceRow> Rows() const { return editor.Rows(us); }
  std::string Text() const { return TextOf(editor.sequence()); }

  testing::UsLayout us;
  MacroRecord macro;
  SequenceEditor editor;
};

TEST_F(SequenceEditorTest, RowsShowEachEventAndEachDelayWithTheirTags) {
  Load(Events("4+:300 4- 240+ 243-:65535 200-"));
  const std::vector<SequenceRow> rows = Rows();
  ASSERT_EQ(rows.size(), 7u);
  const std::pair<const char*, std::uint32_t> expected[] = {
      {"A Press", Tag(0, RowKind::kKeyPress)},          {"300 ms", Tag(0, RowKind::kDelay)},
      {"A Release", Tag(1, RowKind::kKeyRelease)},      {"Left Button Press", Tag(2, RowKind::kMouseButton)},
      {"Side Button 1 Release", Tag(3, RowKind::kMouseButton)}, {"65535 ms", Tag(3, RowKind::kDelay)},
      {"Key 200 Release", Tag(4, RowKind::kKeyRelease)},
  };
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].text, expected[i].first) << i;
    EXPECT_EQ(rows[i].tag, expected[i].second) << i;
  }
  EXPECT_EQ(rows[1].eventIndex(), 0);
  EXPECT_TRUE(rows[5].isDelay());
  EXPECT_EQ(RowOfEvent(rows, 3), 4);
  EXPECT_EQ(RowOfEvent(rows, 5), -1);
}

TEST_F(SequenceEditorTest, LoadTakesTheLoopSettingAndNoMacroLeavesNothingToEdit) {
  const std::pair<std::int32_t, std::pair<bool, int>> cases[] = {
      {0, {false, 1}}, {1, {true, 1}}, {5, {true, 5}}, {300, {true, 255}}, {-4, {true, 1}}};
  for (const auto& [stored, shown] : cases) {
    Load(Events("4+ 4-"), stored);
    EXPECT_EQ(editor.loopOn(), shown.first) << stored;
    EXPECT_EQ(editor.loopTimes(), shown.second) << stored;
  }
  editor.SetLoopTimes(0);
  EXPECT_EQ(editor.storedLoopCount(), 1);
  editor.SetLoopTimes(999);
  EXPECT_EQ(editor.storedLoopCount(), 255);
  editor.SetLoopOn(false);
  EXPECT_EQ(editor.storedLoopCount(), 1);

  editor.Load(nullptr);
  EXPECT_FALSE(editor.hasMacro());
  EXPECT_EQ(editor.sequence().count, 0);
  EXPECT_FALSE(editor.loopOn());
  EXPECT_EQ(editor.loopTimes(), 1);
  EXPECT_FALSE(editor.StartRecording(SequenceEditor::RecordPlace::kReplace, -1, {}, true));
  EXPECT_FALSE(editor.InsertMouseEvent(MouseCommand(kLeft, kClick), -1, {}));
}

TEST_F(SequenceEditorTest, RecordingGoesWhereTheRowSays) {
  Load(Events("4+:30 4- 5+ 5-"));
  const std::vector<SequenceRow> rows = Rows();  // 4+, 30 ms, 4-, 5+, 5-
  const CapturedKey shift{0xA0, false, 0};
  const struct {
    SequenceEditor::RecordPlace place;
    int row;
    const char* result;
  } cases[] = {
      {SequenceEditor::RecordPlace::kBefore, 1, "225+ 4+:30 4- 5+ 5- 225-"},
      {SequenceEditor::RecordPlace::kAfter, 1, "4+:30 225+ 4- 5+ 5- 225-"},
      {SequenceEditor::RecordPlace::kAfter, 4, "4+:30 4- 5+ 5- 225+ 225-"},
      {SequenceEditor::RecordPlace::kBefore, -1, "4+:30 4- 5+ 5- 225+ 225-"},
      {SequenceEditor::RecordPlace::kReplace, 2, "225+ 225-"},
  };
  for (const auto& c : cases) {
    Load(Events("4+:30 4- 5+ 5-"));
    ASSERT_TRUE(editor.StartRecording(c.place, c.row, rows, false)) << c.result;
    editor.OnKey(shift, us);
    editor.StopRecording();
    EXPECT_EQ(Text(), c.result);
  }
  EXPECT_FALSE(editor.StartRecording(SequenceEditor::RecordPlace::kBefore, 9, rows, false));

  Load(PairsThen(250));
  EXPECT_FALSE(editor.StartRecording(SequenceEditor::RecordPlace::kAfter, -1, Rows(), false));
  EXPECT_TRUE(editor.StartRecording(SequenceEditor::RecordPlace::kReplace, -1, Rows(), false))
      << "a full macro can be recorded anew";
  EXPECT_EQ(editor.sequence(), MacroSequence{});
}

TEST_F(SequenceEditorTest, MouseEventsGoBeforeTheRowOnlyWhenTheyFit) {
  Load(Events("4+:10 4-"));
  EXPECT_TRUE(editor.InsertMouseEvent(MouseCommand(kWheel, kClick), 1, Rows()));
  EXPECT_EQ(Text(), "242+ 242- 4+:10 4-") << "a delay row stands for the event it follows";
  EXPECT_TRUE(editor.InsertMouseEvent(MouseCommand(kSide2, kClick), -1, Rows()));
  EXPECT_EQ(Text(), "242+ 242- 4+:10 4- 244+ 244-");
  EXPECT_FALSE(editor.InsertMouseEvent(kCommandLastMouseEvent + 1, -1, Rows()));
  EXPECT_FALSE(editor.InsertMouseEvent(MouseCommand(kLeft, kDown), 40, Rows()));

  // A lone Down gets its Up at the end, so the monitor never leaves a button held.
  Load(Events("4+ 4-"));
  EXPECT_TRUE(editor.InsertMouseEvent(MouseCommand(kLeft, kDown), 1, Rows()));
  EXPECT_EQ(Text(), "4+ 240+ 4- 240-");
  EXPECT_TRUE(editor.InsertMouseEvent(MouseCommand(kLeft, kUp), 0, Rows()));
  EXPECT_EQ(Text(), "240- 4+ 240+ 4- 240-");

  Load(PairsThen(249, "6-"));
  EXPECT_FALSE(editor.InsertMouseEvent(MouseCommand(kLeft, kClick), -1, Rows())) << "one slot free";
  EXPECT_FALSE(editor.InsertMouseEvent(MouseCommand(kLeft, kDown), -1, Rows())) << "no room for its release";
  EXPECT_TRUE(editor.InsertMouseEvent(MouseCommand(kLeft, kUp), -1, Rows()));
  EXPECT_EQ(editor.sequence().count, kMaxMacroEvents);
  EXPECT_FALSE(editor.InsertMouseEvent(MouseCommand(kLeft, kUp), -1, Rows()));

  Load(PairsThen(249));
  EXPECT_TRUE(editor.InsertMouseEvent(MouseCommand(kLeft, kClick), 0, Rows()));
  EXPECT_EQ(TextOf(editor.sequence()).substr(0, 10), "240+ 240- ");
  EXPECT_EQ(editor.sequence().count, kMaxMacroEvents);
}

TEST_F(SequenceEditorTest, InsertDelayOpensAGapOnlyWhereThereIsNone) {
  Load(Events("4+ 4-:50 5+ 5-"));
  std::vector<SequenceRow> rows = Rows();  // 4+, 4-, 50 ms, 5+, 5-
  EXPECT_FALSE(editor.InsertDelay(0, rows)) << "nothing before the first event";
  EXPECT_FALSE(editor.InsertDelay(2, rows)) << "a delay row";
  EXPECT_FALSE(editor.InsertDelay(3, rows)) << "the gap before 5+ is already 50 ms";
  EXPECT_TRUE(editor.InsertDelay(1, rows));
  EXPECT_EQ(Text(), "4+:1 4-:50 5+ 5-");
  EXPECT_FALSE(editor.InsertDelay(9, rows));
}

TEST_F(SequenceEditorTest, EditDelayReadsAnyTextIntoTheDelayRange) {
  Load(Events("4+:300 4-"));
  const std::pair<const char*, int> cases[] = {
      {"250", 250}, {"0", 1}, {"70000", 65535}, {"65534", 65534}, {"99999999999999999999", 65535}, {"", 1},
      {" 42 ms", 42}};
  for (const auto& [typed, delay] : cases) {
    editor.EditDelay(1, Rows(), typed);
    EXPECT_EQ(editor.sequence().events[0].delay, delay) << typed;
  }
  EXPECT_FALSE(editor.EditDelay(1, Rows(), "42")) << "the same value";
  EXPECT_FALSE(editor.EditDelay(0, Rows(), "42")) << "an event row";
}

TEST_F(SequenceEditorTest, DeleteTakesADelayOrAnEventAndNeverLeavesAKeyDown) {
  Load(Events("225+:20 4+ 4-:30 225-"));
  std::vector<SequenceRow> rows = Rows();  // 225+, 20 ms, 4+, 4-, 30 ms, 225-
  EXPECT_FALSE(editor.DeleteUnbalances(1, rows));
  EXPECT_TRUE(editor.Delete(4, rows));
  EXPECT_EQ(Text(), "225+:20 4+ 4- 225-");

  rows = Rows();  // 225+, 20 ms, 4+, 4-, 225-
  EXPECT_FALSE(editor.DeleteUnbalances(2, rows));
  EXPECT_TRUE(editor.DeleteUnbalances(3, rows));
  EXPECT_TRUE(editor.Delete(3, rows));
  EXPECT_EQ(Text(), "225+:20 4+ 225- 4-") << "the release comes back at the end";

  rows = Rows();
  EXPECT_TRUE(editor.Delete(0, rows));
  EXPECT_EQ(Text(), "4+ 225- 4-") << "the press goes with its delay";
  EXPECT_FALSE(editor.Delete(7, rows));
}

TEST(DecimalField, NumbersOfAnyLengthStayInRange) {
  EXPECT_EQ(ClampedDecimal("99999999999999999999", 1, 255), 255);
  EXPECT_EQ(ClampedDecimal("-99999999999", 1, 255), 1);
  EXPECT_EQ(ClampedDecimal("-99999999999999999999", -5, 5), -5);
  EXPECT_EQ(ClampedDecimal("  +17x9  ", 0, 100), 17);
  EXPECT_EQ(ClampedDecimal("abc", -10, 10), 0);
  EXPECT_EQ(ClampedDecimal("2147483648", 0, 2147483647), 2147483647);
}

TEST(DecimalField, TheLoopFieldIsRewrittenOnlyWhenItShowsAnotherValue) {
  const struct {
    const char* typed;
    int value;
    bool corrected;
    const char* shown;
  } cases[] = {{"7", 7, false, "7"}, {"255", 255, false, "255"}, {"0", 1, true, "1"}, {"300", 255, true, "255"},
               {"999999", 255, true, "255"}, {"007", 7, true, "7"}, {"-3", 1, true, "1"}, {"", 1, false, ""}};
  for (const auto& c : cases) {
    const LoopField field = ReadLoopField(c.typed);
    EXPECT_EQ(field.value, c.value) << c.typed;
    EXPECT_EQ(field.corrected, c.corrected) << c.typed;
    EXPECT_EQ(field.text, c.shown) << c.typed;
  }
}

}  // namespace
}  // namespace orvix
