// The frame of the skin's pop-up menus. The system paints a menu window's border itself,
// in system colours around the dark owner-drawn items; a per-thread window-procedure hook
// finds the windows of the menu class "#32768" when they are created (or first sized),
// keeps their procedure in the window property "CoolMenu_oldProc" and puts one in front of
// it that paints the border and the margin in the theme's colours. Menus without
// owner-drawn items (the system menu) keep the system's look. The property and the
// procedure are removed when the window is destroyed.
#pragma once

#include <memory>

#include "GdiHandles_win.h"

namespace orvix {

inline constexpr wchar_t kMenuOldProcProperty[] = L"CoolMenu_oldProc";

class MenuFrameHook {
 public:
  // Installs the hook for the calling thread (the program does this at start-up); nullptr
  // when it could not be installed or the thread has one already.
  static std::unique_ptr<MenuFrameHook> Install();
  MenuFrameHook(const MenuFrameHook&) = delete;
  MenuFrameHook& operator=(const MenuFrameHook&) = delete;
  ~MenuFrameHook();

 private:
  explicit MenuFrameHook(HookHandle hook) : hook_(std::move(hook)) {}
  HookHandle hook_;
};

}  // namespace orvix
