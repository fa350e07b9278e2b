// The sequence list editor without its window: the macro's private copy of events, the
// recording, the context menu's edits, the loop setting. The manager writes `sequence()`
// and `storedLoopCount()` into the working copy after each change the editor reports.
#pragma once

#include <cstdint>
#include <string_view>

#include "macro_manager/MacroRecorder.h"
#include "macro_manager/MacroSequence.h"
#include "macro_manager/SequenceRows.h"

namespace orvix {

// The context menu's commands.
inline constexpr int kCommandRecordBefore = 1001;
inline constexpr int kCommandRecordAfter = 1002;
inline constexpr int kCommandInsertDelay = 1003;
inline constexpr int kCommandEditDelay = 1004;
inline constexpr int kCommandDelete = 1005;
inline constexpr int kCommandFirstMouseEvent = 1020;  // 1020 + 3 b + k: button b 0..4, k 0 Down, 1 Up, 2 Click
inline constexpr int kCommandLastMouseEvent = 1034;

class SequenceEditor {
 public:
  // The macro to edit, or none (nullptr): count 0, loop off with 1.
  void Load(const MacroRecord* macro);
  bool hasMacro() const { return hasMacro_; }

  const MacroSequence& sequence() const { return sequence_; }
  std::vector<SequenceRow> Rows(const KeyboardLayout& layout) const { return SequenceRowsOf(sequence_, layout); }

  // Recording. "Start Record" clears the sequence and appends; "before" and "after" insert
  // before / after the event of `row` (a delay row: the event it follows), appending when
  // `row` is -1. False when there is no macro, the sequence is full, or already recording.
  enum class RecordPlace { kReplace, kBefore, kAfter };
  bool StartRecording(RecordPlace place, int row, const std::vector<SequenceRow>& rows, bool recordDelays);
  MacroRecorder::Outcome OnKey(const CapturedKey& key, const KeyboardLayout& layout) { return recorder_.OnKey(key, layout); }
  // Ends the recording and balances the sequence (see Balanced).
  void StopRecording();
  bool recording() const { return recorder_.recording(); }

  // The context menu's edits on `row` of `rows` (the rows of the current sequence). Each
  // returns true when the sequence changed; the sequence is balanced afterwards.
  // Insert Delay: on an event row whose event is not the first and whose predecessor has
  // no delay, that delay becomes 1 ms.
  bool InsertDelay(int row, const std::vector<SequenceRow>& rows);
  // Mouse events (command 1020..1034) before the row's event, or appended for row -1;
  // nothing when they do not all fit.
  bool InsertMouseEvent(int command, int row, const std::vector<SequenceRow>& rows);
  // A delay row's new value from the in-place edit (see ReadDelayField).
  bool EditDelay(int row, const std::vector<SequenceRow>& rows, std::string_view typed);
  // Delete: a delay row's delay becomes 0; an event row's event goes with its delay.
  // Whether that delete would leave a key down (the window asks first; the balancing then
  // appends the missing release).
  bool DeleteUnbalances(int row, const std::vector<SequenceRow>& rows) const;
  bool Delete(int row, const std::vector<SequenceRow>& rows);

  // The loop switch and count field. The stored loop count: the count when on, 1 when off.
  bool loopOn() const { return loopOn_; }
  int loopTimes() const { return loopTimes_; }
  void SetLoopOn(bool on) { loopOn_ = on; }
  void SetLoopTimes(int times);  // held to 1..255
  std::int32_t storedLoopCount() const { return loopOn_ ? loopTimes_ : 1; }

 private:
  MacroSequence sequence_;
  MacroRecorder recorder_;
  bool hasMacro_ = false;
  bool loopOn_ = false;
  int loopTimes_ = 1;
};

}  // namespace orvix
