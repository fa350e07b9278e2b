#include "OptionPage_win.h"

#include "PaintBuffer_win.h"

namespace orvix {
namespace {

// Every page has the size of the main dialog's page rectangle.
constexpr int kPageWidth96 = 774;
constexpr int kPageHeight96 = 312;

}  // namespace

OptionPage::~OptionPage() {
  if (hwnd_) {
    ::SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
    ::DestroyWindow(hwnd_);
  }
}

bool OptionPage::Create(HWND parent, const PixelRect& rect, PageHost& host) {
  host_ = &host;
  hwnd_ = ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), parent,
                               &OptionPage::DialogProcedure, reinterpret_cast<LPARAM>(this));
  if (!hwnd_) return false;
  ::SetWindowPos(hwnd_, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

void OptionPage::Show(bool visible) {
  if (!hwnd_) return;
  // A page's pictures are read and its controls made when it is first shown: the program
  // starts with one page.
  if (visible && !made_) {
    images();
    made_ = true;
    OnCreate();
    OnRelabel(host_->Texts());
    OnRefresh();
  }
  ::ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

const SkinImages& OptionPage::images() const {
  if (!images_)
    images_ = std::make_unique<SkinImages>(
        SkinImages::Load(host_->InstallFolder(), art_, host_->Dpi(), kPageWidth96, kPageHeight96));
  return *images_;
}

bool OptionPage::visible() const { return hwnd_ && ::IsWindowVisible(hwnd_); }

bool OptionPage::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

void OptionPage::Paint() {
  PAINTSTRUCT ps;
  const HDC dc = ::BeginPaint(hwnd_, &ps);
  images().Image(SkinState::kNormal).Draw(dc, 0, 0);
  OnPaintOver(dc);
  ::EndPaint(hwnd_, &ps);
}

INT_PTR CALLBACK OptionPage::DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    ::SetWindowLongPtrW(window, DWLP_USER, lParam);
    reinterpret_cast<OptionPage*>(lParam)->hwnd_ = window;
    return FALSE;
  }
  auto* page = reinterpret_cast<OptionPage*>(::GetWindowLongPtrW(window, DWLP_USER));
  if (!page) return FALSE;
  switch (message) {
    case WM_ERASEBKGND:
      ::SetWindowLongPtrW(window, DWLP_MSGRESULT, 1);
      return TRUE;
    case WM_PAINT:
      page->Paint();
      return TRUE;
    case WM_LBUTTONDOWN:
      // The page's background drags the main dialog as the frame's does.
      ::PostMessageW(::GetParent(window), WM_NCLBUTTONDOWN, HTCAPTION, 0);
      return TRUE;
    default:
      break;
  }
  INT_PTR result = 0;
  if (page->OnMessage(message, wParam, lParam, result)) {
    ::SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
    return TRUE;
  }
  return FALSE;
}

}  // namespace orvix
