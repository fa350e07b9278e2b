// The stand-in for programs the monitor starts (started_program.exe, built beside the test
// programs): copied to where the monitor looks for a program, it notes that it ran.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace orvix::test {

// Copies the stand-in to `path`, creating its folder; false when it could not.
bool InstallStandIn(const std::string& path);

// The command line the stand-in at `path` noted in "<path>.started", once it has run;
// pumps this thread's messages while it waits.
std::optional<std::string> WaitForStart(const std::string& path, DWORD timeoutMs);

}  // namespace orvix::test
