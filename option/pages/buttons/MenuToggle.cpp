#include "pages/buttons/MenuToggle.h"

#include "ButtonAssignment.h"
#include "ButtonFunctionCodes.h"

namespace orvix::button_page {

bool MenuToggle::OnClick(int owner) {
  if (closedOverOwner_ && lastOpened_ == owner) {
    // The click that closed the menu reaches its button: it only closes.
    closedOverOwner_ = false;
    lastOpened_ = -1;
    return false;
  }
  lastOpened_ = owner;
  open_ = owner;
  return true;
}

void MenuToggle::OnMenuClosed(bool pointerOnOwner) {
  closedOverOwner_ = pointerOnOwner;
  open_ = -1;
}

bool SlotOpensMenu(int slot, std::uint8_t code) {
  return slot >= 2 && slot < kButtonSlots && code != kFunctionDisabled;
}

}  // namespace orvix::button_page
