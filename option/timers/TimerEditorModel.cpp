#include "timers/TimerEditorModel.h"

#include "FixedText.h"
#include "macros/MacroRecord.h"
#include "macros/NameText.h"

namespace orvix {

void TimerEditorModel::Select(int index) {
  selected_ = timers_.Find(index) ? index : -1;
  ShowSelected();
}

void TimerEditorModel::ShowSelected() {
  const TimerRecord* timer = timers_.Find(selected_);
  name_ = timer ? std::string(FixedTextView(timer->name)) : std::string();
  seconds_ = timer ? timer->seconds : kSecondsWithoutTimer;
}

TimerEditorModel::SaveResult TimerEditorModel::Save(std::string_view name, int seconds) {
  // `name` may be name() itself: take the copy before the field changes.
  const std::string typed(name);
  name_ = typed;
  seconds_ = seconds;
  const TimerRecord* timer = timers_.Find(selected_);
  if (!timer) return SaveResult::kNothingSelected;
  const std::string_view trimmed = TrimName(typed);
  if (trimmed.empty()) return SaveResult::kEmptyName;
  const int holder = timers_.IndexOf(trimmed);
  if (holder >= 0 && holder != selected_) return SaveResult::kNameTaken;
  SaveResult result = SaveResult::kSecondsChanged;
  if (holder == selected_) {
    // Its own name, even one longer than can be typed now: only the seconds change.
    timers_.Change(selected_, FixedTextView(timer->name), seconds);
  } else if (trimmed.size() > static_cast<std::size_t>(kTypedNameLength)) {
    return SaveResult::kNameTooLong;
  } else {
    timers_.Change(selected_, trimmed, seconds);
    result = SaveResult::kRenamed;
  }
  ShowSelected();
  return result;
}

bool TimerEditorModel::Delete() {
  if (!timers_.Remove(selected_)) return false;
  if (selected_ >= timers_.Count()) selected_ = timers_.Count() - 1;
  ShowSelected();
  return true;
}

const TimerList& TimerEditorModel::Finish(std::string_view name, int seconds) {
  Save(name, seconds);
  return timers_;
}

}  // namespace orvix
