// Owners for the GDI and window handles of the skin toolkit, on top of UniqueHandle.
#pragma once

#include <windows.h>

#include <utility>

#include "UniqueHandle.h"

namespace orvix {

template <typename T>
struct GdiObjectTraits {
  using Handle = T;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::DeleteObject(h); }
};
using BitmapHandle = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using RegionHandle = UniqueHandle<GdiObjectTraits<HRGN>>;
using FontHandle = UniqueHandle<GdiObjectTraits<HFONT>>;
using BrushHandle = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using PenHandle = UniqueHandle<GdiObjectTraits<HPEN>>;

struct MemoryDcTraits {
  using Handle = HDC;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::DeleteDC(h); }
};
using MemoryDc = UniqueHandle<MemoryDcTraits>;

// A window this code created and owns (tool tips, hidden helper windows).
struct OwnedWindowTraits {
  using Handle = HWND;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  // An owned pop-up dies with its owner; it must not be destroyed twice.
  static void Close(Handle h) {
    if (::IsWindow(h)) ::DestroyWindow(h);
  }
};
using OwnedWindow = UniqueHandle<OwnedWindowTraits>;

struct HookTraits {
  using Handle = HHOOK;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::UnhookWindowsHookEx(h); }
};
using HookHandle = UniqueHandle<HookTraits>;

// A DC of GetDC, released to the window it came from.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(::GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ::ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// An object selected into a DC for a scope; the previous one goes back at the end, so the
// object can be deleted afterwards.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? ::SelectObject(dc, object) : nullptr) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() {
    if (previous_) ::SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace orvix
