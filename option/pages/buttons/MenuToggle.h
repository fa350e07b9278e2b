// A button that drops a pop-up menu opens it on a click and closes it on the next: the
// second click closes the menu (the system ends a menu on a click outside it), and the
// button then sees that click and must not open the menu again. The Windows side feeds
// the clicks and the menu's end; this decides whether a click opens.
#pragma once

#include <cstdint>

namespace orvix::button_page {

class MenuToggle {
 public:
  // A click on the button of `owner` (a slot, or 0 for a dialog's only drop-down): true
  // when its menu is to open now.
  bool OnClick(int owner);
  // The menu returned; `pointerOnOwner`: the window under the pointer is the button that
  // opened it.
  void OnMenuClosed(bool pointerOnOwner);
  // The owner whose menu is open, -1 for none.
  int open() const { return open_; }

 private:
  int open_ = -1;
  int lastOpened_ = -1;
  bool closedOverOwner_ = false;
};

// Slots 0 and 1 and a slot whose code is 0 never open the menu.
bool SlotOpensMenu(int slot, std::uint8_t code);

}  // namespace orvix::button_page
