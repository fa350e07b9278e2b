// The menu-frame hook.
#include "MenuFrameHook_win.h"

#include <cwchar>

#include "SkinColours_win.h"

namespace orvix {
namespace {

thread_local bool hookInstalled = false;

bool IsMenuWindow(HWND window) {
  wchar_t name[16] = {};
  return ::GetClassNameW(window, name, 16) > 0 && std::wcscmp(name, L"#32768") == 0;
}

WNDPROC OldProcedure(HWND window) { return reinterpret_cast<WNDPROC>(::GetPropW(window, kMenuOldProcProperty)); }

// A menu of the skin: its first item is owner-drawn.
bool IsSkinMenu(HMENU menu) {
  if (!menu || ::GetMenuItemCount(menu) <= 0) return false;
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  return ::GetMenuItemInfoW(menu, 0, TRUE, &info) && (info.fType & MFT_OWNERDRAW);
}

// Paints everything of the window outside its items: the margin in the menu's colour and a
// one-pixel border.
void PaintFrame(HWND window, HDC given) {
  HMENU menu = reinterpret_cast<HMENU>(::SendMessageW(window, MN_GETHMENU, 0, 0));
  if (!IsSkinMenu(menu)) return;
  RECT frame;
  if (!::GetWindowRect(window, &frame)) return;
  RECT items{};
  for (int i = 0, count = ::GetMenuItemCount(menu); i < count; ++i) {
    RECT r;
    if (::GetMenuItemRect(window, menu, static_cast<UINT>(i), &r)) ::UnionRect(&items, &items, &r);
  }
  ::OffsetRect(&items, -frame.left, -frame.top);
  ::OffsetRect(&frame, -frame.left, -frame.top);

  HDC windowDc = given ? nullptr : ::GetWindowDC(window);
  HDC dc = given ? given : windowDc;
  if (!dc) return;
  int saved = ::SaveDC(dc);
  if (!::IsRectEmpty(&items)) ::ExcludeClipRect(dc, items.left, items.top, items.right, items.bottom);
  BrushHandle body(::CreateSolidBrush(skin_colours::kBody));
  BrushHandle edge(::CreateSolidBrush(skin_colours::kEdge));
  ::FillRect(dc, &frame, body.get());
  ::FrameRect(dc, &frame, edge.get());
  ::RestoreDC(dc, saved);
  if (windowDc) ::ReleaseDC(window, windowDc);
}

LRESULT CALLBACK FrameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC old = OldProcedure(window);
  if (!old) return ::DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_NCPAINT:
    case WM_PAINT:
    case WM_PRINT: {
      LRESULT result = ::CallWindowProcW(old, window, message, wParam, lParam);
      PaintFrame(window, message == WM_PRINT ? reinterpret_cast<HDC>(wParam) : nullptr);
      return result;
    }
    case WM_NCDESTROY:
      ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
      ::RemovePropW(window, kMenuOldProcProperty);
      return ::CallWindowProcW(old, window, message, wParam, lParam);
    default:
      return ::CallWindowProcW(old, window, message, wParam, lParam);
  }
}

void TakeOver(HWND window) {
  if (OldProcedure(window) || !IsMenuWindow(window)) return;
  auto old = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_WNDPROC));
  if (!old || !::SetPropW(window, kMenuOldProcProperty, reinterpret_cast<HANDLE>(old))) return;
  ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameProcedure));
}

LRESULT CALLBACK HookProcedure(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    // Created, or sized for the first time (a menu window made before the hook).
    if (call->message == WM_CREATE || call->message == WM_WINDOWPOSCHANGING) TakeOver(call->hwnd);
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

std::unique_ptr<MenuFrameHook> MenuFrameHook::Install() {
  if (hookInstalled) return nullptr;
  HookHandle hook(::SetWindowsHookExW(WH_CALLWNDPROC, &HookProcedure, nullptr, ::GetCurrentThreadId()));
  if (!hook) return nullptr;
  hookInstalled = true;
  return std::unique_ptr<MenuFrameHook>(new MenuFrameHook(std::move(hook)));
}

MenuFrameHook::~MenuFrameHook() {
  hook_.reset();
  hookInstalled = false;
}

}  // namespace orvix
