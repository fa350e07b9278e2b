// The file dialogs of the profile commands: a program to link, a profile file to load,
// the file to save a profile to. Each returns the chosen full path (ANSI, as the records
// keep paths), or nothing when the user cancelled or the path would not fit.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace orvix {

// A program: "exe file(*.exe)", starting on the Desktop.
std::optional<std::string> ChooseProgram(HWND owner);
// An existing profile file, starting in `startFolder`.
std::optional<std::string> ChooseProfileToLoad(HWND owner, const std::string& startFolder);
// Where to save a profile: `proposedName` in `startFolder`; asks before replacing a file.
std::optional<std::string> ChooseProfileToSave(HWND owner, const std::string& startFolder,
                                               const std::string& proposedName);

// The user's Documents folder (ending in a backslash), or empty.
std::string DocumentsFolder();

}  // namespace orvix
