#include "FrameCloseGuard_win.h"

#include <commctrl.h>

namespace orvix {
namespace {

// One id per guard object: nested dialogs (the wizard, then its acceptance) each have one.
UINT_PTR IdOf(const FrameCloseGuard* guard) { return reinterpret_cast<UINT_PTR>(guard); }

}  // namespace

FrameCloseGuard::FrameCloseGuard(HWND frame, std::function<void()> onClose)
    : frame_(frame), onClose_(std::move(onClose)) {
  if (frame_ && ::IsWindow(frame_))
    installed_ = ::SetWindowSubclass(frame_, &FrameCloseGuard::Procedure, IdOf(this),
                                     reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

FrameCloseGuard::~FrameCloseGuard() {
  if (installed_) ::RemoveWindowSubclass(frame_, &FrameCloseGuard::Procedure, IdOf(this));
  // Handed on once the dialog is gone: the page's flow finishes before the frame closes.
  if (closeRequested_ && ::IsWindow(frame_)) ::PostMessageW(frame_, WM_CLOSE, wParam_, lParam_);
}

LRESULT CALLBACK FrameCloseGuard::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR self) {
  auto* guard = reinterpret_cast<FrameCloseGuard*>(self);
  if (message != WM_CLOSE || !guard) return ::DefSubclassProc(window, message, wParam, lParam);
  if (!guard->closeRequested_) {
    guard->closeRequested_ = true;
    guard->wParam_ = wParam;
    guard->lParam_ = lParam;
    if (guard->onClose_) guard->onClose_();
  }
  return 0;
}

}  // namespace orvix
