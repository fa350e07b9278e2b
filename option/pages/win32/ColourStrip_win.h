// The custom colour strip: a child window that shows the strip's gradient picture and its
// marker, and picks a colour from its own picture where the user presses and drags. A
// picked colour is posted to the parent as kColourPickedMessage (wParam the COLORREF).
#pragma once

#include <memory>
#include <optional>

#include "SkinControl_win.h"
#include "SkinImages_win.h"
#include "pages/color/ColourStrip.h"

namespace orvix {

inline constexpr UINT kColourPickedMessage = 1119;

class ColourStripWindow final : public SkinControl {
 public:
  ColourStripWindow() = default;
  ~ColourStripWindow() override;

  // `background` is the page's art under the strip; `gradient` and `marker` the strip's
  // pictures at the window's DPI (a strip without its gradient picks nothing).
  bool Create(const SkinControlSetup& setup, std::shared_ptr<const SkinBitmap> background,
              std::optional<SkinBitmap> gradient, std::optional<SkinBitmap> marker);

  const color_page::ColourStrip& model() const { return model_; }
  // The colour of the strip's own picture at a point of the window; white (no colour)
  // where the picture has none.
  Rgb ColourAt(color_page::StripPoint point) const;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Follow(const color_page::ColourStrip::Outcome& outcome);
  void Paint(HDC dc, const RECT& client) const;

  color_page::ColourStrip model_;
  std::shared_ptr<const SkinBitmap> background_;
  std::optional<SkinBitmap> gradient_;
  std::optional<SkinBitmap> marker_;
};

}  // namespace orvix
