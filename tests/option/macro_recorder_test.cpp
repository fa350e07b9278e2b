#include "macro_manager/MacroRecorder.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "MacroEventText.h"
#include "TestLayouts.h"
#include "macro_manager/SequenceEditor.h"

namespace orvix {
namespace {

using Outcome = MacroRecorder::Outcome;
using testing::Events;
using testing::PairsThen;
using testing::RecordOf;
using testing::TextOf;

constexpr int kVkA = 0x41;  // key code 4 on a US layout
constexpr int kVkB = 0x42;  // 5
constexpr int kVkLeftShift = 0xA0;  // 225
constexpr int kVkWithoutCode = 0xFF;

CapturedKey Down(int virtualKey, std::uint32_t time) { return {virtualKey, false, time}; }
CapturedKey Up(int virtualKey, std::uint32_t time) { return {virtualKey, true, time}; }

class MacroRecorderTest : public ::testing::Test {
 protected:
  void Feed(std::initializer_list<CapturedKey> keys) {
    for (const CapturedKey& key : keys) recorder.OnKey(key, us);
  }
  testing::UsLayout us;
  MacroRecorder recorder;
  MacroSequence sequence;
};

TEST_F(MacroRecorderTest, AHeldKeyGivesOnePressAndOneRelease) {
  ASSERT_TRUE(recorder.Start(sequence, -1, true));
  EXPECT_EQ(recorder.OnKey(Down(kVkA, 1000), us), Outcome::kRecorded);
  EXPECT_EQ(recorder.OnKey(Down(kVkA, 1500), us), Outcome::kIgnored);
  EXPECT_EQ(recorder.OnKey(Down(kVkA, 1530), us), Outcome::kIgnored);
  EXPECT_EQ(recorder.OnKey(Up(kVkA, 1600), us), Outcome::kRecorded);
  EXPECT_EQ(TextOf(sequence), "4+:600 4-") << "the delay runs from the first press, not from a repeat";
  EXPECT_EQ(recorder.OnKey(Down(kVkWithoutCode, 1700), us), Outcome::kIgnored);
  EXPECT_EQ(sequence.count, 2);
}

TEST_F(MacroRecorderTest, ARecordingStartsWithoutThePreviousRecordingsLastKey) {
  ASSERT_TRUE(recorder.Start(sequence, -1, true));
  Feed({Down(kVkLeftShift, 10), Down(kVkA, 60)});
  recorder.Stop();
  EXPECT_EQ(recorder.OnKey(Up(kVkA, 70), us), Outcome::kIgnored) << "not recording";

  ASSERT_TRUE(recorder.Start(sequence, -1, true));
  EXPECT_EQ(recorder.OnKey(Down(kVkA, 90000), us), Outcome::kRecorded);
  EXPECT_EQ(TextOf(sequence), "225+:50 4+ 4+") << "the first key of a recording sets no delay";
}

TEST_F(MacroRecorderTest, DelaysComeFromTheHookTimesCappedAndAcrossTheTickWrap) {
  ASSERT_TRUE(recorder.Start(sequence, -1, true));
  Feed({Down(kVkA, 5000), Up(kVkA, 5300), Down(kVkB, 5300 + 70000), Up(kVkB, 0xFFFFFF00u), Down(kVkA, 0x64)});
  EXPECT_EQ(TextOf(sequence), "4+:300 4-:65535 5+:65535 5-:356 4+");

  // Without delay recording the new events have none and the old ones keep theirs.
  MacroSequence kept = Events("225+:40 225-:70");
  ASSERT_TRUE(recorder.Start(kept, 1, false));
  Feed({Down(kVkA, 100), Up(kVkA, 900)});
  EXPECT_EQ(TextOf(kept), "225+:40 4+ 4- 225-:70");
}

TEST_F(MacroRecorderTest, InsertingBeforeAnEventMovesTheInsertionPointAlong) {
  sequence = Events("225+:50 225-");
  ASSERT_TRUE(recorder.Start(sequence, 1, true));
  Feed({Down(kVkA, 100), Up(kVkA, 180)});
  EXPECT_EQ(recorder.insertionPoint(), 3);
  EXPECT_EQ(TextOf(sequence), "225+:50 4+:80 4- 225-") << "the delay before the first key is left alone";

  EXPECT_FALSE(recorder.Start(sequence, 5, true));
  EXPECT_FALSE(recorder.Start(sequence, -2, true));
  EXPECT_FALSE(recorder.recording());
  ASSERT_TRUE(recorder.Start(sequence, 4, true));
  EXPECT_EQ(recorder.insertionPoint(), -1) << "the count itself appends";
}

TEST_F(MacroRecorderTest, NeverWritesA501stEvent) {
  MacroSequence full = PairsThen(kMaxMacroEvents / 2);
  EXPECT_FALSE(recorder.Start(full, 0, true));
  EXPECT_FALSE(recorder.Start(full, 250, true));
  EXPECT_FALSE(recorder.Start(full, -1, true));

  MacroSequence almost = PairsThen(kMaxMacroEvents / 2 - 1, "5-");
  ASSERT_TRUE(recorder.Start(almost, 0, true));
  EXPECT_EQ(recorder.OnKey(Down(kVkB, 1), us), Outcome::kFull);
  EXPECT_FALSE(recorder.recording());
  EXPECT_EQ(recorder.OnKey(Up(kVkB, 2), us), Outcome::kIgnored);
  EXPECT_EQ(almost.count, kMaxMacroEvents);
  EXPECT_EQ(almost.events[0].key, 5);

  ASSERT_TRUE(recorder.Start(sequence, -1, false));
  int recorded = 0;
  for (std::uint32_t t = 0; t < 600; ++t) {
    const Outcome outcome = recorder.OnKey(t % 2 ? Up(kVkA, t) : Down(kVkA, t), us);
    if (outcome != Outcome::kIgnored) ++recorded;
    if (outcome == Outcome::kFull) {
      EXPECT_EQ(t, 499u);
    }
  }
  EXPECT_EQ(recorded, kMaxMacroEvents);
  EXPECT_EQ(sequence.count, kMaxMacroEvents);
}

TEST(SequenceEditorRecording, StoppingInTheMiddleOfAKeyReleasesWhatIsHeld) {
  const testing::UsLayout us;
  const MacroRecord macro = RecordOf(Events("6+:20 6-"));
  SequenceEditor editor;
  editor.Load(&macro);
  const std::vector<SequenceRow> rows = editor.Rows(us);
  ASSERT_TRUE(editor.StartRecording(SequenceEditor::RecordPlace::kBefore, 0, rows, true));
  EXPECT_FALSE(editor.StartRecording(SequenceEditor::RecordPlace::kAfter, 0, rows, true)) << "already recording";
  EXPECT_FALSE(editor.Delete(0, rows)) << "edits wait for the recording to end";
  editor.OnKey(Down(kVkLeftShift, 0), us);
  editor.OnKey(Down(kVkA, 25), us);
  editor.StopRecording();
  EXPECT_EQ(TextOf(editor.sequence()), "225+:25 4+ 6+:20 6- 4- 225-");
}

}  // namespace
}  // namespace orvix
