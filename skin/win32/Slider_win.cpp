// Skinned sliders over the portable slider scale.
#include "Slider_win.h"

#include <windowsx.h>

#include <algorithm>

#include "PaintBuffer_win.h"
#include "SkinClasses_win.h"
#include "SkinColours_win.h"

namespace orvix {
namespace {

void Fill(HDC dc, const RECT& r, COLORREF colour) {
  BrushHandle brush(::CreateSolidBrush(colour));
  ::FillRect(dc, &r, brush.get());
}

void RoundBox(HDC dc, const RECT& r, int corner, COLORREF face, COLORREF edge) {
  BrushHandle brush(::CreateSolidBrush(face));
  PenHandle pen(::CreatePen(PS_SOLID, 1, edge));
  SelectedObject b(dc, brush.get()), p(dc, pen.get());
  ::RoundRect(dc, r.left, r.top, r.right, r.bottom, corner, corner);
}

}  // namespace

Slider::Slider() : scale_(0, 10, 1, 0, 0) {}

Slider::~Slider() { DestroyControl(); }

bool Slider::Create(const SliderSetup& setup, std::shared_ptr<const SkinBitmap> track, ButtonImages thumb) {
  track_ = std::move(track);
  thumb_ = std::move(thumb);
  hasThumbPictures_ = thumb_.For(SkinState::kNormal) != nullptr;
  notifyMessage_ = setup.notifyMessage;
  drawTrack_ = setup.drawTrack;
  const PixelRect rect = setup.dpi.Scale(setup.placement);
  const int thumbWidth =
      hasThumbPictures_ ? thumb_.For(SkinState::kNormal)->width() : std::max(4, setup.dpi.Scale(setup.thumbWidth96));
  scale_ = SliderScale(setup.minimum, setup.maximum, setup.step, rect.Width(), thumbWidth);
  value_ = scale_.Snap(setup.value);
  return CreateControl(setup, kSliderClass, L"", 0);
}

void Slider::SetValue(int value) {
  int snapped = scale_.Snap(value);
  if (snapped == value_) return;
  value_ = snapped;
  Repaint();
}

void Slider::MoveTo(int value) {
  int snapped = scale_.Snap(value);
  if (snapped == value_) return;
  value_ = snapped;
  Repaint();
  NotifyParent(notifyMessage_, static_cast<WPARAM>(static_cast<LPARAM>(value_)), id());
}

RECT Slider::ThumbRect() const {
  RECT client;
  ::GetClientRect(hwnd(), &client);
  const int left = scale_.ThumbLeft(value_);
  int height = client.bottom - client.top;
  if (hasThumbPictures_) height = std::min(height, thumb_.For(SkinState::kNormal)->height());
  else height = std::min(height, dpi().Scale(18));
  const int top = (client.bottom - client.top - height) / 2;
  return {left, top, left + scale_.thumbWidth(), top + height};
}

void Slider::Paint(HDC dc, const RECT& client) const {
  if (track_) {
    track_->DrawScaled(dc, client);
  } else {
    Fill(dc, client, skin_colours::kStandInNormal);
  }
  const bool active = enabled();
  const RECT thumb = ThumbRect();
  if (drawTrack_) {
    // A groove along the thumb's travel, lit from the start to the thumb.
    const int half = scale_.thumbWidth() / 2;
    const int middle = (client.top + client.bottom) / 2;
    const int thickness = std::max(2, dpi().Scale(4));
    RECT groove{client.left + half, middle - thickness / 2, client.right - half, middle - thickness / 2 + thickness};
    Fill(dc, groove, skin_colours::kEdge);
    RECT lit = groove;
    lit.right = (thumb.left + thumb.right) / 2;
    if (lit.right > lit.left) Fill(dc, lit, active ? skin_colours::kAccent : skin_colours::kEdgeHigh);
  }
  const SkinState state = LookOf({.enabled = active, .pushed = dragging_, .hot = hot(), .checked = false});
  if (hasThumbPictures_) {
    thumb_.For(state)->DrawScaled(dc, thumb);
  } else {
    COLORREF face = skin_colours::kGlyph;
    if (state == SkinState::kHover) face = skin_colours::kText;
    if (state == SkinState::kPressed) face = skin_colours::kAccent;
    if (state == SkinState::kDisabled) face = skin_colours::kEdge;
    RoundBox(dc, thumb, std::max(2, dpi().Scale(4)), face, skin_colours::kRecess);
  }
  if (::GetFocus() == hwnd() && !(::SendMessageW(hwnd(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
    RECT mark = client;
    ::SetTextColor(dc, RGB(255, 255, 255));
    ::SetBkColor(dc, RGB(0, 0, 0));
    ::DrawFocusRect(dc, &mark);
  }
}

LRESULT Slider::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto painted = HandlePainting(message, wParam, [this](HDC dc, const RECT& client) { Paint(dc, client); }))
    return *painted;
  switch (message) {
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
      Repaint();
      break;
    case WM_LBUTTONDOWN: {
      ::SetFocus(hwnd());
      const int x = GET_X_LPARAM(lParam);
      if (scale_.HitsThumb(value_, x)) {
        grabOffset_ = x - scale_.ThumbLeft(value_);
      } else {
        MoveTo(scale_.ValueAtPoint(x));
        grabOffset_ = scale_.thumbWidth() / 2;
      }
      dragging_ = true;
      ::SetCapture(hwnd());
      Repaint();
      return 0;
    }
    case WM_MOUSEMOVE:
      if (dragging_) MoveTo(scale_.ValueAtThumbLeft(GET_X_LPARAM(lParam) - grabOffset_));
      break;
    case WM_LBUTTONUP:
      if (dragging_) {
        dragging_ = false;
        ::ReleaseCapture();
        Repaint();
        NotifyParent(notifyMessage_, static_cast<WPARAM>(static_cast<LPARAM>(value_)), id());
      }
      return 0;
    case WM_CAPTURECHANGED:
      if (dragging_) {
        dragging_ = false;
        Repaint();
      }
      break;
    case WM_KEYDOWN: {
      const long long range = static_cast<long long>(scale_.maximum()) - scale_.minimum();
      const int page = static_cast<int>(std::clamp(range / scale_.step() / 10, 1LL, 1LL << 30));
      switch (wParam) {
        case VK_LEFT: case VK_DOWN: MoveTo(scale_.StepBy(value_, -1)); return 0;
        case VK_RIGHT: case VK_UP: MoveTo(scale_.StepBy(value_, 1)); return 0;
        case VK_PRIOR: MoveTo(scale_.StepBy(value_, page)); return 0;
        case VK_NEXT: MoveTo(scale_.StepBy(value_, -page)); return 0;
        case VK_HOME: MoveTo(scale_.minimum()); return 0;
        case VK_END: MoveTo(scale_.maximum()); return 0;
        default: break;
      }
      break;
    }
    case WM_MOUSEWHEEL: {
      wheelDelta_ += GET_WHEEL_DELTA_WPARAM(wParam);
      const int notches = wheelDelta_ / WHEEL_DELTA;
      wheelDelta_ -= notches * WHEEL_DELTA;
      if (notches != 0) MoveTo(scale_.StepBy(value_, notches));
      return 0;
    }
    default:
      break;
  }
  return CallClass(message, wParam, lParam);
}

}  // namespace orvix
