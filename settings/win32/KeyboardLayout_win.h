// The keyboard layout active for the calling thread.
#pragma once

#include "KeyboardLayout.h"

namespace orvix {

class ActiveKeyboardLayout final : public KeyboardLayout {
 public:
  int VirtualKeyFromScanCode(int scanCode) const override;
  int ScanCodeFromVirtualKey(int virtualKey) const override;
  char CharacterOfKey(int virtualKey) const override;
  char UpperCase(char c) const override;
};

}  // namespace orvix
