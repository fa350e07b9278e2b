#include "macros/AssignmentMerge.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "ButtonFunctionCodes.h"
#include "FixedText.h"
#include "macros/AssignmentMacro.h"
#include "macros/MacroNameRules.h"
#include "macros/NameText.h"

namespace orvix {
namespace {

// What a button's name field keeps of a name: 49 characters.
constexpr std::size_t kAssignmentNameLength = sizeof(ButtonAssignment::macroSetName) - 1;
static_assert(sizeof(ButtonAssignment::macroName) - 1 == kAssignmentNameLength);

// Finds `wanted` (already storable) among `count` names: exactly first, then among the
// names the field would have cut.
template <typename NameOf, typename Storable>
int FindAssignmentName(int count, const std::string& wanted, NameOf nameOf, Storable storable) {
  for (int i = 0; i < count; ++i)
    if (SameName(nameOf(i), wanted)) return i;
  for (int i = 0; i < count; ++i) {
    const std::string_view name = nameOf(i);
    if (name.size() > kAssignmentNameLength && SameName(storable(name.substr(0, kAssignmentNameLength)), wanted))
      return i;
  }
  return -1;
}

bool IsMacroButton(const ButtonAssignment& button) {
  return button.function == kFunctionMacro && !TrimName(FixedTextView(button.macroSetName)).empty() &&
         !TrimName(FixedTextView(button.macroName)).empty();
}

int ButtonEventCount(const ButtonAssignment& button) { return std::min<int>(button.eventCount, kMaxMacroEvents); }

bool SameEvents(const ButtonAssignment& button, const MacroRecord& macro) {
  const int count = ButtonEventCount(button);
  return count == macro.eventCount &&
         std::memcmp(button.events, macro.events, sizeof(MacroEvent) * static_cast<std::size_t>(count)) == 0;
}

MacroRecord MacroOfButton(const ButtonAssignment& button) {
  MacroRecord macro;
  std::memset(&macro, 0, sizeof macro);
  CopyFixedText(macro.name, StorableMacroName(FixedTextView(button.macroName)));
  macro.loopCount = button.loopCount;
  macro.eventCount = ButtonEventCount(button);
  std::memcpy(macro.events, button.events, sizeof(MacroEvent) * static_cast<std::size_t>(macro.eventCount));
  return NormalizedMacro(macro);
}

// Returns true when the library changed.
bool MergeButton(const ButtonAssignment& button, MacroLibrary& library) {
  const MacroRecord carried = MacroOfButton(button);
  int set = SetNamedByAssignment(library, FixedTextView(button.macroSetName));
  if (set < 0) {
    set = library.AddSet(StorableSetName(FixedTextView(button.macroSetName)));
    return set >= 0 && library.AddMacro(set, carried) >= 0;
  }
  const int macro = MacroNamedByAssignment(library, set, FixedTextView(button.macroName));
  if (macro < 0) return library.AddMacro(set, carried) >= 0;
  if (SameEvents(button, *library.FindMacro(set, macro))) return false;
  library.SetMacroEvents(set, macro, carried.events, carried.eventCount);
  library.SetMacroLoopCount(set, macro, carried.loopCount);
  library.MarkSet(set, ChangeState::kModified);
  return true;
}

}  // namespace

int SetNamedByAssignment(const MacroLibrary& library, std::string_view setName) {
  return FindAssignmentName(
      library.SetCount(), StorableSetName(FixedTextView(setName.data(), setName.size())),
      [&](int i) -> std::string_view { return library.FindSet(i)->name(); }, StorableSetName);
}

int MacroNamedByAssignment(const MacroLibrary& library, int set, std::string_view macroName) {
  const MacroSet* s = library.FindSet(set);
  if (!s) return -1;
  return FindAssignmentName(
      s->MacroCount(), StorableMacroName(FixedTextView(macroName.data(), macroName.size())),
      [&](int i) { return FixedTextView(s->macros()[i].name); }, StorableMacroName);
}

bool MergeAssignmentsIntoLibrary(const ConfigRecord& config, MacroLibrary& library) {
  bool changed = false;
  for (const ProfileRecord& profile : config.profiles)
    for (const ButtonAssignment& button : profile.MacroKeyInfo)
      if (IsMacroButton(button)) changed |= MergeButton(button, library);
  return changed;
}

int PushLibraryIntoAssignments(const MacroLibrary& library, ConfigRecord& config, ChangeFlags& flags) {
  int updated = 0;
  for (int p = 0; p < kProfiles; ++p) {
    for (int slot = 0; slot < kButtonSlots; ++slot) {
      ButtonAssignment& button = config.profiles[p].MacroKeyInfo[slot];
      if (!IsMacroButton(button)) continue;
      const int set = SetNamedByAssignment(library, FixedTextView(button.macroSetName));
      const int macro = MacroNamedByAssignment(library, set, FixedTextView(button.macroName));
      const MacroRecord* current = library.FindMacro(set, macro);
      if (!current || (SameEvents(button, *current) && button.loopCount == current->loopCount)) continue;
      CopyMacroIntoAssignment(library.FindSet(set)->name(), *current, button);
      flags.button[p][slot] = 1;
      ++updated;
    }
  }
  return updated;
}

}  // namespace orvix
