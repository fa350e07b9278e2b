// The two timer dialogs of the button page: a new timer (name and seconds) and the editor
// of the timer list. Both leave the live list alone: the caller adds the new timer, or
// puts the edited list in place, and saves "config\Timer.ini" only on OK.
#pragma once

#include <windows.h>

#include <optional>

#include "FormDialog_win.h"
#include "timers/TimerList.h"

namespace orvix {

inline constexpr char kNewTimerDialogTitle[] = "Orvix One New Timer";
inline constexpr char kTimerEditorDialogTitle[] = "Orvix One Timer Editor";

// The accepted timer when the user pressed OK; OK does nothing while the name is empty,
// too long or another timer's.
std::optional<TimerRecord> RunNewTimerDialog(HWND owner, const FormDialogSetup& setup, const TimerList& timers);

// The edited list when the user pressed OK.
std::optional<TimerList> RunTimerEditorDialog(HWND owner, const FormDialogSetup& setup, const TimerList& timers);

}  // namespace orvix
