#include "MainPageButtons_win.h"

#include <algorithm>

#include "GdiHandles_win.h"

namespace orvix {
namespace {

constexpr COLORREF kRestingEdge = RGB(0x4c, 0x53, 0x5e);
constexpr COLORREF kRestingRing = RGB(0x0e, 0x10, 0x13);
constexpr COLORREF kLabel = RGB(230, 233, 238);
constexpr COLORREF kActiveLabel = RGB(255, 255, 255);
constexpr COLORREF kDisabledLabel = RGB(115, 115, 115);
constexpr COLORREF kDisabledTick = RGB(0x7a, 0x80, 0x89);

}  // namespace

bool MainPageButton::Create(SkinButtonSetup setup, ButtonImages images) {
  labelFont_ = setup.font;
  setup.drawLabel = false;
  if (style_ == Style::kCheckBox) setup.kind = ButtonKind::kCheck;
  return SkinButton::Create(setup, std::move(images));
}

void MainPageButton::SetLabelFont(FontRef font) {
  labelFont_ = font;
  SetFont(std::move(font));
}

void MainPageButton::PaintLabel(HDC dc, const RECT& area, SkinState state) const {
  const std::wstring text = label();
  if (text.empty()) return;
  RECT box = area;
  SelectedObject font(dc, FontOrDefault(labelFont_));
  ::SetBkMode(dc, TRANSPARENT);
  COLORREF colour = state == SkinState::kPressed ? kActiveLabel : kLabel;
  if (state == SkinState::kDisabled) colour = kDisabledLabel;
  ::SetTextColor(dc, colour);
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void MainPageButton::PaintExtras(HDC dc, const RECT& client, SkinState state) const {
  switch (style_) {
    case Style::kChoice: {
      // The ring as the art draws it: 14 layout pixels or the height, at the left end.
      const int height = client.bottom - client.top;
      const int side = std::min<int>(height, dpi().Scale(14));
      const int left = client.left + (std::min<int>(client.right - client.left, height) - side) / 2;
      const int top = client.top + (height - side) / 2;
      if (state == SkinState::kNormal) {
        const BrushHandle inside(::CreateSolidBrush(kRestingRing));
        const PenHandle edge(::CreatePen(PS_SOLID, 1, kRestingEdge));
        SelectedObject b(dc, inside.get()), p(dc, edge.get());
        ::Ellipse(dc, left, top, left + side, top + side);
      }
      const int labelLeft = std::max<int>(left + side + dpi().Scale(7), client.left + height);
      PaintLabel(dc, {labelLeft, client.top, client.right, client.bottom}, state);
      return;
    }
    case Style::kStrip:
      PaintLabel(dc, {client.left + dpi().Scale(labelIndent96_), client.top, client.right, client.bottom}, state);
      return;
    case Style::kCheckBox:
      if (checked() && state == SkinState::kDisabled) {
        // The active level: on, and grey because it cannot be switched off.
        const int w = client.right - client.left, h = client.bottom - client.top;
        const POINT tick[] = {{client.left + w * 27 / 100, client.top + h * 52 / 100},
                              {client.left + w * 44 / 100, client.top + h * 72 / 100},
                              {client.left + w * 76 / 100, client.top + h * 28 / 100}};
        const PenHandle pen(::CreatePen(PS_SOLID, std::max(1, dpi().Scale(2)), kDisabledTick));
        SelectedObject p(dc, pen.get());
        ::Polyline(dc, tick, 3);
      }
      return;
  }
}

}  // namespace orvix
