// The lighting page's two button variants: a choice whose label stands right of its light,
// and a colour button that can paint a colour of the program's inside its socket (the
// custom colour; the palette's colours are part of the art).
#pragma once

#include <optional>

#include "SkinButton_win.h"

namespace orvix {

class ChoiceButton final : public SkinButton {
 protected:
  RECT LabelArea(const RECT& client) const override;
};

class ColourButton final : public SkinButton {
 public:
  // Painted 4 layout pixels inside the button; nothing: the art alone.
  void SetColour(std::optional<COLORREF> colour);
  std::optional<COLORREF> colour() const { return colour_; }

 protected:
  void PaintExtras(HDC dc, const RECT& client, SkinState state) const override;

 private:
  std::optional<COLORREF> colour_;
};

// The custom colour's swatch: a plain child window under the custom colour button that
// shows the colour in the art's socket (seen where the button is hidden or being redrawn).
class ColourSwatch final : public SkinControl {
 public:
  ~ColourSwatch() override;
  bool Create(const SkinControlSetup& setup, std::shared_ptr<const SkinBitmap> background);
  void SetColour(COLORREF colour);
  COLORREF colour() const { return colour_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  std::shared_ptr<const SkinBitmap> background_;
  COLORREF colour_ = RGB(0, 0, 0);
};

}  // namespace orvix
