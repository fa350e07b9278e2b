// Balloon tool tips of comctl32.
#include "ToolTip_win.h"

#include <commctrl.h>

#include "SkinClasses_win.h"

namespace orvix {
namespace {

TTTOOLINFOW ToolOf(HWND control, std::wstring& text) {
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;  // understood by comctl32 5.8 and 6 alike
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = control;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text.data();
  return tool;
}

}  // namespace

void ToolTip::Set(HWND control, std::wstring_view text) {
  text_ = text;
  control_ = control;
  if (!control) return;
  // The tip's window is made when the pointer first comes: a dialog of forty controls then
  // starts without forty windows it may never need.
  if (!window_) return;
  if (text_.empty()) {
    if (added_) {
      TTTOOLINFOW tool = ToolOf(control, text_);
      ::SendMessageW(window_.get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
      added_ = false;
    }
    return;
  }
  Add();
}

void ToolTip::Add() {
  const HWND control = control_;
  if (!window_) {
    EnsureSkinClasses();
    window_.reset(::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                    WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP | TTS_BALLOON, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, control, nullptr,
                                    ::GetModuleHandleW(nullptr), nullptr));
    if (!window_) return;
    ::SendMessageW(window_.get(), TTM_SETMAXTIPWIDTH, 0, 320);
  }
  TTTOOLINFOW tool = ToolOf(control, text_);
  if (added_) {
    ::SendMessageW(window_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  } else {
    added_ = ::SendMessageW(window_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
  }
}

void ToolTip::Relay(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!window_ && !text_.empty() && control == control_ && message == WM_MOUSEMOVE) Add();
  if (!window_ || !added_) return;
  DWORD position = ::GetMessagePos();
  MSG msg{control, message, wParam, lParam, static_cast<DWORD>(::GetMessageTime()),
          {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))}};
  ::SendMessageW(window_.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

}  // namespace orvix
