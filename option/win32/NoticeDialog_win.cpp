#include "NoticeDialog_win.h"

#include <memory>

#include "LanguageTable.h"
#include "LayoutString.h"
#include "LayoutTable.h"
#include "NoticeLayout.h"
#include "OptionResources.h"
#include "PaintBuffer_win.h"
#include "SkinButton_win.h"
#include "SkinFont_win.h"
#include "SkinImages_win.h"
#include "SkinLabel_win.h"
#include "WideText_win.h"
#include "WindowRegion_win.h"

namespace orvix {
namespace {

constexpr int kWidth96 = 380;
constexpr int kHeight96 = 176;

ControlPlacement PlacementOf(std::string_view role) {
  if (const LayoutLine* line = FindLayoutRole(kNoticeLayout, role))
    if (auto placement = ParseLayoutString(line->layout)) return *placement;
  return {};
}

class Notice {
 public:
  explicit Notice(const NoticeSetup& setup) : setup_(setup) {}

  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
      ::SetWindowLongPtrW(window, DWLP_USER, lParam);
      reinterpret_cast<Notice*>(lParam)->Build(window);
      return FALSE;
    }
    auto* notice = reinterpret_cast<Notice*>(::GetWindowLongPtrW(window, DWLP_USER));
    return notice ? notice->OnMessage(message, wParam, lParam) : FALSE;
  }

 private:
  void Build(HWND window) {
    hwnd_ = window;
    const DpiScale& dpi = setup_.dpi;
    images_ = std::make_unique<SkinImages>(SkinImages::Load(setup_.installFolder, "notice", dpi, kWidth96, kHeight96));
    RECT owner{};
    ::GetWindowRect(::GetParent(window) ? ::GetParent(window) : ::GetDesktopWindow(), &owner);
    const int x = owner.left + (owner.right - owner.left - images_->width()) / 2;
    const int y = owner.top + (owner.bottom - owner.top - images_->height()) / 2;
    ::SetWindowPos(window, HWND_TOP, x, y, images_->width(), images_->height(), SWP_NOACTIVATE);
    ::SetWindowTextW(window, setup_.title.c_str());

    const auto charset = static_cast<BYTE>(LanguageOf(setup_.language).fontCharset);
    const FontRef titleFont = SkinFont::Create({L"Arial", 12, 0, FW_BOLD, charset, true}, dpi);
    const FontRef textFont = SkinFont::Create({L"Arial", 12, 0, FW_NORMAL, charset, true}, dpi);
    Label(title_, "title", setup_.title, titleFont, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    Label(message_, "message", setup_.message, textFont, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    const bool question = !setup_.secondButton.empty();
    Button(first_, question ? "yes" : "ok", setup_.firstButton, textFont);
    if (question) Button(second_, "no", setup_.secondButton, textFont);
    SkinButtonSetup close = ButtonSetupOf("exit", L"", textFont);
    close.drawLabel = false;
    exit_.Create(close, ButtonImages::Cut(*images_, dpi.Scale(close.placement)));
    ApplyWindowRegion(window, RegionFromBitmap(images_->Image(SkinState::kNormal).handle()));
    ::SetFocus(first_.hwnd());
  }

  SkinButtonSetup ButtonSetupOf(std::string_view role, const std::wstring& label, const FontRef& font) const {
    SkinButtonSetup setup;
    setup.parent = hwnd_;
    setup.placement = PlacementOf(role);
    setup.dpi = setup_.dpi;
    setup.label = label;
    setup.font = font;
    return setup;
  }

  void Button(SkinButton& button, std::string_view role, const std::wstring& label, const FontRef& font) {
    const SkinButtonSetup setup = ButtonSetupOf(role, label, font);
    button.Create(setup, ButtonImages::Cut(*images_, setup_.dpi.Scale(setup.placement)));
  }

  void Label(SkinLabel& label, std::string_view role, const std::wstring& text, const FontRef& font, UINT format) {
    SkinLabelSetup setup;
    setup.parent = hwnd_;
    setup.placement = PlacementOf(role);
    setup.dpi = setup_.dpi;
    setup.text = text;
    setup.font = font;
    setup.format = format;
    label.Create(setup, images_->Cut(SkinState::kNormal, setup_.dpi.Scale(setup.placement)));
  }

  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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
      case WM_LBUTTONDOWN:
        ::PostMessageW(hwnd_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
        return TRUE;
      case WM_COMMAND: {
        const HWND sender = reinterpret_cast<HWND>(lParam);
        if (sender == first_.hwnd()) return End(NoticeDialog::kFirstButton);
        if (sender == second_.hwnd()) return End(NoticeDialog::kSecondButton);
        if (sender == exit_.hwnd() || LOWORD(wParam) == IDCANCEL)
          return End(setup_.secondButton.empty() ? NoticeDialog::kFirstButton : NoticeDialog::kSecondButton);
        if (LOWORD(wParam) == IDOK) return End(NoticeDialog::kFirstButton);
        return FALSE;
      }
      default:
        return FALSE;
    }
  }

  INT_PTR End(int result) {
    ::EndDialog(hwnd_, result);
    return TRUE;
  }

  const NoticeSetup& setup_;
  HWND hwnd_ = nullptr;
  std::unique_ptr<SkinImages> images_;
  SkinLabel title_, message_;
  SkinButton first_, second_, exit_;
};

}  // namespace

int NoticeDialog::Show(HWND owner, const NoticeSetup& setup) {
  Notice notice(setup);
  const INT_PTR result = ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_POPUP), owner,
                                           &Notice::Procedure, reinterpret_cast<LPARAM>(&notice));
  return result > 0 ? static_cast<int>(result) : kClosed;
}

}  // namespace orvix
