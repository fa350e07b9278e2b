// A skinned button whose art draws something of its own at its left end (a switch's
// toggle, the record button's dot): its label is centred in the rest.
#pragma once

#include "SkinButton_win.h"

namespace orvix {

class InsetLabelButton final : public SkinButton {
 public:
  // `inset96` before Create: the art's part at the left end, in 96-DPI units.
  explicit InsetLabelButton(int inset96) : inset96_(inset96) {}

 protected:
  RECT LabelArea(const RECT& client) const override {
    RECT area = client;
    area.left += dpi().Scale(inset96_);
    return area;
  }

 private:
  int inset96_;
};

}  // namespace orvix
