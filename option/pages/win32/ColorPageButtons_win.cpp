#include "ColorPageButtons_win.h"

#include "SkinClasses_win.h"
#include "WideText_win.h"

namespace orvix {
namespace {

// The colour sits inside the socket's rim, as the frame's slot swatches do.
constexpr int kColourInset96 = 4;
// The choice's light takes the left end of its face.
constexpr int kChoiceLight96 = 18;

void FillColour(HDC dc, const RECT& client, const DpiScale& dpi, COLORREF colour) {
  const int inset = dpi.Scale(kColourInset96);
  const RECT inside{client.left + inset, client.top + inset, client.right - inset, client.bottom - inset};
  BrushHandle brush(::CreateSolidBrush(colour));
  ::FillRect(dc, &inside, brush.get());
}

}  // namespace

RECT ChoiceButton::LabelArea(const RECT& client) const {
  RECT area = client;
  area.left += dpi().Scale(kChoiceLight96);
  return area;
}

void ColourButton::SetColour(std::optional<COLORREF> colour) {
  if (colour == colour_) return;
  colour_ = colour;
  Repaint();
}

void ColourButton::PaintExtras(HDC dc, const RECT& client, SkinState) const {
  if (colour_) FillColour(dc, client, dpi(), *colour_);
}

ColourSwatch::~ColourSwatch() { DestroyControl(); }

bool ColourSwatch::Create(const SkinControlSetup& setup, std::shared_ptr<const SkinBitmap> background) {
  background_ = std::move(background);
  return CreateControl(setup, kPictureClass, WideFromUtf8(setup.placement.name), 0);
}

void ColourSwatch::SetColour(COLORREF colour) {
  if (colour == colour_) return;
  colour_ = colour;
  Repaint();
}

LRESULT ColourSwatch::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto painted = HandlePainting(message, wParam, [this](HDC dc, const RECT& client) {
        if (background_) background_->DrawScaled(dc, client);
        FillColour(dc, client, dpi(), colour_);
      }))
    return *painted;
  return CallClass(message, wParam, lParam);
}

}  // namespace orvix
