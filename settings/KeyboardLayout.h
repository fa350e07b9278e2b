// The active keyboard layout, as the key table needs it to keep a recorded key the same
// physical key whatever layout is active.
#pragma once

namespace orvix {

class KeyboardLayout {
 public:
  virtual ~KeyboardLayout() = default;
  // The virtual key of a scan code, telling left and right modifiers apart
  // (MapVirtualKey with MAPVK_VSC_TO_VK_EX); 0 when the layout has none.
  virtual int VirtualKeyFromScanCode(int scanCode) const = 0;
  // The scan code of a virtual key (MAPVK_VK_TO_VSC); 0 when the layout has none.
  virtual int ScanCodeFromVirtualKey(int virtualKey) const = 0;
  // The character the key produces with no modifier held, in the system code page
  // (a dead key gives its accent); 0 when it produces none.
  virtual char CharacterOfKey(int virtualKey) const = 0;
  // The upper-case form of a character of that code page.
  virtual char UpperCase(char c) const { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
};

}  // namespace orvix
