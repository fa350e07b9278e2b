// Keys in macros and shortcuts are USB HID keyboard usage codes, and 240..244 stand for
// the mouse buttons. The key table turns them into Windows virtual keys and back; the
// keys of the main typing area go through their scan code and the active layout, so a
// recorded key stays the same physical key whatever layout is active.
#pragma once

#include <array>
#include <optional>

#include "KeyboardLayout.h"

namespace orvix {

struct KeyTableRow {
  int virtualKey;
  int usage;
  int scanCode;  // scan-code-set-1 make code for usages 4..69, otherwise 0
};

constexpr int kKeyTableRows = 109;
const std::array<KeyTableRow, kKeyTableRows>& KeyTable();

// The usage codes translated through the layout.
constexpr bool IsLayoutUsage(int usage) { return usage >= 4 && usage <= 69; }

// The virtual key of a usage code; nullopt when the table has no row for it.
std::optional<int> UsageToVirtualKey(int usage, const KeyboardLayout& layout);
// The usage code of a virtual key; nullopt when the table has no row for it.
std::optional<int> VirtualKeyToUsage(int virtualKey, const KeyboardLayout& layout);

}  // namespace orvix
