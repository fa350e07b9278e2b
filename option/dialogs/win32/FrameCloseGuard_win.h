// While a page's modal dialog runs, the main dialog can be closed from outside: the monitor
// posts WM_CLOSE when the mouse is unplugged or when it ends. The dialog then ends as
// refused (so the page undoes what the device was trying), and the close reaches the main
// dialog only after the page's flow is over: the guard holds it back and posts it again
// when it goes.
#pragma once

#include <windows.h>

#include <functional>

namespace orvix {

class FrameCloseGuard {
 public:
  // `onClose` ends the running dialog as cancelled; it runs at most once.
  FrameCloseGuard(HWND frame, std::function<void()> onClose);
  ~FrameCloseGuard();
  FrameCloseGuard(const FrameCloseGuard&) = delete;
  FrameCloseGuard& operator=(const FrameCloseGuard&) = delete;

  // The frame was asked to close while the guard watched it.
  bool closeRequested() const { return closeRequested_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                    DWORD_PTR self);

  HWND frame_;
  std::function<void()> onClose_;
  bool installed_ = false;
  bool closeRequested_ = false;
  WPARAM wParam_ = 0;
  LPARAM lParam_ = 0;
};

}  // namespace orvix
