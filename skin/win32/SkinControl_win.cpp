// The binding of a skinned control to its window, hover tracking and tool tips.
#include "SkinControl_win.h"

#include "PaintBuffer_win.h"

#include <commctrl.h>

#include "SkinClasses_win.h"
#include "WideText_win.h"

namespace orvix {
namespace {

constexpr UINT_PTR kSubclassId = 0x534B494E;  // "SKIN"

bool IsMouseMessage(UINT message) {
  return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || message == WM_NCMOUSEMOVE;
}

}  // namespace

SkinControl::~SkinControl() { DestroyControl(); }

void SkinControl::DestroyControl() {
  if (hwnd_) ::DestroyWindow(hwnd_);
}

bool SkinControl::CreateControl(const SkinControlSetup& setup, const wchar_t* className, std::wstring_view text,
                                DWORD style, DWORD exStyle) {
  if (hwnd_ || !setup.parent) return false;
  EnsureSkinClasses();
  parent_ = setup.parent;
  id_ = setup.id;
  dpi_ = setup.dpi;
  rect_ = dpi_.Scale(setup.placement);
  quickHelp_ = WideFromUtf8(setup.placement.toolTip);
  quickHelpSink_ = setup.quickHelp;
  hoverMessage_ = setup.hoverMessage;

  style |= WS_CHILD | (setup.visible ? WS_VISIBLE : 0) | (setup.tabStop ? WS_TABSTOP : 0);
  std::wstring title(text);
  HWND window = ::CreateWindowExW(exStyle, className, title.c_str(), style, rect_.left, rect_.top, rect_.Width(),
                                  rect_.Height(), setup.parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(setup.id)),
                                  ::GetModuleHandleW(nullptr), nullptr);
  if (!window) return false;
  if (!::SetWindowSubclass(window, &SkinControl::SubclassProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
    ::DestroyWindow(window);
    return false;
  }
  hwnd_ = window;
  toolTip_.Set(hwnd_, quickHelp_);
  return true;
}

void SkinControl::SetQuickHelp(std::wstring_view text) {
  quickHelp_ = text;
  if (hover_.inside() && quickHelpSink_) quickHelpSink_(quickHelp_);
}

void SkinControl::SetToolTip(std::wstring_view text) { toolTip_.Set(hwnd_, text); }

void SkinControl::Show(bool visible) {
  if (!hwnd_) return;
  if (!visible) OnPointerLeft();  // a hidden control gets no leave notice of its own
  ::ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}

void SkinControl::Enable(bool enabled) {
  if (!hwnd_) return;
  if (!enabled) OnPointerLeft();
  ::EnableWindow(hwnd_, enabled ? TRUE : FALSE);
  Repaint();
}

bool SkinControl::enabled() const { return hwnd_ && ::IsWindowEnabled(hwnd_); }

LRESULT SkinControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallClass(message, wParam, lParam);
}

LRESULT SkinControl::CallClass(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefSubclassProc(hwnd_, message, wParam, lParam);
}

std::optional<LRESULT> SkinControl::HandlePainting(UINT message, WPARAM wParam,
                                                   const std::function<void(HDC, const RECT&)>& paint) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      PaintWindowBuffered(hwnd_, paint);
      return 0;
    case WM_PRINTCLIENT: {
      RECT client;
      ::GetClientRect(hwnd_, &client);
      paint(reinterpret_cast<HDC>(wParam), client);
      return 0;
    }
    default:
      return std::nullopt;
  }
}

void SkinControl::Repaint() const {
  if (hwnd_) ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void SkinControl::NotifyParent(UINT message, WPARAM wParam, LPARAM lParam) const {
  if (parent_ && message) ::PostMessageW(parent_, message, wParam, lParam);
}

void SkinControl::TrackChildPointer(HWND child, UINT message) {
  if (message == WM_MOUSEMOVE) OnPointerMove(child);
  if (message == WM_MOUSELEAVE && !PointerWithin()) OnPointerLeft();
}

bool SkinControl::PointerWithin() const {
  RECT area;
  POINT cursor;
  return hwnd_ && ::GetWindowRect(hwnd_, &area) && ::GetCursorPos(&cursor) && ::PtInRect(&area, cursor);
}

void SkinControl::OnPointerMove(HWND over) {
  // The leave notice is asked for on every move: the pointer may have come from a child
  // window, whose own notice does not cover this one.
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, over, 0};
  ::TrackMouseEvent(&track);
  if (!hover_.OnPointerMove()) return;
  if (quickHelpSink_) quickHelpSink_(quickHelp_);
  NotifyParent(hoverMessage_, 1, id_);
  OnHoverChanged();
}

void SkinControl::OnPointerLeft() {
  if (!hover_.OnPointerLeave()) return;
  if (quickHelpSink_) quickHelpSink_(L"");
  NotifyParent(hoverMessage_, 0, id_);
  OnHoverChanged();
}

LRESULT CALLBACK SkinControl::SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                                UINT_PTR subclassId, DWORD_PTR data) {
  auto* self = reinterpret_cast<SkinControl*>(data);
  if (IsMouseMessage(message)) self->toolTip_.Relay(window, message, wParam, lParam);
  switch (message) {
    case WM_MOUSEMOVE:
      self->OnPointerMove(window);
      break;
    case WM_MOUSELEAVE:
      if (!self->PointerWithin()) self->OnPointerLeft();
      break;
    case WM_CAPTURECHANGED: {
      // A release outside the control ends a press that had held the pointer in.
      POINT cursor;
      if (::GetCursorPos(&cursor) && ::WindowFromPoint(cursor) != window) self->OnPointerLeft();
      break;
    }
    default:
      break;
  }
  if (message == WM_NCDESTROY) {
    LRESULT result = self->OnMessage(message, wParam, lParam);
    ::RemoveWindowSubclass(window, &SkinControl::SubclassProcedure, subclassId);
    self->toolTip_.Destroy();
    self->hwnd_ = nullptr;
    return result;
  }
  return self->OnMessage(message, wParam, lParam);
}

}  // namespace orvix
