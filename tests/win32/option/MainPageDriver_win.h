// Drives the main page of the program under test as a user would: the page is the parent
// of the DPI level rows, its controls are found by the identifiers their notifications
// carry, sliders are moved with their keys, number boxes typed into (the text set, then
// Enter), buttons clicked. Every key and click is posted.
#pragma once

#include <windows.h>

#include <string>

#include "MonitorHarness_win.h"
#include "OptionProgram_win.h"

namespace orvix::test::main_page {

inline constexpr int kSensitivitySlider = 300;
inline constexpr int kScrollSlider = 301;
inline constexpr int kTiltSlider = 302;
inline constexpr int kDoubleClickSlider = 303;
inline constexpr int kSensitivityNumber = 400;
inline constexpr int kRowSlider = 300;  // inside a row
inline constexpr int kRowNumber = 400;
// What a notification takes to come through the program's queue (a control posts to the
// row, the row to the page).
inline constexpr DWORD kSettleMs = 300;

inline BOOL CALLBACK FindRow(HWND window, LPARAM found) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  if (std::wstring(name) != L"OrvixDpiLevelRow") return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// The page: the parent of the DPI level rows.
inline HWND Page(HWND mainWindow) {
  HWND row = nullptr;
  ::EnumChildWindows(mainWindow, &FindRow, reinterpret_cast<LPARAM>(&row));
  return row ? ::GetParent(row) : nullptr;
}

inline HWND Row(HWND page, int level) { return ::GetDlgItem(page, 500 + level); }

// A row's button by its label ("Enable", "Level 2", "4000").
inline HWND RowButton(HWND row, const std::wstring& label) { return ChildButton(row, label); }

inline bool Post(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return window && ::PostMessageW(window, message, wParam, lParam);
}

// Home, then `steps` times the right arrow: the slider's minimum plus `steps`.
inline bool MoveSlider(HWND slider, int steps) {
  if (!Post(slider, WM_KEYDOWN, VK_HOME, 1)) return false;
  for (int i = 0; i < steps; ++i) Post(slider, WM_KEYDOWN, VK_RIGHT, 1);
  return true;
}
inline bool SliderToEnd(HWND slider) { return Post(slider, WM_KEYDOWN, VK_END, 1); }

inline HWND NumberEdit(HWND box) { return box ? ::GetWindow(box, GW_CHILD) : nullptr; }

// The text typed into the box's field, then Enter.
inline bool Type(HWND box, const wchar_t* text) {
  const HWND edit = NumberEdit(box);
  DWORD_PTR result = 0;
  if (!edit || !::SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 3000,
                                      &result))
    return false;
  return Post(edit, WM_KEYDOWN, VK_RETURN, 1);
}

inline std::wstring NumberText(HWND box) { return WindowText(NumberEdit(box)); }

inline bool Click(HWND button) { return Post(button, BM_CLICK); }

inline bool IsWindowChecked(HWND button) {
  DWORD_PTR state = 0;
  return button && ::SendMessageTimeoutW(button, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &state) &&
         state == BST_CHECKED;
}

inline bool Settle() {
  PumpFor(kSettleMs);
  return true;
}

}  // namespace orvix::test::main_page
