// The timer file "config\Timer.ini": section "Timer", "Count" and the 104-byte timer
// records as struct texts under "0", "1", ...
#pragma once

#include "SettingsStore.h"
#include "timers/TimerList.h"

namespace orvix {

inline constexpr char kTimerFile[] = "config\\Timer.ini";

// Replaces `timers` with the file's; a missing file gives an empty list. Of a damaged or
// hand-edited file at most 50 timers are read, an unreadable one is skipped, names are
// terminated and trimmed (an empty or repeated one made unique), seconds clamped to
// 15..999.
void LoadTimerList(const SettingsStore& store, TimerList& timers);

// Replaces the file whole with the list, so no key of a longer list stays behind; the
// old file stays when the new one cannot be written.
bool SaveTimerList(const SettingsStore& store, const TimerList& timers);

}  // namespace orvix
