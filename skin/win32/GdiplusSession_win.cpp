// GDI+ start and shut-down.
#include "GdiplusSession_win.h"

#include <objidl.h>
#include <gdiplus.h>

namespace orvix {

GdiplusSession::GdiplusSession() {
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok) token_ = token;
}

GdiplusSession::~GdiplusSession() {
  if (token_) Gdiplus::GdiplusShutdown(token_);
}

}  // namespace orvix
