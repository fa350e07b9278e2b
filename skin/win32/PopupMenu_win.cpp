// Owner-drawn menus.
#include "PopupMenu_win.h"

#include <commctrl.h>

#include <algorithm>
#include <atomic>

#include "SkinClasses_win.h"
#include "SkinColours_win.h"

namespace orvix {
namespace {

constexpr UINT_PTR kOwnerSubclassId = 0x4D454E55;  // "MENU"

void Fill(HDC dc, const RECT& r, COLORREF colour) {
  BrushHandle brush(::CreateSolidBrush(colour));
  ::FillRect(dc, &r, brush.get());
}

void Line(HDC dc, int x1, int y1, int x2, int y2, int width, COLORREF colour) {
  PenHandle pen(::CreatePen(PS_SOLID, width, colour));
  SelectedObject selected(dc, pen.get());
  ::MoveToEx(dc, x1, y1, nullptr);
  ::LineTo(dc, x2, y2);
}

void SubmenuArrow(HDC dc, const RECT& area, COLORREF colour) {
  const int cx = (area.left + area.right) / 2, cy = (area.top + area.bottom) / 2;
  const int half = std::max(2, static_cast<int>(area.bottom - area.top) / 5);
  POINT points[3] = {{cx - half / 2, cy - half}, {cx - half / 2, cy + half}, {cx + half / 2 + 1, cy}};
  BrushHandle brush(::CreateSolidBrush(colour));
  PenHandle pen(::CreatePen(PS_SOLID, 1, colour));
  SelectedObject b(dc, brush.get()), p(dc, pen.get());
  ::Polygon(dc, points, 3);
}

int FontHeight(HFONT font) {
  WindowDc screen(nullptr);
  SelectedObject selected(screen.get(), font);
  TEXTMETRICW metrics{};
  ::GetTextMetricsW(screen.get(), &metrics);
  return metrics.tmHeight;
}

}  // namespace

PopupMenu::PopupMenu(MenuStyle style)
    : PopupMenu(std::make_shared<const MenuStyle>(std::move(style)),
                std::make_shared<BrushHandle>(::CreateSolidBrush(skin_colours::kBody))) {}

PopupMenu::PopupMenu(std::shared_ptr<const MenuStyle> style, std::shared_ptr<BrushHandle> background)
    : style_(std::move(style)), menu_(::CreatePopupMenu()), background_(std::move(background)) {
  // The menu's own background (around and between the items) in the theme's colour.
  MENUINFO info{};
  info.cbSize = sizeof info;
  info.fMask = MIM_BACKGROUND;
  info.hbrBack = background_->get();
  if (menu_) ::SetMenuInfo(menu_, &info);
}

PopupMenu::~PopupMenu() {
  if (menu_ && ownsMenu_) ::DestroyMenu(menu_);
}

int PopupMenu::itemCount() const { return menu_ ? ::GetMenuItemCount(menu_) : 0; }

PopupMenu::Item& PopupMenu::NewItem(std::wstring_view text) {
  auto item = std::make_unique<Item>();
  item->text = text;
  item->menu = this;
  items_.push_back(std::move(item));
  return *items_.back();
}

void PopupMenu::Insert(Item& item, UINT id, UINT state, HMENU submenu) {
  if (!menu_) return;
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_DATA | (submenu ? MIIM_SUBMENU : 0);
  info.fType = MFT_OWNERDRAW | (item.separator ? MFT_SEPARATOR : 0);
  info.fState = state;
  info.wID = id;
  info.hSubMenu = submenu;
  info.dwItemData = reinterpret_cast<ULONG_PTR>(&item);
  ::InsertMenuItemW(menu_, static_cast<UINT>(::GetMenuItemCount(menu_)), TRUE, &info);
}

void PopupMenu::AddItem(UINT id, std::wstring_view text, bool checked, bool enabled) {
  Item& item = NewItem(text);
  Insert(item, id, (checked ? MFS_CHECKED : 0) | (enabled ? 0 : MFS_DISABLED), nullptr);
}

void PopupMenu::AddSeparator() {
  Item& item = NewItem(L"");
  item.separator = true;
  Insert(item, 0, MFS_DISABLED, nullptr);
}

PopupMenu& PopupMenu::AddSubmenu(std::wstring_view text, bool enabled) {
  submenus_.push_back(std::unique_ptr<PopupMenu>(new PopupMenu(style_, background_)));
  PopupMenu& submenu = *submenus_.back();
  submenu.ownsMenu_ = false;
  Item& item = NewItem(text);
  item.submenu = true;
  Insert(item, 0, enabled ? 0 : MFS_DISABLED, submenu.menu_);
  return submenu;
}

void PopupMenu::AddLazySubmenu(std::wstring_view text, Filler fill) {
  PopupMenu& submenu = AddSubmenu(text);
  submenu.fill_ = std::move(fill);
}

bool PopupMenu::FillOpening(HMENU menu) {
  if (menu_ == menu) {
    if (!fill_) return false;
    const Filler fill = std::move(fill_);
    fill_ = nullptr;
    fill(*this);
    return true;
  }
  for (auto& submenu : submenus_)
    if (submenu->FillOpening(menu)) return true;
  return false;
}

int PopupMenu::ItemHeight(bool separator) const {
  const DpiScale& dpi = style_->dpi;
  if (separator) return dpi.Scale(7);
  return std::max(FontHeight(FontOrDefault(style_->font)) + dpi.Scale(8), dpi.Scale(20));
}

namespace {

// What the system adds around an owner-drawn item of a pop-up menu: its frame, and (as the
// system has done since Windows 95) twice the average character width of the menu font.
int EstimatedWidthAllowance() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  int average = 6;
  if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    FontHandle menuFont(::CreateFontIndirectW(&metrics.lfMenuFont));
    WindowDc screen(nullptr);
    SelectedObject selected(screen.get(), menuFont.get());
    SIZE extent{};
    static constexpr wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    if (::GetTextExtentPoint32W(screen.get(), kLetters, 52, &extent)) average = (extent.cx / 26 + 1) / 2;
  }
  return 2 * average + 2 * 3;
}

// The allowance measured on a menu really shown (systems differ in it), else the estimate.
std::atomic<int> measuredAllowance{-1};

int WidthAllowance() {
  int measured = measuredAllowance.load();
  if (measured >= 0) return measured;
  static const int estimated = EstimatedWidthAllowance();
  return estimated;
}

}  // namespace

int PopupMenu::MeasuredItemWidth() const {
  return std::max(style_->dpi.Scale(40), style_->dpi.Scale(style_->width96) - WidthAllowance());
}

void PopupMenu::LearnWidthAllowance(HWND menuWindow) {
  HMENU menu = reinterpret_cast<HMENU>(::SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_DATA;
  RECT window;
  if (!menu || !::GetMenuItemInfoW(menu, 0, TRUE, &info) || !(info.fType & MFT_OWNERDRAW) || !info.dwItemData ||
      !::GetWindowRect(menuWindow, &window))
    return;
  const auto* item = reinterpret_cast<const Item*>(info.dwItemData);
  const int wanted = item->menu->style_->dpi.Scale(item->menu->style_->width96);
  const int allowance = WidthAllowance() + static_cast<int>(window.right - window.left) - wanted;
  // A menu in several columns (taller than the screen) says nothing about the allowance.
  if (allowance >= 0 && allowance < 100) measuredAllowance.store(allowance);
}

void PopupMenu::Measure(MEASUREITEMSTRUCT& measure) {
  const auto* item = reinterpret_cast<const Item*>(measure.itemData);
  if (!item) return;
  measure.itemWidth = static_cast<UINT>(item->menu->MeasuredItemWidth());
  measure.itemHeight = static_cast<UINT>(item->menu->ItemHeight(item->separator));
}

void PopupMenu::Draw(const DRAWITEMSTRUCT& draw) {
  const auto* item = reinterpret_cast<const Item*>(draw.itemData);
  if (!item) return;
  const DpiScale& dpi = item->menu->style_->dpi;
  HDC dc = draw.hDC;
  const RECT& r = draw.rcItem;
  const bool disabled = (draw.itemState & (ODS_DISABLED | ODS_GRAYED)) != 0;
  const bool selected = (draw.itemState & ODS_SELECTED) != 0 && !disabled && !item->separator;

  Fill(dc, r, selected ? skin_colours::kAccentDeep : skin_colours::kBody);
  if (item->separator) {
    const int y = (r.top + r.bottom) / 2;
    Line(dc, r.left + dpi.Scale(6), y, r.right - dpi.Scale(6), y, 1, skin_colours::kEdge);
    return;
  }
  if (selected) {
    RECT bar{r.left, r.top, r.left + std::max(2, dpi.Scale(2)), r.bottom};
    Fill(dc, bar, skin_colours::kAccent);
  }
  const int column = dpi.Scale(20);
  if (draw.itemState & ODS_CHECKED) {
    // A check mark drawn with two strokes in the accent colour.
    const int x = r.left + dpi.Scale(5), y = (r.top + r.bottom) / 2;
    const int s = std::max(2, dpi.Scale(3));
    const int width = std::max(2, dpi.Scale(2));
    Line(dc, x, y, x + s, y + s, width, skin_colours::kAccent);
    Line(dc, x + s, y + s, x + 3 * s, y - s, width, skin_colours::kAccent);
  }
  RECT text{r.left + column, r.top, r.right - dpi.Scale(14), r.bottom};
  SelectedObject font(dc, FontOrDefault(item->menu->style_->font));
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, disabled ? skin_colours::kGreyText : selected ? skin_colours::kWhiteText : skin_colours::kText);
  ::DrawTextW(dc, item->text.c_str(), static_cast<int>(item->text.size()), &text,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  if (item->submenu) {
    RECT arrow{r.right - dpi.Scale(14), r.top, r.right, r.bottom};
    SubmenuArrow(dc, arrow, disabled ? skin_colours::kGreyText : skin_colours::kGlyph);
    // The system draws its own arrow after this; clipping keeps it off ours.
    ::ExcludeClipRect(dc, arrow.left, arrow.top, arrow.right, arrow.bottom);
  }
}

LRESULT CALLBACK PopupMenu::OwnerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR data) {
  switch (message) {
    case WM_INITMENUPOPUP:
      if (data) reinterpret_cast<PopupMenu*>(data)->FillOpening(reinterpret_cast<HMENU>(wParam));
      break;
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (measure->CtlType != ODT_MENU) break;
      Measure(*measure);
      return TRUE;
    }
    case WM_DRAWITEM: {
      auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (draw->CtlType != ODT_MENU) break;
      Draw(*draw);
      return TRUE;
    }
    case WM_ENTERIDLE:
      if (wParam == MSGF_MENU && lParam) LearnWidthAllowance(reinterpret_cast<HWND>(lParam));
      break;
    case WM_NCDESTROY:
      ::RemoveWindowSubclass(window, &PopupMenu::OwnerProcedure, kOwnerSubclassId);
      break;
    default:
      break;
  }
  return ::DefSubclassProc(window, message, wParam, lParam);
}

UINT PopupMenu::Track(HWND owner, POINT screen, const RECT& avoid) const {
  if (!menu_ || itemCount() == 0 || !EnsureSkinClasses()) return 0;
  HWND root = owner ? ::GetAncestor(owner, GA_ROOT) : nullptr;
  OwnedWindow ownerWindow(::CreateWindowExW(WS_EX_TOOLWINDOW, kMenuOwnerClass, L"", WS_POPUP, 0, 0, 0, 0, root,
                                            nullptr, ::GetModuleHandleW(nullptr), nullptr));
  if (!ownerWindow ||
      // Lazy submenus are filled while the menu is shown: the only change a shown menu makes.
      !::SetWindowSubclass(ownerWindow.get(), &PopupMenu::OwnerProcedure, kOwnerSubclassId,
                           reinterpret_cast<DWORD_PTR>(const_cast<PopupMenu*>(this))))
    return 0;
  TPMPARAMS params{sizeof params, avoid};
  const bool hasAvoid = avoid.right > avoid.left && avoid.bottom > avoid.top;
  UINT flags = TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_LEFTBUTTON | TPM_VERTICAL;
  BOOL chosen = ::TrackPopupMenuEx(menu_, flags, screen.x, screen.y, ownerWindow.get(), hasAvoid ? &params : nullptr);
  return chosen > 0 ? static_cast<UINT>(chosen) : 0;
}

}  // namespace orvix
