// The command identifiers of the button page's pop-up menu, and the function code each
// code-carrying item gives a slot.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace orvix::button_page {

// Items that open a dialog or the macro manager (some of them set a code afterwards).
inline constexpr int kMenuCreateTimer = 500;
inline constexpr int kMenuEditTimers = 501;
inline constexpr int kMenuStopTimer = 502;
inline constexpr int kMenuAssignShortcut = 1005;
inline constexpr int kMenuQuicklaunch = 1015;
inline constexpr int kMenuSelectPlayer = 1040;
inline constexpr int kMenuCreateMacro = 1099;

// Ranges: one item per timer, macro, macro set or companion device.
inline constexpr int kMenuFirstTimer = 505;         // 505 + t
inline constexpr int kMenuTimers = 50;              // t = 0..49
inline constexpr int kMenuFirstMacro = 1100;        // 1100 + 100 s + m
inline constexpr int kMenuMacroStride = 100;        // macros per set, and sets
inline constexpr int kMenuFirstEditMacroSet = 11100;  // 11100 + s
inline constexpr int kMenuAllDevices = 11200;
inline constexpr int kMenuFirstDevice = 11210;      // 11210 + 10 k; its lock 11211 + 10 k
inline constexpr int kMenuDeviceStride = 10;
inline constexpr int kMenuDevices = 20;             // k = 0..19

// The whole range a chosen item can carry: the lock of device 19 is the highest.
inline constexpr int kMenuFirstId = kMenuCreateTimer;
inline constexpr int kMenuLastId = kMenuFirstDevice + kMenuDeviceStride * (kMenuDevices - 1) + 1;

// The "all devices" choice stored in a slot's companion-device field.
inline constexpr std::uint32_t kAllCompanionDevices = 65535;

// An item that gives the slot a fixed code.
struct MenuCode {
  int id;
  std::uint8_t code;
};

// Every item with a code of its own, in menu-table order; the shortcut (5) and Quicklaunch
// (15) are among them, as their dialogs end by setting that code.
std::span<const MenuCode> FixedMenuCodes();

// The code of any code-carrying identifier, the ranges included (48 for a macro, 49 for a
// timer, 81/82/83 for the companion devices); nothing for the dialog-only items and ids
// outside the menu. Whether the item exists in a given menu is MenuChoice's question.
std::optional<std::uint8_t> CodeOfMenuId(int id);

// The identifier of a code that one item alone gives (not 48, 49, 81 or 82, whose item
// depends on the macro, timer or device); nothing for a code the menu does not offer.
std::optional<int> MenuIdOfCode(std::uint8_t code);

}  // namespace orvix::button_page
