#include "InPlaceEdit_win.h"

#include <commctrl.h>

#include <utility>

#include "ControlMaker_win.h"

namespace orvix {

InPlaceEdit::~InPlaceEdit() {
  if (!edit_) return;
  ::RemoveWindowSubclass(edit_, &InPlaceEdit::Procedure, 0);
  ::DestroyWindow(edit_);
}

void InPlaceEdit::Open(HWND list, int row, const std::string& text, int maxLength, const FontRef& font,
                       Finished finished) {
  if (edit_) Finish(true);
  RECT r{};
  if (::SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r)) == LB_ERR) return;
  finished_ = std::move(finished);
  list_ = list;
  // A sibling over the list, not its child: the list's painting never covers it.
  const HWND parent = ::GetParent(list);
  ::MapWindowPoints(list, parent, reinterpret_cast<POINT*>(&r), 2);
  edit_ = ::CreateWindowExA(0, "Edit", text.c_str(), WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, r.left,
                            r.top, r.right - r.left, r.bottom - r.top, parent, nullptr, ::GetModuleHandleW(nullptr),
                            nullptr);
  if (!edit_) return;
  ::SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(FontOrDefault(font)), FALSE);
  ::SendMessageW(edit_, EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
  ::SetWindowPos(edit_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  ::SendMessageW(edit_, EM_SETSEL, 0, -1);
  ::SetWindowSubclass(edit_, &InPlaceEdit::Procedure, 0, reinterpret_cast<DWORD_PTR>(this));
  ::SetFocus(edit_);
}

void InPlaceEdit::Finish(bool committed) {
  if (!edit_) return;
  const HWND edit = std::exchange(edit_, nullptr);
  const std::string text = FieldText(edit);
  ::RemoveWindowSubclass(edit, &InPlaceEdit::Procedure, 0);
  ::DestroyWindow(edit);
  ::SetFocus(list_);
  if (auto finished = std::exchange(finished_, nullptr)) finished(committed, text);
}

LRESULT CALLBACK InPlaceEdit::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR data) {
  auto* self = reinterpret_cast<InPlaceEdit*>(data);
  switch (message) {
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS;  // Enter and Escape are the edit's, not the dialog's
    case WM_KEYDOWN:
      if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
        self->Finish(wParam == VK_RETURN);
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == '\r' || wParam == 27) return 0;
      break;
    case WM_KILLFOCUS:
      // Ends after the focus change has been handled, never inside it.
      ::PostMessageW(window, WM_APP, 0, 0);
      break;
    case WM_APP:
      self->Finish(true);
      return 0;
    default:
      break;
  }
  return ::DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace orvix
