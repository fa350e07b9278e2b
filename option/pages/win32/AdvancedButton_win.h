// The advanced page's buttons. Its resting picture is the bare page panel, so a button
// draws its resting look itself: a check box (with the label beside it, left-aligned) or a
// thin outline around a choice or command. The other states come from the art.
#pragma once

#include "SkinButton_win.h"

namespace orvix {

class AdvancedButton final : public SkinButton {
 public:
  enum class Style { kCheckBox, kOutlined };

  // `style` before Create; a check box draws its own label.
  explicit AdvancedButton(Style style = Style::kOutlined) : style_(style) {}
  bool Create(SkinButtonSetup setup, ButtonImages images);
  void SetLabelFont(FontRef font);

 protected:
  void PaintExtras(HDC dc, const RECT& client, SkinState state) const override;

 private:
  RECT Box(const RECT& client) const;

  Style style_;
  FontRef labelFont_;
};

}  // namespace orvix
