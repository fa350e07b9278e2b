#include "KeyTable.h"

#include <algorithm>

namespace orvix {
namespace {

constexpr std::array<KeyTableRow, kKeyTableRows> kRows = {{
    // Letters A..Z.
    {0x41, 4, 0x1E}, {0x42, 5, 0x30}, {0x43, 6, 0x2E}, {0x44, 7, 0x20}, {0x45, 8, 0x12}, {0x46, 9, 0x21},
    {0x47, 10, 0x22}, {0x48, 11, 0x23}, {0x49, 12, 0x17}, {0x4A, 13, 0x24}, {0x4B, 14, 0x25}, {0x4C, 15, 0x26},
    {0x4D, 16, 0x32}, {0x4E, 17, 0x31}, {0x4F, 18, 0x18}, {0x50, 19, 0x19}, {0x51, 20, 0x10}, {0x52, 21, 0x13},
    {0x53, 22, 0x1F}, {0x54, 23, 0x14}, {0x55, 24, 0x16}, {0x56, 25, 0x2F}, {0x57, 26, 0x11}, {0x58, 27, 0x2D},
    {0x59, 28, 0x15}, {0x5A, 29, 0x2C},
    // Digits 1..9, 0.
    {0x31, 30, 0x02}, {0x32, 31, 0x03}, {0x33, 32, 0x04}, {0x34, 33, 0x05}, {0x35, 34, 0x06}, {0x36, 35, 0x07},
    {0x37, 36, 0x08}, {0x38, 37, 0x09}, {0x39, 38, 0x0A}, {0x30, 39, 0x0B},
    // Enter, Esc, Backspace, Tab, Space.
    {0x0D, 40, 0x1C}, {0x1B, 41, 0x01}, {0x08, 42, 0x0E}, {0x09, 43, 0x0F}, {0x20, 44, 0x39},
    // Punctuation with the US-layout virtual keys: - = [ ] \ (no usage 50) ; ' ` , . /
    {0xBD, 45, 0x0C}, {0xBB, 46, 0x0D}, {0xDB, 47, 0x1A}, {0xDD, 48, 0x1B}, {0xDC, 49, 0x2B},
    {0xBA, 51, 0x27}, {0xDE, 52, 0x28}, {0xC0, 53, 0x29}, {0xBC, 54, 0x33}, {0xBE, 55, 0x34}, {0xBF, 56, 0x35},
    // Caps Lock, F1..F12.
    {0x14, 57, 0x3A},
    {0x70, 58, 0x3B}, {0x71, 59, 0x3C}, {0x72, 60, 0x3D}, {0x73, 61, 0x3E}, {0x74, 62, 0x3F}, {0x75, 63, 0x40},
    {0x76, 64, 0x41}, {0x77, 65, 0x42}, {0x78, 66, 0x43}, {0x79, 67, 0x44}, {0x7A, 68, 0x57}, {0x7B, 69, 0x58},
    // Print Screen, Scroll Lock, Pause, Insert, Home, Page Up, Delete, End, Page Down, arrows.
    {0x2C, 70, 0}, {0x91, 71, 0}, {0x13, 72, 0}, {0x2D, 73, 0}, {0x24, 74, 0}, {0x21, 75, 0}, {0x2E, 76, 0},
    {0x23, 77, 0}, {0x22, 78, 0}, {0x27, 79, 0}, {0x25, 80, 0}, {0x28, 81, 0}, {0x26, 82, 0},
    // Num Lock and the keypad: / * - + Enter 1..9 0 .
    {0x90, 83, 0}, {0x6F, 84, 0}, {0x6A, 85, 0}, {0x6D, 86, 0}, {0x6B, 87, 0}, {0x6C, 88, 0},
    {0x61, 89, 0}, {0x62, 90, 0}, {0x63, 91, 0}, {0x64, 92, 0}, {0x65, 93, 0}, {0x66, 94, 0},
    {0x67, 95, 0}, {0x68, 96, 0}, {0x69, 97, 0}, {0x60, 98, 0}, {0x6E, 99, 0},
    // Application.
    {0x5D, 101, 0},
    // Left Ctrl, Shift, Alt, Windows; right Ctrl, Shift, Alt, Windows.
    {0xA2, 224, 0}, {0xA0, 225, 0}, {0xA4, 226, 0}, {0x5B, 227, 0},
    {0xA3, 228, 0}, {0xA1, 229, 0}, {0xA5, 230, 0}, {0x5C, 231, 0},
    // Mouse buttons: left, right, middle, side 1, side 2.
    {0xF0, 240, 0}, {0xF1, 241, 0}, {0xF2, 242, 0}, {0xF3, 243, 0}, {0xF4, 244, 0},
}};

// Every row filled: a missing initializer would leave a zero row behind.
static_assert(std::all_of(kRows.begin(), kRows.end(), [](const KeyTableRow& row) { return row.usage != 0; }));

const KeyTableRow* RowOfUsage(int usage) {
  for (const KeyTableRow& row : kRows)
    if (row.usage == usage) return &row;
  return nullptr;
}

const KeyTableRow* RowOfVirtualKey(int virtualKey) {
  for (const KeyTableRow& row : kRows)
    if (row.virtualKey == virtualKey) return &row;
  return nullptr;
}

const KeyTableRow* RowOfScanCode(int scanCode) {
  for (const KeyTableRow& row : kRows)
    if (row.scanCode == scanCode) return &row;
  return nullptr;
}

}  // namespace

const std::array<KeyTableRow, kKeyTableRows>& KeyTable() { return kRows; }

std::optional<int> UsageToVirtualKey(int usage, const KeyboardLayout& layout) {
  const KeyTableRow* row = RowOfUsage(usage);
  if (!row) return std::nullopt;
  return IsLayoutUsage(usage) ? layout.VirtualKeyFromScanCode(row->scanCode) : row->virtualKey;
}

std::optional<int> VirtualKeyToUsage(int virtualKey, const KeyboardLayout& layout) {
  const KeyTableRow* row = RowOfVirtualKey(virtualKey);
  if (!row) return std::nullopt;
  if (!IsLayoutUsage(row->usage)) return row->usage;
  // Scan code 0 means the layout has no such key; every row outside the typing area
  // holds 0, so it must not be looked up.
  const int scanCode = layout.ScanCodeFromVirtualKey(virtualKey);
  if (scanCode == 0) return row->usage;
  const KeyTableRow* physical = RowOfScanCode(scanCode);
  return physical ? physical->usage : row->usage;
}

}  // namespace orvix
