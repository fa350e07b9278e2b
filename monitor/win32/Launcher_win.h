// Windows of the other programs, found by title, and starting those programs with the
// shell verb "open".
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace orvix {

// Posts to the window with that title when it exists; false when there is none.
bool PostToWindowTitled(const char* title, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// Brings the configuration program to the front (restored when minimised), or starts it.
void OpenConfigurationProgram(const std::string& installFolder);

void StartOsdProgram(const std::string& installFolder);
void CloseOsdWindows();

// Compares the mouse's firmware with the updater's; starts the updater when they differ.
// True when the updater was started (the monitor then closes itself).
bool RunFirmwareCheck(const std::string& installFolder, std::optional<int> deviceVersion);

}  // namespace orvix
