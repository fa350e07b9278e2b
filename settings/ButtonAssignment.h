// One button slot of a profile and the macro event it carries. Both records are a file
// and wire format: they travel unchanged in profile files, the shared block and reports.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orvix {

constexpr int kMaxMacroEvents = 500;
constexpr int kButtonSlots = 24;         // slots 0..11 normal layer, 12..23 Altlayer layer
constexpr int kDeviceButtons = 18;       // buttons the mouse itself stores

enum MacroDirection : std::uint8_t { kKeyPress = 1, kKeyRelease = 2 };

#pragma pack(push, 1)

struct MacroEvent {
  std::uint8_t key;        // keyboard usage code, or 240..244 for mouse buttons
  std::uint8_t direction;  // MacroDirection
  std::uint16_t delay;     // ms to wait after the event; 0 is played as 1
};

// Modifier bits of a shortcut (byte 167 of a function-5 slot).
enum ShortcutModifier : std::uint8_t {
  kModifierNone = 0x01,  // set: no modifiers, the other bits are ignored
  kModifierShift = 0x02,
  kModifierCtrl = 0x04,
  kModifierAlt = 0x08,
  kModifierWin = 0x10,
};

struct ButtonAssignment {
  std::uint8_t slot;             // 0..23, equal to the record's position in the profile
  std::uint8_t function;         // ButtonFunctionCode
  std::uint8_t padding0[2];
  std::uint32_t companionDevice; // functions 81/82: companion device id; 83/84: 65535
  char reservedText[50];
  char macroSetName[50];
  char macroName[50];
  std::uint8_t padding1[2];
  std::int32_t loopCount;        // 0 or less plays once
  std::uint16_t eventCount;      // macro: 0..500; shortcut: 1 when set
  MacroEvent events[kMaxMacroEvents];  // shortcut: events[0].key = key, .direction = modifiers
  std::uint8_t padding2[2];
  std::int32_t timerSeconds;
  char timerName[100];
  char programPath[260];
};

#pragma pack(pop)

static_assert(sizeof(MacroEvent) == 4);
static_assert(offsetof(MacroEvent, direction) == 1);
static_assert(offsetof(MacroEvent, delay) == 2);

static_assert(sizeof(ButtonAssignment) == 2532);
static_assert(offsetof(ButtonAssignment, function) == 1);
static_assert(offsetof(ButtonAssignment, companionDevice) == 4);
static_assert(offsetof(ButtonAssignment, reservedText) == 8);
static_assert(offsetof(ButtonAssignment, macroSetName) == 58);
static_assert(offsetof(ButtonAssignment, macroName) == 108);
static_assert(offsetof(ButtonAssignment, loopCount) == 160);
static_assert(offsetof(ButtonAssignment, eventCount) == 164);
static_assert(offsetof(ButtonAssignment, events) == 166);
static_assert(offsetof(ButtonAssignment, timerSeconds) == 2168);
static_assert(offsetof(ButtonAssignment, timerName) == 2172);
static_assert(offsetof(ButtonAssignment, programPath) == 2272);

// The shortcut of a function-5 slot lives in its first event.
inline std::uint8_t ShortcutKey(const ButtonAssignment& b) { return b.events[0].key; }
inline std::uint8_t ShortcutModifiers(const ButtonAssignment& b) { return b.events[0].direction; }

}  // namespace orvix
