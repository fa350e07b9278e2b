#include "AdvancedButton_win.h"

#include <algorithm>

#include "GdiHandles_win.h"

namespace orvix {
namespace {

constexpr COLORREF kRestingEdge = RGB(0x36, 0x3c, 0x45);
constexpr COLORREF kRestingBox = RGB(0x0e, 0x10, 0x13);
constexpr COLORREF kLabel = RGB(230, 233, 238);
constexpr COLORREF kDisabledLabel = RGB(115, 115, 115);

void Frame(HDC dc, const RECT& r, COLORREF colour) {
  const BrushHandle brush(::CreateSolidBrush(colour));
  ::FrameRect(dc, &r, brush.get());
}

}  // namespace

bool AdvancedButton::Create(SkinButtonSetup setup, ButtonImages images) {
  labelFont_ = setup.font;
  if (style_ == Style::kCheckBox) {
    setup.kind = ButtonKind::kCheck;
    setup.drawLabel = false;
  }
  return SkinButton::Create(setup, std::move(images));
}

void AdvancedButton::SetLabelFont(FontRef font) {
  labelFont_ = font;
  SetFont(std::move(font));
}

RECT AdvancedButton::Box(const RECT& client) const {
  // As the art draws it: square, 14 layout pixels or the height, at the left end.
  const int side = std::min<int>(client.bottom - client.top, dpi().Scale(14));
  const int top = client.top + (client.bottom - client.top - side) / 2;
  return {client.left, top, client.left + side, top + side};
}

void AdvancedButton::PaintExtras(HDC dc, const RECT& client, SkinState state) const {
  if (style_ == Style::kOutlined) {
    if (state == SkinState::kNormal) Frame(dc, client, kRestingEdge);
    return;
  }
  const RECT box = Box(client);
  if (state == SkinState::kNormal) {
    const BrushHandle inside(::CreateSolidBrush(kRestingBox));
    ::FillRect(dc, &box, inside.get());
    Frame(dc, box, kRestingEdge);
  }
  const std::wstring text = label();
  RECT area{box.right + dpi().Scale(6), client.top, client.right, client.bottom};
  SelectedObject font(dc, FontOrDefault(labelFont_));
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, state == SkinState::kDisabled ? kDisabledLabel : kLabel);
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

}  // namespace orvix
