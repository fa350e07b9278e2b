#include "TestLayouts.h"

namespace orvix::testing {
namespace {

// The letters by scan code, as printed on a US keyboard.
constexpr struct {
  int scanCode;
  char letter;
} kUsLetters[] = {
    {0x1E, 'a'}, {0x30, 'b'}, {0x2E, 'c'}, {0x20, 'd'}, {0x12, 'e'}, {0x21, 'f'}, {0x22, 'g'},
    {0x23, 'h'}, {0x17, 'i'}, {0x24, 'j'}, {0x25, 'k'}, {0x26, 'l'}, {0x32, 'm'}, {0x31, 'n'},
    {0x18, 'o'}, {0x19, 'p'}, {0x10, 'q'}, {0x13, 'r'}, {0x1F, 's'}, {0x14, 't'}, {0x16, 'u'},
    {0x2F, 'v'}, {0x11, 'w'}, {0x2D, 'x'}, {0x15, 'y'}, {0x2C, 'z'},
};

}  // namespace

int TableLayout::VirtualKeyFromScanCode(int scanCode) const {
  const auto key = keys_.find(scanCode);
  return key == keys_.end() ? 0 : key->second.virtualKey;
}

int TableLayout::ScanCodeFromVirtualKey(int virtualKey) const {
  for (const auto& [scanCode, key] : keys_)
    if (key.virtualKey == virtualKey) return scanCode;
  return 0;
}

char TableLayout::CharacterOfKey(int virtualKey) const {
  for (const auto& [scanCode, key] : keys_)
    if (key.virtualKey == virtualKey) return key.character;
  return 0;
}

char TableLayout::UpperCase(char c) const {
  const auto u = static_cast<unsigned char>(c);
  if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7)) return static_cast<char>(u - 0x20);
  return c;
}

void TableLayout::AddCommonKeys() {
  for (int digit = 1; digit <= 9; ++digit) Add(1 + digit, '0' + digit, static_cast<char>('0' + digit));
  Add(0x0B, '0', '0');
  Add(0x01, 0x1B, '\x1b');  // Esc
  Add(0x0E, 0x08, '\b');    // Backspace
  Add(0x0F, 0x09, '\t');    // Tab
  Add(0x1C, 0x0D, '\r');    // Enter
  Add(0x39, 0x20, ' ');     // Space
  Add(0x3A, 0x14, 0);       // Caps Lock
  Add(0x2A, 0xA0, 0);       // left Shift, told apart from the right one
  Add(0x36, 0xA1, 0);
  for (int f = 0; f < 10; ++f) Add(0x3B + f, 0x70 + f, 0);
  Add(0x57, 0x7A, 0);
  Add(0x58, 0x7B, 0);
  Add(0x33, 0xBC, ',');
  Add(0x34, 0xBE, '.');
}

UsLayout::UsLayout() {
  AddCommonKeys();
  for (const auto& key : kUsLetters) Add(key.scanCode, key.letter - 'a' + 'A', key.letter);
  Add(0x0C, 0xBD, '-');
  Add(0x0D, 0xBB, '=');
  Add(0x1A, 0xDB, '[');
  Add(0x1B, 0xDD, ']');
  Add(0x2B, 0xDC, '\\');
  Add(0x27, 0xBA, ';');
  Add(0x28, 0xDE, '\'');
  Add(0x29, 0xC0, '`');
  Add(0x35, 0xBF, '/');
}

GermanLayout::GermanLayout() {
  AddCommonKeys();
  for (const auto& key : kUsLetters) {
    char letter = key.letter == 'y' ? 'z' : key.letter == 'z' ? 'y' : key.letter;
    Add(key.scanCode, letter - 'a' + 'A', letter);
  }
  Add(0x0C, 0xDB, '\xdf');  // sharp s
  Add(0x0D, 0xDD, '\xb4');  // acute accent, a dead key
  Add(0x1A, 0xBA, '\xfc');  // u umlaut
  Add(0x1B, 0xBB, '+');
  Add(0x2B, 0xBF, '#');
  Add(0x27, 0xC0, '\xf6');  // o umlaut
  Add(0x28, 0xDE, '\xe4');  // a umlaut
  Add(0x29, 0xDC, '^');     // circumflex, a dead key
  Add(0x35, 0xBD, '-');
}

}  // namespace orvix::testing
