#include "LanguageChooser_win.h"

#include <array>
#include <memory>

#include "LanguageChooserLayout.h"
#include "LanguageTable.h"
#include "LayoutString.h"
#include "LayoutTable.h"
#include "OptionResources.h"
#include "SkinButton_win.h"
#include "SkinFont_win.h"
#include "SkinImages_win.h"
#include "WindowRegion_win.h"

namespace orvix {
namespace {

constexpr int kWidth96 = 100;
constexpr int kHeight96 = 289;
constexpr int kHitInset96 = 6;  // the items answer only away from their left and right ends

class Chooser {
 public:
  Chooser(POINT topLeft, const std::string& installFolder, const DpiScale& dpi)
      : topLeft_(topLeft), installFolder_(installFolder), dpi_(dpi) {}

  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
      ::SetWindowLongPtrW(window, DWLP_USER, lParam);
      reinterpret_cast<Chooser*>(lParam)->Build(window);
      return FALSE;
    }
    auto* chooser = reinterpret_cast<Chooser*>(::GetWindowLongPtrW(window, DWLP_USER));
    return chooser ? chooser->OnMessage(message, wParam, lParam) : FALSE;
  }

 private:
  void Build(HWND window) {
    hwnd_ = window;
    images_ = std::make_unique<SkinImages>(SkinImages::Load(installFolder_, "language_chooser", dpi_, kWidth96, kHeight96));
    ::SetWindowPos(window, HWND_TOPMOST, topLeft_.x, topLeft_.y, images_->width(), images_->height(), 0);
    for (int i = 0; i < kLanguageCount; ++i) {
      const LayoutLine* line = FindLayoutRole(kLanguageChooserLayout, "item." + std::to_string(i + 1));
      auto placement = line ? ParseLayoutString(line->layout) : std::nullopt;
      if (!placement) continue;
      placement->left += kHitInset96;
      placement->right -= kHitInset96;
      placement->toolTip.clear();
      const LanguageInfo& language = LanguageOf(i);
      SkinButtonSetup setup;
      setup.parent = window;
      setup.placement = *placement;
      setup.dpi = dpi_;
      setup.label = language.ownName;
      // Each name in the script of its own language.
      setup.font = SkinFont::Create({L"Arial", 10, 0, FW_NORMAL, static_cast<BYTE>(language.fontCharset), true}, dpi_);
      setup.textColour = RGB(220, 226, 232);
      items_[static_cast<std::size_t>(i)].Create(setup, ButtonImages::Cut(*images_, dpi_.Scale(setup.placement)));
    }
    ApplyWindowRegion(window, RegionFromBitmap(images_->Image(SkinState::kNormal).handle()));
    ::SetCapture(window);
  }

  int ItemAt(POINT screen) const {
    for (std::size_t i = 0; i < items_.size(); ++i) {
      RECT r;
      if (items_[i].hwnd() && ::GetWindowRect(items_[i].hwnd(), &r) && ::PtInRect(&r, screen)) return static_cast<int>(i);
    }
    return -1;
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
      case WM_MOUSEMOVE: {
        // Over an item the capture goes, so the item's button works; beside the items the
        // chooser takes the mouse again, so that a click anywhere else reaches it.
        POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ::ClientToScreen(hwnd_, &at);
        if (ItemAt(at) >= 0) {
          if (::GetCapture() == hwnd_) ::ReleaseCapture();
        } else if (::GetCapture() != hwnd_) {
          ::SetCapture(hwnd_);
        }
        return TRUE;
      }
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
        return End(-1);
      case WM_COMMAND: {
        const HWND sender = reinterpret_cast<HWND>(lParam);
        for (std::size_t i = 0; i < items_.size(); ++i)
          if (sender && sender == items_[i].hwnd()) return End(static_cast<int>(i));
        if (LOWORD(wParam) == IDCANCEL) return End(-1);
        return FALSE;
      }
      case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) ::PostMessageW(hwnd_, WM_COMMAND, IDCANCEL, 0);
        return FALSE;
      case WM_CAPTURECHANGED:
        return FALSE;
      default:
        return FALSE;
    }
  }

  INT_PTR End(int result) {
    if (::GetCapture() == hwnd_) ::ReleaseCapture();
    ::EndDialog(hwnd_, result + 1);  // 0 is what DialogBox gives for a failure
    return TRUE;
  }

  POINT topLeft_;
  const std::string& installFolder_;
  DpiScale dpi_;
  HWND hwnd_ = nullptr;
  std::unique_ptr<SkinImages> images_;
  std::array<SkinButton, kLanguageCount> items_;
};

}  // namespace

int LanguageChooser::Choose(HWND owner, POINT topLeft, const std::string& installFolder, const DpiScale& dpi) {
  Chooser chooser(topLeft, installFolder, dpi);
  const INT_PTR result = ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_POPUP), owner,
                                           &Chooser::Procedure, reinterpret_cast<LPARAM>(&chooser));
  return result > 0 ? static_cast<int>(result) - 1 : -1;
}

}  // namespace orvix
