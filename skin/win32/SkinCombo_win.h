// A drop-down "combo": a skinned button that opens a pop-up menu below itself and closes
// it when clicked again. The menu is built anew for every opening; the command chosen goes
// to the parent as WM_COMMAND (the command in the low word of wParam, lParam 0), as a menu
// of the parent's own would send it. A drop-down arrow is drawn at its right end.
#pragma once

#include <functional>

#include "PopupMenu_win.h"
#include "SkinButton_win.h"

namespace orvix {

class SkinCombo : public SkinButton {
 public:
  using MenuBuilder = std::function<void(PopupMenu& menu)>;

  SkinCombo() = default;
  ~SkinCombo() override;

  bool Create(const SkinButtonSetup& setup, ButtonImages images, MenuStyle style, MenuBuilder build);

  bool menuOpen() const { return menuOpen_; }
  // The command of the last opening, 0 when it was closed without a choice.
  UINT lastChoice() const { return lastChoice_; }

 protected:
  void OnClicked() override;
  RECT LabelArea(const RECT& client) const override;
  void PaintExtras(HDC dc, const RECT& client, SkinState state) const override;

 private:
  MenuStyle style_;
  MenuBuilder build_;
  bool menuOpen_ = false;
  UINT lastChoice_ = 0;
};

}  // namespace orvix
