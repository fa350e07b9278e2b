// A skinned button: a real "Button" window (BS_OWNERDRAW) whose window text is its label,
// so BM_CLICK, keyboard focus and screen readers work as with any button. It paints itself
// from four state pictures (usually cut from the dialog's state pictures at its rectangle),
// with an optional label centred over them, and notifies its parent with WM_COMMAND /
// BN_CLICKED like every button.
//
// The check variant keeps an on/off state (BM_GETCHECK and BM_SETCHECK work) and shows "on"
// with the pressed picture: tabs and profile slots use it as their "selected" look.
#pragma once

#include <array>
#include <memory>

#include "SkinControl_win.h"
#include "SkinFont_win.h"
#include "SkinImages_win.h"

namespace orvix {

struct ButtonImages {
  // By StateIndex; a missing look shows the normal picture, a missing normal one plain
  // graphite.
  std::array<std::shared_ptr<const SkinBitmap>, 4> looks;

  const SkinBitmap* For(SkinState state) const;
  // The four looks of a control: its rectangle cut out of the dialog's state pictures.
  static ButtonImages Cut(const SkinImages& images, const PixelRect& rect);
};

enum class ButtonKind {
  kPush,
  kCheck,  // keeps an on/off state
};

struct SkinButtonSetup : SkinControlSetup {
  std::wstring label;  // the window text; drawn over the picture when `drawLabel`
  bool drawLabel = true;
  FontRef font;  // null: the system's GUI font
  COLORREF textColour = RGB(255, 255, 255);
  COLORREF disabledTextColour = RGB(115, 115, 115);
  ButtonKind kind = ButtonKind::kPush;
  // A check button that turns itself on and off when clicked (check boxes); tabs and slots
  // leave it to the parent, which selects one of them.
  bool toggleOnClick = true;
  // Owner-drawn buttons report a quick second click as BN_DOUBLECLICKED; by default it
  // counts as a second click instead, so fast clicking is never lost.
  bool reportDoubleClicks = false;
};

class SkinButton : public SkinControl {
 public:
  SkinButton() = default;
  ~SkinButton() override;

  bool Create(const SkinButtonSetup& setup, ButtonImages images);

  // Another set of looks (a flag, a marker's second look, the "menu open" look).
  void SetImages(ButtonImages images);
  void SetLabel(std::wstring_view label);
  std::wstring label() const;
  void SetFont(FontRef font);
  void SetTextColour(COLORREF colour);

  void SetChecked(bool checked);
  bool checked() const { return checked_; }

  // What the button shows now.
  SkinState look() const;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnHoverChanged() override { Repaint(); }
  // Called after the button's click was handled and its parent notified.
  virtual void OnClicked() {}
  // Where the label goes, and what a variant draws over picture and label.
  virtual RECT LabelArea(const RECT& client) const { return client; }
  virtual void PaintExtras(HDC, const RECT&, SkinState) const {}

 private:
  bool Pushed() const;
  bool ClickCompletes(UINT message, WPARAM wParam, LPARAM lParam) const;
  void Paint(HDC dc) const;
  // The label's font, made smaller when the label is wider than `width`.
  HFONT FittingFont(HDC dc, const std::wstring& text, int width) const;
  void RepaintIfChanged();

  ButtonImages images_;
  FontRef font_;
  COLORREF textColour_ = RGB(255, 255, 255);
  COLORREF disabledTextColour_ = RGB(115, 115, 115);
  ButtonKind kind_ = ButtonKind::kPush;
  bool drawLabel_ = true;
  bool toggleOnClick_ = true;
  bool reportDoubleClicks_ = false;
  bool checked_ = false;
  struct FittedFont {
    FontHandle font;
    std::wstring text;
    int width = 0;
    HFONT from = nullptr;
  };
  mutable FittedFont fitted_;
  SkinState paintedLook_ = SkinState::kNormal;
  bool paintedFocus_ = false;
};

}  // namespace orvix
