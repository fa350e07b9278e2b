// Answers the system's file dialog of the program under test, as a person would: the
// file name field gets a path, then Open or Save is pressed.
#pragma once

#include <windows.h>

#include <string>

#include "OptionProgram_win.h"

namespace orvix::test {

// False when no file dialog of the program appeared within `timeoutMs`.
bool AnswerFileDialog(const OptionProgram& program, const std::string& path, DWORD timeoutMs = 10000);

}  // namespace orvix::test
