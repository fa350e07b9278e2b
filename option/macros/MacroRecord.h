// One macro of the library: the record stored, byte for byte, as a value of
// "config\Preset_sequence.dat". Its events are the events of a button assignment.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ButtonAssignment.h"

namespace orvix {

constexpr int kMacroNameSize = 52;   // NUL-terminated
constexpr int kTypedNameLength = 24;  // names the user types: set, macro and timer names
constexpr int kMaxMacroSets = 100;
constexpr int kMaxMacrosPerSet = 100;

#pragma pack(push, 1)

struct MacroRecord {
  char name[kMacroNameSize];
  std::int32_t loopCount;   // 1..255 from the editor; 0 never given a loop setting
  std::int32_t eventCount;  // 0..kMaxMacroEvents
  MacroEvent events[kMaxMacroEvents];  // zero at and after eventCount
};

#pragma pack(pop)

static_assert(sizeof(MacroRecord) == 2060);
static_assert(offsetof(MacroRecord, loopCount) == 52);
static_assert(offsetof(MacroRecord, eventCount) == 56);
static_assert(offsetof(MacroRecord, events) == 60);

}  // namespace orvix
