#include "macro_manager/MacroRecorder.h"

#include <algorithm>

#include "KeyTable.h"

namespace orvix {

bool MacroRecorder::Start(MacroSequence& sequence, int insertAt, bool recordDelays) {
  Stop();
  if (insertAt == sequence.count) insertAt = -1;
  if (sequence.FreeSlots() <= 0 || insertAt < -1 || insertAt > sequence.count) return false;
  sequence_ = &sequence;
  insertAt_ = insertAt;
  recordDelays_ = recordDelays;
  firstKeySeen_ = false;
  previousTime_ = 0;
  previousVirtualKey_ = -1;
  previousRelease_ = false;
  return true;
}

MacroRecorder::Outcome MacroRecorder::OnKey(const CapturedKey& key, const KeyboardLayout& layout) {
  if (!recording()) return Outcome::kIgnored;
  // A held key repeats its press; the filter looks at every hook event, so a key between
  // two presses of the same key lets the second one through.
  const bool repeat = key.virtualKey == previousVirtualKey_ && key.release == previousRelease_;
  previousVirtualKey_ = key.virtualKey;
  previousRelease_ = key.release;
  if (repeat) return Outcome::kIgnored;

  const std::optional<int> code = VirtualKeyToUsage(key.virtualKey, layout);
  if (!code || *code <= 0 || *code > 255) return Outcome::kIgnored;

  MacroSequence& sequence = *sequence_;
  const int insertAt = insertAt_ == -1 ? sequence.count : insertAt_;
  if (sequence.FreeSlots() <= 0 || insertAt > sequence.count) {  // the sequence changed behind the recording
    Stop();
    return Outcome::kIgnored;
  }
  if (firstKeySeen_ && recordDelays_ && insertAt > 0) {
    const std::uint32_t elapsed = key.timeMs - previousTime_;  // unsigned: survives the tick count's wrap
    sequence.events[insertAt - 1].delay = static_cast<std::uint16_t>(std::min<std::uint32_t>(elapsed, kMaxMacroDelay));
  }
  const auto direction = static_cast<std::uint8_t>(key.release ? kKeyRelease : kKeyPress);
  sequence.Insert(insertAt, MacroEvent{static_cast<std::uint8_t>(*code), direction, 0});
  if (insertAt_ != -1) ++insertAt_;
  previousTime_ = key.timeMs;
  firstKeySeen_ = true;
  if (sequence.FreeSlots() == 0) {
    Stop();
    return Outcome::kFull;
  }
  return Outcome::kRecorded;
}

void MacroRecorder::Stop() {
  sequence_ = nullptr;
  insertAt_ = -1;
}

}  // namespace orvix
