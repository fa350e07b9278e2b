#include "ButtonMenuWindow_win.h"

#include <vector>

#include "WideText_win.h"

namespace orvix {
namespace {

using button_page::MenuItem;

constexpr int kMenuWidth96 = 196;

std::wstring TextOf(const MenuItem& item, const MenuTexts& texts) {
  std::wstring text = WideFromAnsi(item.literal);
  if (item.textId) text += texts(item.textId);
  return text;
}

void AddItems(PopupMenu& menu, const std::vector<MenuItem>& items, const button_page::ButtonMenuSource& source,
              const MenuTexts& texts) {
  for (const MenuItem& item : items) {
    switch (item.kind) {
      case MenuItem::Kind::kSeparator:
        menu.AddSeparator();
        break;
      case MenuItem::Kind::kCommand:
        menu.AddItem(static_cast<UINT>(item.id), TextOf(item, texts), item.checked);
        break;
      case MenuItem::Kind::kSubmenu:
        if (item.filled) {
          AddItems(menu.AddSubmenu(TextOf(item, texts)), item.items, source, texts);
        } else {
          const int set = item.macroSet;
          menu.AddLazySubmenu(TextOf(item, texts), [&source, &texts, set](PopupMenu& submenu) {
            AddItems(submenu, button_page::MacroSetItems(source, set), source, texts);
          });
        }
        break;
    }
  }
}

}  // namespace

UINT TrackButtonMenu(HWND owner, POINT screen, const button_page::ButtonMenuSource& source, const MenuTexts& texts,
                     FontRef font, const DpiScale& dpi) {
  PopupMenu menu(MenuStyle{std::move(font), kMenuWidth96, dpi});
  AddItems(menu, button_page::BuildButtonMenu(source, button_page::SetSubmenus::kOnDemand), source, texts);
  return menu.Track(owner, screen);
}

}  // namespace orvix
