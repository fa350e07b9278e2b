// Off-screen painting: a control draws into a memory bitmap of its client size, copied to
// the screen in one BitBlt at the end of the scope, so nothing flickers.
#pragma once

#include <windows.h>

#include "GdiHandles_win.h"

namespace orvix {

class PaintBuffer {
 public:
  PaintBuffer(HDC target, const RECT& area)
      : target_(target),
        area_(area),
        dc_(::CreateCompatibleDC(target)),
        bitmap_(::CreateCompatibleBitmap(target, Width(), Height())),
        selected_(dc_.get(), bitmap_.get()) {
    if (ok()) ::SetWindowOrgEx(dc_.get(), area_.left, area_.top, nullptr);
  }
  PaintBuffer(const PaintBuffer&) = delete;
  PaintBuffer& operator=(const PaintBuffer&) = delete;
  ~PaintBuffer() {
    if (ok()) ::BitBlt(target_, area_.left, area_.top, Width(), Height(), dc_.get(), area_.left, area_.top, SRCCOPY);
  }

  // Where to draw: the buffer, or the target itself when no buffer could be made.
  HDC dc() const { return ok() ? dc_.get() : target_; }

 private:
  bool ok() const { return dc_ && bitmap_; }
  int Width() const { return area_.right - area_.left > 0 ? area_.right - area_.left : 1; }
  int Height() const { return area_.bottom - area_.top > 0 ? area_.bottom - area_.top : 1; }

  HDC target_;
  RECT area_;
  MemoryDc dc_;
  BitmapHandle bitmap_;
  SelectedObject selected_;
};

// Handles WM_PAINT with a buffer over the whole client area: `paint(dc, client)`.
template <typename Paint>
void PaintWindowBuffered(HWND window, Paint&& paint) {
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(window, &ps);
  if (!dc) return;
  RECT client;
  ::GetClientRect(window, &client);
  {
    PaintBuffer buffer(dc, client);
    paint(buffer.dc(), client);
  }
  ::EndPaint(window, &ps);
}

}  // namespace orvix
