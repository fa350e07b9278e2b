// Drives the advanced page and its dialogs in the program under test: the page's controls
// are children of the page window, the wizard's buttons children of its pages, so they are
// looked for among all descendants; every click and key is posted.
#pragma once

#include <windows.h>

#include "Messages.h"
#include "MonitorHarness_win.h"
#include "OptionProgram_win.h"

#include <string>
#include <vector>

// DescendantButton: the first descendant button of `root` labelled `label`. Descendants:
// those of a window class, in window order. WaitForWizard: the calibration wizard's window,
// looked for by its title as the monitor does it.
namespace orvix::test {
namespace advanced_driver {

inline std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  return name;
}

struct Search {
  std::wstring className;
  std::vector<HWND> found;
};

// The callback convention is spelled out: the 32-bit side's differs from a lambda's.
inline BOOL CALLBACK Collect(HWND window, LPARAM context) {
  auto& s = *reinterpret_cast<Search*>(context);
  if (_wcsicmp(ClassOf(window).c_str(), s.className.c_str()) == 0) s.found.push_back(window);
  return TRUE;
}

}  // namespace advanced_driver

inline std::vector<HWND> Descendants(HWND root, const wchar_t* className) {
  advanced_driver::Search search{className, {}};
  ::EnumChildWindows(root, &advanced_driver::Collect, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

inline HWND DescendantButton(HWND root, const std::wstring& label) {
  for (HWND button : Descendants(root, L"Button"))
    if (WindowText(button) == label) return button;
  return nullptr;
}

inline bool PostClick(HWND button) { return button && ::PostMessageW(button, BM_CLICK, 0, 0); }

inline bool IsChecked(HWND button) {
  DWORD_PTR state = 0;
  return ::SendMessageTimeoutW(button, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &state) && state == BST_CHECKED;
}

inline bool PostKey(HWND window, UINT virtualKey) { return window && ::PostMessageW(window, WM_KEYDOWN, virtualKey, 1); }

inline HWND WaitForWizard(DWORD timeoutMs) {
  HWND wizard = nullptr;
  PumpUntil([&] { return (wizard = ::FindWindowA(nullptr, kCalibrationWindowTitle)) != nullptr; }, timeoutMs);
  return wizard;
}

inline bool WaitUntilGone(HWND window, DWORD timeoutMs) {
  return PumpUntil([&] { return !::IsWindow(window); }, timeoutMs);
}

}  // namespace orvix::test
