#include "SkinPopup_win.h"

#include "CaptionDrag_win.h"
#include "OptionResources.h"
#include "WindowRegion_win.h"

namespace orvix {

INT_PTR SkinPopup::RunModal(HWND owner) {
  const INT_PTR result = ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_POPUP), owner,
                                           &SkinPopup::Procedure, reinterpret_cast<LPARAM>(this));
  return result > 0 ? result : 0;
}

void SkinPopup::End(INT_PTR result) { ::EndDialog(hwnd_, result); }

void SkinPopup::OnBackgroundPress() { ::PostMessageW(hwnd_, WM_NCLBUTTONDOWN, HTCAPTION, 0); }

INT_PTR CALLBACK SkinPopup::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* popup = reinterpret_cast<SkinPopup*>(lParam);
    ::SetWindowLongPtrW(window, DWLP_USER, lParam);
    popup->hwnd_ = window;
    popup->images_ = std::make_unique<SkinImages>(
        SkinImages::Load(popup->installFolder_, popup->art_, popup->dpi_, popup->width96_, popup->height96_));
    ::SetWindowPos(window, nullptr, 0, 0, popup->images_->width(), popup->images_->height(),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    popup->Build();
    ApplyWindowRegion(window, RegionFromBitmap(popup->images_->Image(SkinState::kNormal).handle()));
    return FALSE;
  }
  auto* popup = reinterpret_cast<SkinPopup*>(::GetWindowLongPtrW(window, DWLP_USER));
  return popup ? popup->Dispatch(message, wParam, lParam) : FALSE;
}

INT_PTR SkinPopup::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      ::SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, 1);
      return TRUE;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      const HDC dc = ::BeginPaint(hwnd_, &ps);
      images_->Image(SkinState::kNormal).Draw(dc, 0, 0);
      ::EndPaint(hwnd_, &ps);
      return TRUE;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
      if (const HBRUSH brush = OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
        return reinterpret_cast<INT_PTR>(brush);
      return FALSE;
    case WM_LBUTTONDOWN:
      OnBackgroundPress();
      return TRUE;
    case WM_COMMAND:
      if (lParam && HIWORD(wParam) != BN_CLICKED) return FALSE;
      OnCommand(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
      return TRUE;
    default:
      return OnMessage(message, wParam, lParam) ? TRUE : FALSE;
  }
}

}  // namespace orvix
