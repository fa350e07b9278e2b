#include "SkinPane_win.h"

#include "LanguageTable.h"

namespace orvix {
namespace {

constexpr COLORREF kFieldColour = RGB(13, 15, 18);
constexpr COLORREF kFieldText = RGB(230, 234, 240);

}  // namespace

SkinPane::SkinPane(const FormDialogSetup& setup, const char* art, LayoutPlacements layout)
    : setup_(setup), art_(art), layout_(layout) {}

SkinPane::~SkinPane() {
  if (hwnd_) {
    ::SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
    ::DestroyWindow(hwnd_);
  }
}

bool SkinPane::Create(HWND parent, const ControlPlacement& placement) {
  // A template of its own, so that a pane needs no resource of the program: an empty child
  // dialog (no menu, class or title after the header), sized and placed below.
  struct {
    DLGTEMPLATE header;
    WORD menu, windowClass, title;
  } empty{};
  empty.header.style = DS_CONTROL | WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  hwnd_ = ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), &empty.header, parent, &SkinPane::Procedure,
                                       reinterpret_cast<LPARAM>(this));
  if (!hwnd_) return false;
  const PixelRect r = dpi().Scale(placement);
  ::SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  const ControlPlacement size = layout_.Dialog();
  images_ = std::make_unique<SkinImages>(SkinImages::Load(setup_.installFolder, art_, dpi(), size.Width(), size.Height()));
  const auto charset = static_cast<BYTE>(LanguageOf(setup_.language).fontCharset);
  maker_ = {hwnd_, images_.get(), dpi(), layout_, SkinFont::Create({L"Arial", 12, 0, FW_BOLD, charset, true}, dpi()),
            SkinFont::Create({L"Arial", 12, 0, FW_NORMAL, charset, true}, dpi())};
  fieldBrush_.reset(::CreateSolidBrush(kFieldColour));
  Build();
  return true;
}

void SkinPane::Show(bool visible) {
  if (hwnd_) ::ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

bool SkinPane::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

INT_PTR CALLBACK SkinPane::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    ::SetWindowLongPtrW(window, DWLP_USER, lParam);
    reinterpret_cast<SkinPane*>(lParam)->hwnd_ = window;
    return FALSE;
  }
  auto* pane = reinterpret_cast<SkinPane*>(::GetWindowLongPtrW(window, DWLP_USER));
  return pane && pane->images_ ? pane->Dispatch(message, wParam, lParam) : FALSE;
}

INT_PTR SkinPane::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  INT_PTR result = 0;
  switch (message) {
    case WM_ERASEBKGND:
      ::SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, 1);
      return TRUE;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      const HDC dc = ::BeginPaint(hwnd_, &ps);
      images_->Image(SkinState::kNormal).Draw(dc, 0, 0);
      OnPaintOver(dc);
      ::EndPaint(hwnd_, &ps);
      return TRUE;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      ::SetTextColor(reinterpret_cast<HDC>(wParam), kFieldText);
      ::SetBkColor(reinterpret_cast<HDC>(wParam), kFieldColour);
      return reinterpret_cast<INT_PTR>(fieldBrush_.get());
    case WM_COMMAND:
      OnCommand(reinterpret_cast<HWND>(lParam), LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    default:
      if (OnMessage(message, wParam, lParam, result)) {
        ::SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
        return TRUE;
      }
      return FALSE;
  }
}

}  // namespace orvix
