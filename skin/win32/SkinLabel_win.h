// A skinned text: a real "Static" window (its WM_SETTEXT and WM_GETTEXT are the system's)
// that draws its text over the dialog's art at its rectangle, in a colour and font set by
// the caller. The quick-help line and the profile slot names are such labels.
#pragma once

#include <memory>

#include "SkinControl_win.h"
#include "SkinFont_win.h"
#include "SkinImages_win.h"

namespace orvix {

struct SkinLabelSetup : SkinControlSetup {
  SkinLabelSetup() { tabStop = false; }
  std::wstring text;
  FontRef font;
  COLORREF colour = RGB(255, 255, 255);
  UINT format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
};

class SkinLabel : public SkinControl {
 public:
  SkinLabel() = default;
  ~SkinLabel() override;

  // `background` is the dialog's art under the label (null: plain graphite).
  bool Create(const SkinLabelSetup& setup, std::shared_ptr<const SkinBitmap> background);

  void SetText(std::wstring_view text);
  std::wstring text() const;
  void SetColour(COLORREF colour);
  COLORREF colour() const { return colour_; }
  void SetFont(FontRef font);

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc, const RECT& client) const;

  std::shared_ptr<const SkinBitmap> background_;
  FontRef font_;
  COLORREF colour_ = RGB(255, 255, 255);
  UINT format_ = 0;
};

}  // namespace orvix
