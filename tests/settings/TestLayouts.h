// Keyboard layouts for tests: enough of the US and German layouts for the key table
// (letters with the Y/Z swap, digits, some punctuation, a dead key, the keys named by
// the table itself).
#pragma once

#include <map>

#include "KeyboardLayout.h"

namespace orvix::testing {

class TableLayout : public KeyboardLayout {
 public:
  struct Key {
    int virtualKey;
    char character;  // with no modifier; 0 for none
  };

  int VirtualKeyFromScanCode(int scanCode) const override;
  int ScanCodeFromVirtualKey(int virtualKey) const override;
  char CharacterOfKey(int virtualKey) const override;
  // Latin-1 upper case, as in the Western code page.
  char UpperCase(char c) const override;

 protected:
  void Add(int scanCode, int virtualKey, char character) { keys_[scanCode] = {virtualKey, character}; }
  void AddCommonKeys();

 private:
  std::map<int, Key> keys_;  // by scan code
};

class UsLayout : public TableLayout {
 public:
  UsLayout();
};

class GermanLayout : public TableLayout {
 public:
  GermanLayout();
};

}  // namespace orvix::testing
