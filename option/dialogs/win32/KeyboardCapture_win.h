// The program's keyboard capture: a low-level keyboard hook that hands every key the user
// presses or releases to one window, as WM_OPT_CAPTURED_KEY (wParam the virtual key,
// lParam 0x80 for a release, 0 for a press), and swallows it, so no program sees keys
// while a shortcut or a macro is being recorded. Keys that a program injected (the
// monitor replaying a macro or a shortcut) are neither handed over nor swallowed.
// The newest capture gets the keys until it ends. The hook runs in the
// installing thread's message loop and only posts.
#pragma once

#include <windows.h>

namespace orvix {

inline constexpr UINT WM_OPT_CAPTURED_KEY = WM_USER + 10;
inline constexpr LPARAM kCapturedRelease = 0x80;

class KeyboardCapture {
 public:
  explicit KeyboardCapture(HWND target);
  KeyboardCapture(const KeyboardCapture&) = delete;
  KeyboardCapture& operator=(const KeyboardCapture&) = delete;
  ~KeyboardCapture();

  bool active() const { return hook_ != nullptr; }

 private:
  static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam);

  HHOOK hook_ = nullptr;
  HWND target_;
  KeyboardCapture* previous_ = nullptr;
};

}  // namespace orvix
