#include "AssignmentMacro.h"

#include <algorithm>
#include <cstring>

#include "ButtonFunctionCodes.h"
#include "FixedText.h"

namespace orvix {

void CopyMacroIntoAssignment(std::string_view setName, const MacroRecord& macro, ButtonAssignment& slot) {
  ClearMacroFields(slot);
  CopyFixedText(slot.macroSetName, setName);
  CopyFixedText(slot.macroName, FixedTextView(macro.name));
  slot.loopCount = macro.loopCount;
  const int count = std::clamp(macro.eventCount, 0, kMaxMacroEvents);
  slot.eventCount = static_cast<std::uint16_t>(count);
  std::memcpy(slot.events, macro.events, sizeof(MacroEvent) * static_cast<std::size_t>(count));
  slot.function = kFunctionMacro;
}

void ClearMacroFields(ButtonAssignment& slot) {
  slot.eventCount = 0;
  slot.loopCount = 0;
  std::memset(slot.events, 0, sizeof slot.events);
  std::memset(slot.macroSetName, 0, sizeof slot.macroSetName);
  std::memset(slot.macroName, 0, sizeof slot.macroName);
}

}  // namespace orvix
