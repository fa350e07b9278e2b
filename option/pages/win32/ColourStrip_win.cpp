#include "ColourStrip_win.h"

#include <windowsx.h>

#include "SkinClasses_win.h"
#include "WideText_win.h"

namespace orvix {

using color_page::StripPoint;

ColourStripWindow::~ColourStripWindow() { DestroyControl(); }

bool ColourStripWindow::Create(const SkinControlSetup& setup, std::shared_ptr<const SkinBitmap> background,
                               std::optional<SkinBitmap> gradient, std::optional<SkinBitmap> marker) {
  model_ = color_page::ColourStrip(setup.dpi);
  background_ = std::move(background);
  gradient_ = std::move(gradient);
  marker_ = std::move(marker);
  SkinControlSetup own = setup;
  own.tabStop = false;
  return CreateControl(own, kPictureClass, WideFromUtf8(setup.placement.name), 0);
}

Rgb ColourStripWindow::ColourAt(StripPoint point) const {
  // The picture, not the screen: what lies over the strip (a tool tip, another window)
  // never becomes the custom colour.
  const COLORREF pixel = gradient_ ? gradient_->PixelAt(point.x, point.y) : CLR_INVALID;
  if (pixel == CLR_INVALID) return {255, 255, 255};
  return {GetRValue(pixel), GetGValue(pixel), GetBValue(pixel)};
}

void ColourStripWindow::Follow(const color_page::ColourStrip::Outcome& outcome) {
  if (outcome.repaint) Repaint();
  if (outcome.picked) {
    const Rgb& c = *outcome.picked;
    NotifyParent(kColourPickedMessage, RGB(c.red, c.green, c.blue), id());
  }
}

void ColourStripWindow::Paint(HDC dc, const RECT& client) const {
  if (background_) background_->DrawScaled(dc, client);
  if (gradient_) gradient_->Draw(dc, 0, 0);
  if (marker_) {
    const StripPoint at = model_.marker();
    marker_->Draw(dc, at.x, at.y);
  }
}

LRESULT ColourStripWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto painted = HandlePainting(message, wParam, [this](HDC dc, const RECT& client) { Paint(dc, client); }))
    return *painted;
  const StripPoint point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  const auto pixels = [this](StripPoint p) { return ColourAt(p); };
  switch (message) {
    case WM_LBUTTONDOWN:
      Follow(model_.Press(point, pixels));
      if (model_.dragging()) ::SetCapture(hwnd());
      return 0;
    case WM_MOUSEMOVE:
      Follow(model_.Move(point, pixels));
      break;  // the toolkit's hover tracking sees every move too
    case WM_LBUTTONUP:
      model_.Release();
      if (::GetCapture() == hwnd()) ::ReleaseCapture();
      return 0;
    case WM_CAPTURECHANGED:
      model_.Release();
      break;
    default:
      break;
  }
  return CallClass(message, wParam, lParam);
}

}  // namespace orvix
