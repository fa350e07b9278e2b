// The button page's pop-up menu as a tree of items, in the order and with the command
// identifiers the page shows, for one slot. The Windows side turns the tree into its menu;
// a large macro library can be filled in set by set, when a set's submenu opens.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "pages/buttons/ButtonMenuSource.h"

namespace orvix::button_page {

struct MenuItem {
  enum class Kind { kCommand, kSeparator, kSubmenu };

  Kind kind = Kind::kCommand;
  int id = 0;  // kCommand: the command identifier
  // The text shown: `literal` (names from the user's data, shown as they are), followed by
  // the language text `textId` when it is not 0.
  std::string literal;
  int textId = 0;
  bool checked = false;
  // kSubmenu: its items. A macro set's submenu built on demand has none until
  // MacroSetItems(source, macroSet) gives them.
  std::vector<MenuItem> items;
  int macroSet = -1;   // a macro set's submenu: the set's index
  bool filled = true;  // false: a set's submenu whose items are still to come
};

enum class SetSubmenus { kFilled, kOnDemand };

// The whole menu for `source.slot`.
std::vector<MenuItem> BuildButtonMenu(const ButtonMenuSource& source, SetSubmenus sets = SetSubmenus::kFilled);

// The items of set `set`'s submenu: "Edit Macro..." and the set's macros. Empty for a set
// the menu does not offer.
std::vector<MenuItem> MacroSetItems(const ButtonMenuSource& source, int set);

// Where the slot's current macro is in the library: the first macro whose set and macro
// names equal the slot's. Nothing when the slot has no macro function or none matches.
struct MacroPlace {
  int set;
  int macro;
  friend bool operator==(const MacroPlace&, const MacroPlace&) = default;
};
std::optional<MacroPlace> CheckedMacro(const ButtonMenuSource& source);

}  // namespace orvix::button_page
