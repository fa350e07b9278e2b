// What the new-timer dialog accepts: a name and seconds checked against the timer list.
#pragma once

#include <string_view>

#include "timers/TimerList.h"

namespace orvix {

enum class TimerRefusal {
  kNone,               // accepted
  kListFull,           // 50 timers already: the button page offers no "Create Timer"
  kEmptyName,          // empty after trimming
  kNameTooLong,        // more than the 24 characters the name field takes
  kNameTaken,          // another timer has it, case-insensitively
  kSecondsOutOfRange,  // outside the spin's 15..999
};

struct NewTimerCheck {
  TimerRefusal refusal = TimerRefusal::kNone;
  TimerRecord timer{};  // trimmed name and seconds, when accepted
  bool accepted() const { return refusal == TimerRefusal::kNone; }
};

// Whether the button page may offer a new timer at all.
bool CanCreateTimer(const TimerList& timers);

// OK of the new-timer dialog. An accepted timer goes into the list with timers.Add.
NewTimerCheck CheckNewTimer(const TimerList& timers, std::string_view typedName, int seconds);

}  // namespace orvix
