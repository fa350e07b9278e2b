#include "timers/NewTimerRules.h"

#include "FixedText.h"
#include "macros/NameText.h"
#include "macros/MacroRecord.h"

namespace orvix {

bool CanCreateTimer(const TimerList& timers) { return !timers.Full(); }

NewTimerCheck CheckNewTimer(const TimerList& timers, std::string_view typedName, int seconds) {
  NewTimerCheck check;
  const std::string_view name = TrimName(typedName);
  if (timers.Full()) check.refusal = TimerRefusal::kListFull;
  else if (name.empty()) check.refusal = TimerRefusal::kEmptyName;
  else if (name.size() > static_cast<std::size_t>(kTypedNameLength)) check.refusal = TimerRefusal::kNameTooLong;
  else if (timers.IndexOf(name) >= 0) check.refusal = TimerRefusal::kNameTaken;
  else if (seconds < kTimerMinimumSeconds || seconds > kTimerMaximumSeconds)
    check.refusal = TimerRefusal::kSecondsOutOfRange;
  if (!check.accepted()) return check;
  check.timer.seconds = seconds;
  CopyFixedText(check.timer.name, name);
  return check;
}

}  // namespace orvix
