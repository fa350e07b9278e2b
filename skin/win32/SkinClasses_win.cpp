// Registration of the toolkit's classes.
#include "SkinClasses_win.h"

#include <commctrl.h>

#include <initializer_list>

namespace orvix {
namespace {

bool RegisterPlainClass(const wchar_t* name, HINSTANCE instance) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (::GetClassInfoExW(instance, name, &existing)) return true;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = ::DefWindowProcW;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = name;
  return ::RegisterClassExW(&wc) != 0;
}

}  // namespace

bool EnsureSkinClasses() {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    bool ok = true;
    for (const wchar_t* name : {kSliderClass, kNumberBoxClass, kPictureClass, kMenuOwnerClass})
      ok = RegisterPlainClass(name, instance) && ok;
    return ok;
  }();
  return registered;
}

}  // namespace orvix
