#include "LanguageChooser_win.h"

#include <array>

#include "LanguageChooserLayout.h"
#include "LanguageTable.h"
#include "LayoutString.h"
#include "LayoutTable.h"
#include "SkinButton_win.h"
#include "SkinFont_win.h"
#include "SkinPopup_win.h"

namespace orvix {
namespace {

constexpr int kHitInset96 = 6;  // the items answer only away from their left and right ends

class Chooser final : public SkinPopup {
 public:
  Chooser(POINT topLeft, const std::string& installFolder, const DpiScale& dpi)
      : SkinPopup(installFolder, "language_chooser", dpi, 100, 289), topLeft_(topLeft) {}

  // What RunModal gives for language index i; 0 stays the failure of the pop-up itself.
  static INT_PTR ResultOf(int index) { return index + 2; }
  static int IndexOf(INT_PTR result) { return result > 0 ? static_cast<int>(result) - 2 : -1; }

 private:
  void Build() override {
    ::SetWindowPos(hwnd(), HWND_TOPMOST, topLeft_.x, topLeft_.y, 0, 0, SWP_NOSIZE);
    for (int i = 0; i < kLanguageCount; ++i) {
      const LayoutLine* line = FindLayoutRole(kLanguageChooserLayout, "item." + std::to_string(i + 1));
      auto placement = line ? ParseLayoutString(line->layout) : std::nullopt;
      if (!placement) continue;
      placement->left += kHitInset96;
      placement->right -= kHitInset96;
      const LanguageInfo& language = LanguageOf(i);
      SkinButtonSetup setup;
      setup.parent = hwnd();
      setup.placement = *placement;
      setup.dpi = dpi();
      setup.label = language.ownName;
      // Each name in the script of its own language.
      setup.font = SkinFont::Create({L"Arial", 10, 0, FW_NORMAL, static_cast<BYTE>(language.fontCharset), true}, dpi());
      setup.textColour = RGB(220, 226, 232);
      items_[static_cast<std::size_t>(i)].Create(setup, ButtonImages::Cut(images(), dpi().Scale(setup.placement)));
    }
    ::SetCapture(hwnd());
  }

  bool OverAnItem(POINT screen) const {
    for (const SkinButton& item : items_) {
      RECT r;
      if (item.hwnd() && ::GetWindowRect(item.hwnd(), &r) && ::PtInRect(&r, screen)) return true;
    }
    return false;
  }

  void OnBackgroundPress() override { Close(ResultOf(-1)); }

  void OnCommand(HWND sender, WORD id) override {
    for (std::size_t i = 0; i < items_.size(); ++i)
      if (sender && sender == items_[i].hwnd()) return Close(ResultOf(static_cast<int>(i)));
    if (id == IDCANCEL) Close(ResultOf(-1));
  }

  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_MOUSEMOVE: {
        // Over an item the capture goes, so the item's button works; beside the items the
        // chooser takes the mouse again, so that a click anywhere else reaches it.
        POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ::ClientToScreen(hwnd(), &at);
        if (OverAnItem(at)) {
          if (::GetCapture() == hwnd()) ::ReleaseCapture();
        } else if (::GetCapture() != hwnd()) {
          ::SetCapture(hwnd());
        }
        return true;
      }
      case WM_RBUTTONDOWN:
        Close(ResultOf(-1));
        return true;
      case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) ::PostMessageW(hwnd(), WM_COMMAND, IDCANCEL, 0);
        return false;
      default:
        return false;
    }
  }

  void Close(INT_PTR result) {
    if (::GetCapture() == hwnd()) ::ReleaseCapture();
    End(result);
  }

  POINT topLeft_;
  std::array<SkinButton, kLanguageCount> items_;
};

}  // namespace

int LanguageChooser::Choose(HWND owner, POINT topLeft, const std::string& installFolder, const DpiScale& dpi) {
  Chooser chooser(topLeft, installFolder, dpi);
  return Chooser::IndexOf(chooser.RunModal(owner));
}

}  // namespace orvix
