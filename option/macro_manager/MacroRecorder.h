// Recording from the keyboard: the keys the low-level keyboard hook saw, in the order and
// at the times the hook gave them, become press and release events at an insertion point.
// The Windows side feeds every hook event through OnKey, exactly as the native tests do.
#pragma once

#include <cstdint>

#include "KeyboardLayout.h"
#include "macro_manager/MacroSequence.h"

namespace orvix {

// One key event of the hook: its virtual key, press or release, and the hook's own time
// stamp in milliseconds (KBDLLHOOKSTRUCT::time), so a stalled window thread never
// stretches or squeezes the delays.
struct CapturedKey {
  int virtualKey = 0;
  bool release = false;
  std::uint32_t timeMs = 0;
};

class MacroRecorder {
 public:
  // Starts recording into `sequence` before event `insertAt` (-1, or the count, appends).
  // The auto-repeat filter and the previous key's time start afresh, so the first key of
  // a recording is never taken for a repeat of the last key of the one before. False, not
  // recording, when the sequence is full or the insertion point is out of range.
  bool Start(MacroSequence& sequence, int insertAt, bool recordDelays);

  enum class Outcome {
    kIgnored,   // not recording, a repeat of the previous hook event, or a key without a code
    kRecorded,  // one event inserted
    kFull,      // one event inserted and the sequence is full: the recording has stopped
  };
  // With delay recording on, the time since the previous recorded key (at most 65535 ms,
  // unsigned arithmetic so the 49-day wrap of the tick count does no harm) becomes the
  // delay of the event just before the insertion point. The new event has delay 0.
  Outcome OnKey(const CapturedKey& key, const KeyboardLayout& layout);

  // Ends the recording; the sequence keeps what was recorded (balancing is the caller's,
  // when it writes the macro).
  void Stop();

  bool recording() const { return sequence_ != nullptr; }
  // Where the next event goes: an event index, or -1 when appending.
  int insertionPoint() const { return insertAt_; }

 private:
  MacroSequence* sequence_ = nullptr;
  int insertAt_ = -1;
  bool recordDelays_ = false;
  bool firstKeySeen_ = false;
  std::uint32_t previousTime_ = 0;
  int previousVirtualKey_ = -1;
  bool previousRelease_ = false;
};

}  // namespace orvix
