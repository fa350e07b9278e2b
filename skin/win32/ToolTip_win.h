// The balloon tool tip of one control. The control relays its mouse messages, so the tool
// tip needs no subclass of its own.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "GdiHandles_win.h"

namespace orvix {

class ToolTip {
 public:
  // Empty text removes the tip; the window is made on the first text.
  void Set(HWND control, std::wstring_view text);
  void Relay(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
  void Destroy() { window_.reset(); }

  HWND window() const { return window_.get(); }
  const std::wstring& text() const { return text_; }

 private:
  void Add();

  OwnedWindow window_;
  HWND control_ = nullptr;
  std::wstring text_;
  bool added_ = false;
};

}  // namespace orvix
