// Drop-down combos. A press on the combo while its menu is open ends the menu; whether the
// system then also hands that press on to the combo differs between systems, so a press
// still waiting when the menu has closed is taken out of the queue: the menu does not open
// again.
#include "SkinCombo_win.h"

#include <algorithm>

#include "SkinColours_win.h"

namespace orvix {

SkinCombo::~SkinCombo() { DestroyControl(); }

bool SkinCombo::Create(const SkinButtonSetup& setup, ButtonImages images, MenuStyle style, MenuBuilder build) {
  style_ = std::move(style);
  build_ = std::move(build);
  SkinButtonSetup push = setup;
  push.kind = ButtonKind::kPush;
  return SkinButton::Create(push, std::move(images));
}

void SkinCombo::OnClicked() {
  if (menuOpen_ || !build_ || !hwnd()) return;
  PopupMenu menu(style_);
  build_(menu);
  if (menu.itemCount() == 0) return;
  RECT button;
  ::GetWindowRect(hwnd(), &button);
  menuOpen_ = true;
  SetChecked(true);  // the pressed look while the menu is open
  HWND self = hwnd();
  lastChoice_ = menu.Track(self, POINT{button.left, button.bottom}, button);
  // A press on this combo that ended the menu may still wait in the queue; it only closed
  // the menu, so it goes.
  MSG press;
  while (::PeekMessageW(&press, self, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, PM_REMOVE)) {
  }
  menuOpen_ = false;
  if (!::IsWindow(self)) return;
  SetChecked(false);
  if (lastChoice_ != 0) ::SendMessageW(::GetParent(self), WM_COMMAND, MAKEWPARAM(lastChoice_, 0), 0);
}

RECT SkinCombo::LabelArea(const RECT& client) const {
  RECT area = client;
  area.right -= dpi().Scale(16);
  return area;
}

void SkinCombo::PaintExtras(HDC dc, const RECT& client, SkinState state) const {
  const int half = std::max(2, dpi().Scale(4));
  const int cx = client.right - dpi().Scale(10), cy = (client.top + client.bottom) / 2;
  POINT arrow[3] = {{cx - half, cy - half / 2}, {cx + half, cy - half / 2}, {cx, cy + half / 2 + 1}};
  const COLORREF colour = state == SkinState::kDisabled ? skin_colours::kGreyText : skin_colours::kText;
  BrushHandle brush(::CreateSolidBrush(colour));
  PenHandle pen(::CreatePen(PS_SOLID, 1, colour));
  SelectedObject b(dc, brush.get()), p(dc, pen.get());
  ::Polygon(dc, arrow, 3);
}

}  // namespace orvix
