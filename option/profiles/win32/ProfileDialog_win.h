// The profile dialog of Create and Edit: the profile's name (at most 20 characters) and
// the three programs that select the profile while they run, each with a browse button.
// It edits copies; the caller takes them on OK.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "FormDialog_win.h"

namespace orvix {

struct ProfileDialogFields {
  std::string name;                   // ANSI, as the profile record keeps it
  std::array<std::string, 3> programs;
};

using ProfileDialogSetup = FormDialogSetup;

inline constexpr char kProfileDialogTitle[] = "Orvix One Profile";
inline constexpr int kProfileNameMaxLength = 20;

// True with `fields` changed when the user pressed OK.
bool RunProfileDialog(HWND owner, const ProfileDialogSetup& setup, ProfileDialogFields& fields);

}  // namespace orvix
