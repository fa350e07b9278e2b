#include "CountdownDialog_win.h"

#include <memory>

#include "FrameCloseGuard_win.h"
#include "GdiHandles_win.h"
#include "SkinButton_win.h"
#include "SkinLabel_win.h"
#include "SkinPopup_win.h"
#include "TextFormat.h"
#include "dialogs/Countdown.h"

namespace orvix {
namespace {

constexpr UINT_PTR kSecondTimer = 1;
constexpr UINT kSecondMs = 1000;

class CountdownPopup final : public SkinPopup {
 public:
  explicit CountdownPopup(const CountdownSetup& setup)
      : SkinPopup(setup.installFolder, setup.art, setup.dpi, setup.layout.Dialog().Width(), setup.layout.Dialog().Height()),
        setup_(setup),
        countdown_(setup.seconds) {}

  // Ends the dialog as refused; the main dialog is being closed.
  void Refuse() {
    if (hwnd()) End(IDCANCEL);
  }
  bool accepted() const { return accepted_; }
  FrameCloseGuard* guard = nullptr;

 private:
  void Build() override {
    RECT owner{};
    const HWND parent = ::GetParent(hwnd());
    ::GetWindowRect(parent ? parent : ::GetDesktopWindow(), &owner);
    ::SetWindowPos(hwnd(), HWND_TOP, owner.left + (owner.right - owner.left - images().width()) / 2,
                   owner.top + (owner.bottom - owner.top - images().height()) / 2, 0, 0, SWP_NOSIZE);
    ::SetWindowTextW(hwnd(), setup_.windowTitle.c_str());

    Label(title_, "title", setup_.windowTitle, setup_.titleFont, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    Label(message_, "message", setup_.message, setup_.textFont, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    Label(seconds_, "message.seconds", L"", setup_.textFont, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const PixelRect bar = dpi().Scale(setup_.layout.Of("art.progress"));
    progress_ = ::CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE | SS_OWNERDRAW, bar.left, bar.top,
                                  bar.right - bar.left, bar.bottom - bar.top, hwnd(), nullptr, nullptr, nullptr);
    Button(cancel_, "cancel", setup_.cancel, true);
    Button(accept_, "accept", setup_.accept, true);
    Button(exit_, "exit", L"", false);
    ShowTime();
    ::SetFocus(accept_.hwnd());
    ::SetTimer(hwnd(), kSecondTimer, kSecondMs, nullptr);
    // Closed from outside before the window existed.
    if (guard && guard->closeRequested()) End(IDCANCEL);
  }

  void Button(SkinButton& button, std::string_view role, const std::wstring& label, bool drawLabel) {
    SkinButtonSetup setup;
    setup.parent = hwnd();
    setup.placement = setup_.layout.Of(role);
    setup.dpi = dpi();
    setup.label = label;
    setup.drawLabel = drawLabel;
    setup.font = setup_.textFont;
    button.Create(setup, ButtonImages::Cut(images(), dpi().Scale(setup.placement)));
  }

  void Label(SkinLabel& label, std::string_view role, const std::wstring& text, const FontRef& font, UINT format) {
    SkinLabelSetup setup;
    setup.parent = hwnd();
    setup.placement = setup_.layout.Of(role);
    setup.dpi = dpi();
    setup.text = text;
    setup.font = font;
    setup.format = format;
    label.Create(setup, images().Cut(SkinState::kNormal, dpi().Scale(setup.placement)));
  }

  void ShowTime() {
    seconds_.SetText(FormatWithNumber(setup_.secondsPattern, countdown_.remaining()));
    ::InvalidateRect(progress_, nullptr, FALSE);
  }

  void OnCommand(HWND sender, WORD id) override {
    if ((sender && sender == accept_.hwnd()) || (!sender && id == IDOK)) {
      accepted_ = true;
      return Close(IDOK);
    }
    if ((sender && (sender == cancel_.hwnd() || sender == exit_.hwnd())) || id == IDCANCEL) Close(IDCANCEL);
  }

  void Close(INT_PTR result) {
    ::KillTimer(hwnd(), kSecondTimer);
    End(result);
  }

  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_TIMER && wParam == kSecondTimer) {
      if (countdown_.Tick()) {
        Close(IDCANCEL);
        return true;
      }
      ShowTime();
      return true;
    }
    if (message == WM_DRAWITEM) {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item.hwndItem != progress_) return false;
      DrawBar(item.hDC, item.rcItem);
      ::SetWindowLongPtrW(hwnd(), DWLP_MSGRESULT, TRUE);
      return true;
    }
    if (message == WM_DESTROY) ::KillTimer(hwnd(), kSecondTimer);
    return false;
  }

  // The remaining time as the filled part of the bar.
  void DrawBar(HDC dc, const RECT& r) const {
    const BrushHandle back(::CreateSolidBrush(kCountdownBarBackground));
    ::FillRect(dc, &r, back.get());
    RECT filled = r;
    filled.right = r.left + MulDiv(r.right - r.left, countdown_.remaining(), countdown_.total());
    const BrushHandle bar(::CreateSolidBrush(kCountdownBarColour));
    if (filled.right > filled.left) ::FillRect(dc, &filled, bar.get());
  }

  const CountdownSetup& setup_;
  Countdown countdown_;
  bool accepted_ = false;
  SkinLabel title_, message_, seconds_;
  HWND progress_ = nullptr;  // a child of the pop-up: it goes with it
  SkinButton cancel_, accept_, exit_;
};

}  // namespace

bool CountdownDialog::Run(HWND owner, const CountdownSetup& setup) {
  CountdownPopup popup(setup);
  FrameCloseGuard guard(owner, [&popup] { popup.Refuse(); });
  popup.guard = &guard;
  popup.RunModal(owner);
  return popup.accepted() && !guard.closeRequested();
}

}  // namespace orvix
