#include "KeyNames.h"

#include "FixedText.h"
#include "KeyTable.h"

namespace orvix {
namespace {

struct NamedCode {
  int code;
  const char* name;
};

constexpr NamedCode kUsageNames[] = {
    {58, "F1"}, {59, "F2"}, {60, "F3"}, {61, "F4"}, {62, "F5"}, {63, "F6"}, {64, "F7"}, {65, "F8"}, {66, "F9"},
    {67, "F10"}, {68, "F11"}, {69, "F12"}, {70, "Print Screen"}, {71, "Scroll Lock"}, {72, "Break"},
    {73, "Insert"}, {74, "Home"}, {75, "Page Up"}, {76, "Delete"}, {77, "End"}, {78, "Page Down"},
    {79, "Right Arrow"}, {80, "Left Arrow"}, {81, "Down Arrow"}, {82, "Up Arrow"}, {83, "Num Lock"},
    {84, "Num_/"}, {85, "Num_*"}, {86, "Num_-"}, {87, "Num_+"}, {88, "Num_Enter"}, {89, "Num_1"},
    {90, "Num_2"}, {91, "Num_3"}, {92, "Num_4"}, {93, "Num_5"}, {94, "Num_6"}, {95, "Num_7"}, {96, "Num_8"},
    {97, "Num_9"}, {98, "Num_0"}, {99, "Num_."}, {100, "Europe 2"}, {101, "APP"}, {130, "Sleep"},
    {224, "Left Control"}, {225, "Left Shift"}, {226, "Left Alt"}, {227, "Left GUI"}, {228, "Right Control"},
    {229, "Right Shift"}, {230, "Right Alt"}, {231, "Right GUI"}, {240, "Left Button"}, {241, "Right Button"},
    {242, "Wheel"}, {243, "Side Button 1"}, {244, "Side Button 2"},
};

constexpr NamedCode kVirtualKeyNames[] = {
    {0x08, "BackSpace"}, {0x09, "Tab"}, {0x0C, "Clr"}, {0x0D, "Enter"}, {0x10, "Shift"}, {0x11, "Ctrl"},
    {0x12, "Alt"}, {0x13, "Pause"}, {0x14, "Caps Lock"}, {0x1B, "Esc"}, {0x20, "Space"}, {0x21, "Page Up"},
    {0x22, "Page Down"}, {0x23, "End"}, {0x24, "Home"}, {0x25, "Left Arrow"}, {0x26, "Up Arrow"},
    {0x27, "Right Arrow"}, {0x28, "Down Arrow"}, {0x29, "Select"}, {0x2A, "Print Screen"}, {0x2B, "Exe"},
    {0x2C, "Snapshot"}, {0x2D, "Insert"}, {0x2E, "Delete"}, {0x2F, "Help"}, {0x5B, "Left Windows Button"},
    {0x5C, "Right Windows Button"}, {0x5D, "APP"}, {0x60, "Num0"}, {0x61, "Num1"}, {0x62, "Num2"},
    {0x63, "Num3"}, {0x64, "Num4"}, {0x65, "Num5"}, {0x66, "Num6"}, {0x67, "Num7"}, {0x68, "Num8"},
    {0x69, "Num9"}, {0x6A, "Num*"}, {0x6B, "Num+"}, {0x6C, "NumRet"}, {0x6D, "Num-"}, {0x6E, "Num."},
    {0x6F, "Num/"}, {0x70, "F1"}, {0x71, "F2"}, {0x72, "F3"}, {0x73, "F4"}, {0x74, "F5"}, {0x75, "F6"},
    {0x76, "F7"}, {0x77, "F8"}, {0x78, "F9"}, {0x79, "F10"}, {0x7A, "F11"}, {0x7B, "F12"}, {0x90, "Num Lock"},
    {0x91, "Scroll Lock"}, {0xA0, "Left Shift"}, {0xA1, "Right Shift"}, {0xA2, "Left Ctrl"},
    {0xA3, "Right Ctrl"}, {0xA4, "Left Alt"}, {0xA5, "Right Alt"}, {0xF0, "Left Button"}, {0xF1, "Right Button"},
    {0xF2, "Wheel"}, {0xF3, "Side Button 1"}, {0xF4, "Side Button 2"},
};

template <std::size_t N>
const char* NameOf(const NamedCode (&list)[N], int code) {
  for (const NamedCode& entry : list)
    if (entry.code == code) return entry.name;
  return nullptr;
}

}  // namespace

KeyName::KeyName(std::string_view text) { CopyFixedText(text_, text); }

KeyName KeyNameFromUsage(int usage, const KeyboardLayout& layout) {
  if (usage >= 4 && usage <= 57) {
    const std::optional<int> virtualKey = UsageToVirtualKey(usage, layout);
    return virtualKey && *virtualKey != 0 ? KeyNameFromVirtualKey(*virtualKey, layout) : KeyName();
  }
  const char* name = NameOf(kUsageNames, usage);
  return name ? KeyName(name) : KeyName();
}

KeyName KeyNameFromVirtualKey(int virtualKey, const KeyboardLayout& layout) {
  if (const char* name = NameOf(kVirtualKeyNames, virtualKey)) return KeyName(name);
  const char character = layout.CharacterOfKey(virtualKey);
  // A control character (Ctrl+Break gives one) is no readable name.
  const auto code = static_cast<unsigned char>(character);
  if (code < 0x20 || code == 0x7F) return KeyName();
  const char upper = layout.UpperCase(character);
  return KeyName(std::string_view(&upper, 1));
}

}  // namespace orvix
