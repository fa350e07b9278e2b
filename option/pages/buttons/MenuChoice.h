// What a command chosen from the button page's pop-up menu means: a code for the slot
// (with its timer, macro or companion device), or a dialog the page opens first.
#pragma once

#include <cstdint>

#include "pages/buttons/ButtonMenuSource.h"

namespace orvix::button_page {

enum class MenuAction {
  kNothing,         // not an item of this menu, or its timer, macro or device is gone
  kSetCode,         // give the slot `code`
  kSetDevice,       // give the slot `code` 81, 82 or 83 with `companionDevice`
  kSetTimer,        // give the slot code 49 with timer `timer`
  kSetMacro,        // give the slot code 48 with macro `macro` of set `macroSet`
  kCreateTimer,     // the new-timer dialog; the slot is not changed
  kEditTimers,      // the timer editor; the slot is not changed
  kSelectPlayer,    // the media-player dialog; sets the profile's MediaOption only
  kAssignShortcut,  // the shortcut dialog; on OK code 5 (`code`)
  kChooseProgram,   // the program dialog; on OK code 15 (`code`)
  kCreateMacro,     // the macro manager in create mode; the slot is not changed
  kEditMacroSet,    // the macro manager on set `macroSet`; the slot is not changed
};

struct MenuChoice {
  MenuAction action = MenuAction::kNothing;
  std::uint8_t code = 0;
  std::uint32_t companionDevice = 0;
  int timer = -1;
  int macroSet = -1;
  int macro = -1;
  friend bool operator==(const MenuChoice&, const MenuChoice&) = default;
};

// The meaning of command `id` in the menu built from `source`. An identifier of an item
// that menu does not have (another slot's, a timer, macro or device beyond the lists
// the source now holds) means nothing, so a list that changed while the menu was open
// never makes the page copy from outside it.
MenuChoice ChoiceOfMenuId(const ButtonMenuSource& source, int id);

// The timer list is full: "Create Timer" does nothing (ids 505..554 hold 50 timers).
bool TimerListFull(int timerCount);

}  // namespace orvix::button_page
