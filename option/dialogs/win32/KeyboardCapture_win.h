// The program's keyboard capture: the one low-level keyboard hook of the program, which
// hands every key the user presses or releases to the window of the newest capture, as
// WM_OPT_CAPTURED_KEY, and swallows it, so no program sees keys while a shortcut, a
// macro or a timeline key is being recorded. Keys that a program injected (the monitor
// replaying a macro or a shortcut, a test's synthetic input) are neither handed over nor
// swallowed. The hook runs in the installing thread's message loop and only posts: any
// stall of that thread would stall the whole session's keyboard, so nothing blocking may
// run while a capture is active (see Active and the idle notice).
#pragma once

#include <windows.h>

#include "macro_manager/MacroRecorder.h"

namespace orvix {

// wParam: the virtual key; lParam: kCapturedRelease for a release, and the hook's own time
// stamp (its low 24 bits) above it. DecodeCapturedKey gives both back.
inline constexpr UINT WM_OPT_CAPTURED_KEY = WM_USER + 10;
inline constexpr LPARAM kCapturedRelease = 0x80;

// Read when the message is handled: the time stamp is completed from the tick count then,
// which is exact while the message waits less than 4.6 hours.
CapturedKey DecodeCapturedKey(WPARAM wParam, LPARAM lParam);

class KeyboardCapture {
 public:
  explicit KeyboardCapture(HWND target);
  KeyboardCapture(const KeyboardCapture&) = delete;
  KeyboardCapture& operator=(const KeyboardCapture&) = delete;
  ~KeyboardCapture();

  bool active() const { return active_; }

  // A capture of the program is active, so its hook is installed.
  static bool Active();
  // `message` is posted to `window` each time the last capture ends: work held back while
  // the hook was installed can run then.
  static void NotifyWhenIdle(HWND window, UINT message);

 private:
  static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam);

  HWND target_;
  KeyboardCapture* previous_ = nullptr;
  bool active_ = false;
};

}  // namespace orvix
