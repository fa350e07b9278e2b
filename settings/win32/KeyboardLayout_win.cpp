#include "KeyboardLayout_win.h"

#include <windows.h>

namespace orvix {

int ActiveKeyboardLayout::VirtualKeyFromScanCode(int scanCode) const {
  return static_cast<int>(::MapVirtualKeyA(static_cast<UINT>(scanCode), MAPVK_VSC_TO_VK_EX));
}

int ActiveKeyboardLayout::ScanCodeFromVirtualKey(int virtualKey) const {
  return static_cast<int>(::MapVirtualKeyA(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC));
}

char ActiveKeyboardLayout::CharacterOfKey(int virtualKey) const {
  const BYTE noModifiers[256] = {};
  const UINT scanCode = ::MapVirtualKeyA(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC);
  WORD characters[2] = {};
  const int produced = ::ToAscii(static_cast<UINT>(virtualKey), scanCode, noModifiers, characters, 0);
  if (produced < 0) {
    // A dead key: its accent is named, and the pending accent is pressed once more so
    // that it does not combine with the user's next key.
    WORD flushed[2] = {};
    ::ToAscii(static_cast<UINT>(virtualKey), scanCode, noModifiers, flushed, 0);
  }
  return produced == 0 ? '\0' : static_cast<char>(characters[0] & 0xFF);
}

char ActiveKeyboardLayout::UpperCase(char c) const {
  char text[2] = {c, '\0'};
  ::CharUpperBuffA(text, 1);
  return text[0];
}

}  // namespace orvix
