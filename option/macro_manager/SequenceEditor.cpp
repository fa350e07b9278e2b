#include "macro_manager/SequenceEditor.h"

#include <algorithm>

#include "macro_manager/DecimalField.h"

namespace orvix {
namespace {

constexpr int kMaxLoopTimes = 255;
constexpr int kFirstMouseCode = 240;

enum MouseAction { kDown = 0, kUp = 1, kClick = 2 };

// The event a row shows, or the one a delay row follows; -1 for a row that is not there.
int EventOfRow(const MacroSequence& sequence, int row, const std::vector<SequenceRow>& rows) {
  if (row < 0 || static_cast<std::size_t>(row) >= rows.size()) return -1;
  const int event = rows[row].eventIndex();
  return event < sequence.count ? event : -1;
}

// Every edit leaves the sequence balanced; true when that changed it.
bool Commit(MacroSequence& sequence, const MacroSequence& edited) {
  const MacroSequence balanced = Balanced(edited);
  if (balanced == sequence) return false;
  sequence = balanced;
  return true;
}

}  // namespace

void SequenceEditor::Load(const MacroRecord* macro) {
  recorder_.Stop();
  hasMacro_ = macro != nullptr;
  sequence_ = macro ? MacroSequence::Of(*macro) : MacroSequence{};
  loopOn_ = macro && macro->loopCount != 0;
  loopTimes_ = macro && macro->loopCount > 0 ? std::min<int>(macro->loopCount, kMaxLoopTimes) : 1;
}

bool SequenceEditor::StartRecording(RecordPlace place, int row, const std::vector<SequenceRow>& rows,
                                    bool recordDelays) {
  if (!hasMacro_ || recording()) return false;
  int insertAt = -1;
  if (place == RecordPlace::kReplace) {
    sequence_.Clear();  // a full macro can always be recorded anew
  } else if (row != -1) {
    const int event = EventOfRow(sequence_, row, rows);
    if (event < 0) return false;
    insertAt = place == RecordPlace::kBefore ? event : event + 1;
  }
  return recorder_.Start(sequence_, insertAt, recordDelays);
}

void SequenceEditor::StopRecording() {
  recorder_.Stop();
  sequence_ = Balanced(sequence_);
}

// The edits wait for the end of a recording: the recorder holds an insertion point into the
// sequence that an edit would move.
bool SequenceEditor::InsertDelay(int row, const std::vector<SequenceRow>& rows) {
  const int event = EventOfRow(sequence_, row, rows);
  if (!hasMacro_ || recording() || event <= 0 || rows[row].isDelay()) return false;
  MacroSequence edited = sequence_;
  MacroEvent& before = edited.events[event - 1];
  if (before.delay != 0) return false;
  before.delay = 1;
  return Commit(sequence_, edited);
}

bool SequenceEditor::InsertMouseEvent(int command, int row, const std::vector<SequenceRow>& rows) {
  if (!hasMacro_ || recording() || command < kCommandFirstMouseEvent || command > kCommandLastMouseEvent) return false;
  const int insertAt = row == -1 ? sequence_.count : EventOfRow(sequence_, row, rows);
  if (insertAt < 0) return false;
  const int button = (command - kCommandFirstMouseEvent) / 3;
  const int action = (command - kCommandFirstMouseEvent) % 3;
  const auto code = static_cast<std::uint8_t>(kFirstMouseCode + button);
  if (sequence_.FreeSlots() < (action == kClick ? 2 : 1)) return false;
  MacroSequence edited = sequence_;
  if (action == kUp) {
    edited.Insert(insertAt, {code, kKeyRelease, 0});
  } else {
    edited.Insert(insertAt, {code, kKeyPress, 0});
    if (action == kClick) edited.Insert(insertAt + 1, {code, kKeyRelease, 0});
  }
  return Commit(sequence_, edited);
}

bool SequenceEditor::EditDelay(int row, const std::vector<SequenceRow>& rows, std::string_view typed) {
  const int event = EventOfRow(sequence_, row, rows);
  if (!hasMacro_ || recording() || event < 0 || !rows[row].isDelay()) return false;
  MacroSequence edited = sequence_;
  edited.events[event].delay = static_cast<std::uint16_t>(ReadDelayField(typed));
  return Commit(sequence_, edited);
}

bool SequenceEditor::DeleteUnbalances(int row, const std::vector<SequenceRow>& rows) const {
  const int event = EventOfRow(sequence_, row, rows);
  return event >= 0 && !rows[row].isDelay() && RemovalUnbalances(sequence_, event);
}

bool SequenceEditor::Delete(int row, const std::vector<SequenceRow>& rows) {
  const int event = EventOfRow(sequence_, row, rows);
  if (!hasMacro_ || recording() || event < 0) return false;
  MacroSequence edited = sequence_;
  if (rows[row].isDelay()) edited.events[event].delay = 0;
  else edited.Remove(event);
  return Commit(sequence_, edited);
}

void SequenceEditor::SetLoopTimes(int times) { loopTimes_ = std::clamp(times, 1, kMaxLoopTimes); }

}  // namespace orvix
