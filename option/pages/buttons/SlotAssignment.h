// Giving a slot of the edited profile a function: the record filled for the code, the
// slot marked changed for the next apply, and the Altlayer coupling between a button that
// carries the layer key and its own slot in the Altlayer layer.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "SharedDataBlock.h"
#include "macros/MacroRecord.h"
#include "pages/buttons/ShortcutChoice.h"
#include "timers/TimerRecord.h"

namespace orvix::button_page {

// Slots 3 and 4 can carry the layer key; slots 15 and 16 are the same buttons in the
// Altlayer layer, which cannot be assigned while their button is the layer key.
inline constexpr int kLayerKeySlots[] = {3, 4};
inline constexpr int kLayerSlotOffset = 12;

// The codes that make a button the layer key.
bool IsLayerKeyCode(std::uint8_t code);

// The codes slots 15 and 16 had before their button became the layer key, one pair per
// profile. The page keeps one memory for the program's life.
class AltlayerMemory {
 public:
  void Remember(int profile, int layerSlot, std::uint8_t code);
  // The remembered code, forgotten as it is handed back.
  std::optional<std::uint8_t> Take(int profile, int layerSlot);
  // A profile whose slots were replaced (a loaded file, a reset) starts without memory.
  void Forget(int profile);

 private:
  std::optional<std::uint8_t>* Place(int profile, int layerSlot);
  std::array<std::array<std::optional<std::uint8_t>, 2>, kProfiles> codes_{};
};

// The profile the page edits: CurrentProfile, or the first for a value out of range.
int EditedProfileIndex(const ConfigRecord& config);

// A slot that takes a function: 2..23 with a code other than 0. The first two buttons
// are fixed, and a code of 0 is the layer slot of a button that is the layer key.
bool IsAssignable(const ProfileRecord& profile, int slot);

// Each setter gives slot `slot` of the edited profile its function, marks the slot
// changed and applies the Altlayer coupling when the code changed. False, with nothing
// changed, for a slot that cannot be assigned or a code the setter does not take.

// A code without data of its own: any but 48 (macro), 49 (timer), 81 and 82 (one
// companion device). 83 and 84 store "all devices"; 5 keeps the shortcut the slot holds.
bool SetCode(SharedDataBlock& working, AltlayerMemory& memory, int slot, std::uint8_t code);
// 81 or 82 with the device's identifier; 83 or 84 (the identifier is then 65535).
bool SetDeviceCode(SharedDataBlock& working, AltlayerMemory& memory, int slot, std::uint8_t code,
                   std::uint32_t companionDevice);
// Code 49: the timer's seconds and name (cut to the slot's field, terminated).
bool SetTimer(SharedDataBlock& working, AltlayerMemory& memory, int slot, const TimerRecord& timer);
// Code 48: a copy of `macro` of set `setName`, the set's name as the library stores it
// (untrimmed), so that the menu's check mark finds the macro again.
bool SetMacro(SharedDataBlock& working, AltlayerMemory& memory, int slot, std::string_view setName,
              const MacroRecord& macro);
// Code 5 with the shortcut dialog's result: one event holding key code and modifier byte.
bool SetShortcut(SharedDataBlock& working, AltlayerMemory& memory, int slot, const ShortcutChoice& shortcut);

// Code 15 with the program dialog's path. A path longer than the slot's field is refused
// whole: a cut path would start another program or none.
enum class ProgramResult { kSet, kPathTooLong, kNotAssignable };
inline constexpr std::size_t kMaxProgramPath = sizeof(ButtonAssignment::programPath) - 1;
ProgramResult SetProgram(SharedDataBlock& working, AltlayerMemory& memory, int slot, std::string_view path);
// What the program dialog opens with: the slot's path when its code is already 15.
std::string_view ProgramOfSlot(const ButtonAssignment& slot);

}  // namespace orvix::button_page
