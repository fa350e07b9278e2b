// The macro manager "Orvix One Macro Manager": macro sets and their macros on the left,
// the sequence list editor or the timeline editor on the right. It edits the session's
// working copy only; OK hands that back to the caller to become the library.
#pragma once

#include <windows.h>

#include "FormDialog_win.h"
#include "macro_manager/MacroManagerModel.h"
#include "macros/MacroManagerSession.h"

namespace orvix {

inline constexpr char kMacroManagerTitle[] = "Orvix One Macro Manager";
inline constexpr char kMacroSetNameTitle[] = "Orvix One Macro Set";

struct MacroManagerRequest {
  int set = -1;               // opened from a set's "Edit Macro..." entry; -1 without a set
  ButtonMacroNames button;    // the macro the button being edited carries
};

// True when the manager was closed with OK: the caller then accepts the session.
bool RunMacroManager(HWND owner, const FormDialogSetup& setup, MacroManagerSession& session,
                     const MacroManagerRequest& request);

}  // namespace orvix
