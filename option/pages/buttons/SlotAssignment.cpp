#include "pages/buttons/SlotAssignment.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "ButtonFunctionCodes.h"
#include "FixedText.h"
#include "macros/AssignmentMacro.h"
#include "pages/buttons/ButtonMenuIds.h"

namespace orvix::button_page {
namespace {

// What the layer slot gets back when nothing was remembered for it.
constexpr std::uint8_t kRestoredWithoutMemory = kFunctionDisabledToo;

bool TakesDevice(std::uint8_t code) { return code == kFunctionAltlayerDevice || code == kFunctionAltlayerDeviceLock; }
bool TakesAllDevices(std::uint8_t code) {
  return code == kFunctionAltlayerAllDevices || code == kFunctionAltlayerAllLock;
}

void MarkChanged(SharedDataBlock& working, int profile, int slot) { working.flags.button[profile][slot] = 1; }

// When the layer-key button changed its code: its layer slot leaves or takes back its own.
void Couple(SharedDataBlock& working, AltlayerMemory& memory, int profile, int slot) {
  const auto key = std::find(std::begin(kLayerKeySlots), std::end(kLayerKeySlots), slot);
  if (key == std::end(kLayerKeySlots)) return;
  const int which = static_cast<int>(key - std::begin(kLayerKeySlots));
  ProfileRecord& record = working.config.profiles[profile];
  ButtonAssignment& layer = record.MacroKeyInfo[slot + kLayerSlotOffset];
  if (IsLayerKeyCode(record.MacroKeyInfo[slot].function)) {
    if (layer.function == kFunctionDisabled) return;
    memory.Remember(profile, which, layer.function);
    layer.function = kFunctionDisabled;
  } else {
    if (layer.function != kFunctionDisabled) return;
    layer.function = memory.Take(profile, which).value_or(kRestoredWithoutMemory);
  }
  MarkChanged(working, profile, slot + kLayerSlotOffset);
}

// The steps every setter shares: the code stored, the slot's data filled by `fill`, the
// slot marked, and the coupling when the code changed.
bool Assign(SharedDataBlock& working, AltlayerMemory& memory, int slot, std::uint8_t code,
            const std::function<void(ButtonAssignment&)>& fill) {
  const int profile = EditedProfileIndex(working.config);
  ProfileRecord& record = working.config.profiles[profile];
  if (!IsAssignable(record, slot)) return false;
  ButtonAssignment& assignment = record.MacroKeyInfo[slot];
  const std::uint8_t old = assignment.function;
  assignment.function = code;
  fill(assignment);
  MarkChanged(working, profile, slot);
  if (old != code) Couple(working, memory, profile, slot);
  return true;
}

}  // namespace

bool IsLayerKeyCode(std::uint8_t code) {
  return code == kFunctionAltlayer || code == kFunctionAltlayerDevice || code == kFunctionAltlayerDeviceLock ||
         code == kFunctionAltlayerAllDevices;
}

std::optional<std::uint8_t>* AltlayerMemory::Place(int profile, int layerSlot) {
  if (profile < 0 || profile >= kProfiles || layerSlot < 0 || layerSlot > 1) return nullptr;
  return &codes_[static_cast<std::size_t>(profile)][static_cast<std::size_t>(layerSlot)];
}

void AltlayerMemory::Remember(int profile, int layerSlot, std::uint8_t code) {
  if (auto* place = Place(profile, layerSlot)) *place = code;
}

std::optional<std::uint8_t> AltlayerMemory::Take(int profile, int layerSlot) {
  auto* place = Place(profile, layerSlot);
  if (!place) return std::nullopt;
  return std::exchange(*place, std::nullopt);
}

void AltlayerMemory::Forget(int profile) {
  for (int layerSlot = 0; layerSlot < 2; ++layerSlot)
    if (auto* place = Place(profile, layerSlot)) place->reset();
}

int EditedProfileIndex(const ConfigRecord& config) { return std::clamp(config.CurrentProfile, 0, kProfiles - 1); }

bool IsAssignable(const ProfileRecord& profile, int slot) {
  return slot >= 2 && slot < kButtonSlots && profile.MacroKeyInfo[slot].function != kFunctionDisabled;
}

bool SetCode(SharedDataBlock& working, AltlayerMemory& memory, int slot, std::uint8_t code) {
  if (code == kFunctionMacro || code == kFunctionTimer || TakesDevice(code)) return false;
  return Assign(working, memory, slot, code, [code](ButtonAssignment& b) {
    if (TakesAllDevices(code)) b.companionDevice = kAllCompanionDevices;
    // A shortcut keeps what the shortcut dialog stored in the events.
    if (code != kFunctionShortcut) ClearMacroFields(b);
  });
}

bool SetDeviceCode(SharedDataBlock& working, AltlayerMemory& memory, int slot, std::uint8_t code,
                   std::uint32_t companionDevice) {
  if (TakesAllDevices(code)) return SetCode(working, memory, slot, code);
  if (!TakesDevice(code)) return false;
  return Assign(working, memory, slot, code, [companionDevice](ButtonAssignment& b) {
    b.companionDevice = companionDevice;
    ClearMacroFields(b);
  });
}

bool SetTimer(SharedDataBlock& working, AltlayerMemory& memory, int slot, const TimerRecord& timer) {
  return Assign(working, memory, slot, kFunctionTimer, [&timer](ButtonAssignment& b) {
    b.timerSeconds = timer.seconds;
    CopyFixedText(b.timerName, FixedTextView(timer.name));
    ClearMacroFields(b);
  });
}

bool SetMacro(SharedDataBlock& working, AltlayerMemory& memory, int slot, std::string_view setName,
              const MacroRecord& macro) {
  return Assign(working, memory, slot, kFunctionMacro,
                [&](ButtonAssignment& b) { CopyMacroIntoAssignment(setName, macro, b); });
}

bool SetShortcut(SharedDataBlock& working, AltlayerMemory& memory, int slot, const ShortcutChoice& shortcut) {
  return Assign(working, memory, slot, kFunctionShortcut, [&shortcut](ButtonAssignment& b) {
    ClearMacroFields(b);
    b.eventCount = 1;
    b.events[0].key = shortcut.key;
    b.events[0].direction = ModifierByteOf(shortcut);
  });
}

ProgramResult SetProgram(SharedDataBlock& working, AltlayerMemory& memory, int slot, std::string_view path) {
  path = FixedTextView(path.data(), path.size());  // a C string ends at its NUL
  if (path.size() > kMaxProgramPath) return ProgramResult::kPathTooLong;
  const bool set = Assign(working, memory, slot, kFunctionQuicklaunch, [path](ButtonAssignment& b) {
    CopyFixedText(b.programPath, path);
    ClearMacroFields(b);
  });
  return set ? ProgramResult::kSet : ProgramResult::kNotAssignable;
}

std::string_view ProgramOfSlot(const ButtonAssignment& slot) {
  if (slot.function != kFunctionQuicklaunch) return {};
  return FixedTextView(slot.programPath);
}

}  // namespace orvix::button_page
