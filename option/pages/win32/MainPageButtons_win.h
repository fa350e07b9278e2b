// The main page's own buttons over the skinned button: a label drawn left-aligned beside a
// choice's ring or on a DPI row's strip, the ring a choice shows at rest (the page's resting
// picture is the bare panel), and a check box that keeps its tick when it is out of use
// (the active DPI level's box is on and cannot be switched off).
#pragma once

#include "SkinButton_win.h"

namespace orvix {

class MainPageButton final : public SkinButton {
 public:
  enum class Style {
    kChoice,    // a ring at the left end, its label beside it
    kStrip,     // the label left-aligned at `labelIndent96`
    kCheckBox,  // no label; the tick also shows when disabled
  };

  explicit MainPageButton(Style style, int labelIndent96 = 0) : style_(style), labelIndent96_(labelIndent96) {}
  bool Create(SkinButtonSetup setup, ButtonImages images);
  void SetLabelFont(FontRef font);

 protected:
  void PaintExtras(HDC dc, const RECT& client, SkinState state) const override;

 private:
  void PaintLabel(HDC dc, const RECT& area, SkinState state) const;

  Style style_;
  int labelIndent96_;
  FontRef labelFont_;
};

}  // namespace orvix
