// Owner-drawn pop-up menus in the dark theme: a font and a fixed width per menu (for
// example 140, 165 or 176 pixels at 96 DPI), items with check marks, separators and
// submenus. The menu's measuring and drawing messages go to a hidden owner window of its
// own, so the dialog that opens a menu needs no code for them.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "DpiScale.h"
#include "GdiHandles_win.h"
#include "SkinFont_win.h"

namespace orvix {

struct MenuStyle {
  FontRef font;  // null: the system's GUI font
  int width96 = 140;
  DpiScale dpi;
};

class PopupMenu {
 public:
  explicit PopupMenu(MenuStyle style);
  PopupMenu(const PopupMenu&) = delete;
  PopupMenu& operator=(const PopupMenu&) = delete;
  ~PopupMenu();

  void AddItem(UINT id, std::wstring_view text, bool checked = false, bool enabled = true);
  void AddSeparator();
  // A submenu of the same style, owned by this menu.
  PopupMenu& AddSubmenu(std::wstring_view text, bool enabled = true);
  // A submenu whose items `fill` adds when it first opens: a menu of many long submenus
  // then opens at once.
  using Filler = std::function<void(PopupMenu&)>;
  void AddLazySubmenu(std::wstring_view text, Filler fill);

  HMENU handle() const { return menu_; }
  int itemCount() const;

  // Shows the menu with its top-left corner at `screen` and returns the command chosen, 0
  // for none. `avoid` (screen coordinates, may be empty) is kept uncovered: a menu that does
  // not fit below a drop-down opens above it. `owner` is the window the menu belongs to.
  UINT Track(HWND owner, POINT screen, const RECT& avoid = RECT{}) const;

  // The item width given to the system, so that the whole menu window, with what the
  // system adds around owner-drawn items, is `width96` wide. What the system adds is
  // estimated, then learnt from the first menu shown.
  int MeasuredItemWidth() const;
  int ItemHeight(bool separator) const;

 private:
  struct Item {
    std::wstring text;
    bool separator = false;
    bool submenu = false;
    const PopupMenu* menu = nullptr;
  };

  static LRESULT CALLBACK OwnerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR data);
  static void Measure(MEASUREITEMSTRUCT& measure);
  static void LearnWidthAllowance(HWND menuWindow);
  static void Draw(const DRAWITEMSTRUCT& draw);
  Item& NewItem(std::wstring_view text);
  // The lazy submenu of `menu` in this menu's tree, filled now; false when none is.
  bool FillOpening(HMENU menu);
  void Insert(Item& item, UINT id, UINT state, HMENU submenu);

  std::shared_ptr<const MenuStyle> style_;
  HMENU menu_ = nullptr;
  bool ownsMenu_ = true;  // submenus are destroyed with their parent's menu
  std::vector<std::unique_ptr<Item>> items_;
  std::vector<std::unique_ptr<PopupMenu>> submenus_;
  std::shared_ptr<BrushHandle> background_;
  Filler fill_;  // set until a lazy submenu is filled

  PopupMenu(std::shared_ptr<const MenuStyle> style, std::shared_ptr<BrushHandle> background);
};

}  // namespace orvix
