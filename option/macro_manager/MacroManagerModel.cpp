#include "macro_manager/MacroManagerModel.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "AsciiCase.h"
#include "FixedText.h"
#include "macros/MacroNameRules.h"

namespace orvix {
namespace {

// The sets the menu sets apart from the ones after them.
bool HasSeparatorAfter(std::string_view name) {
  return EqualIgnoringCase(name, "World of Warcraft") || EqualIgnoringCase(name, "Xfire");
}

}  // namespace

MacroManagerModel::MacroManagerModel(MacroLibrary& working, ButtonMacroNames button)
    : working_(working), button_(std::move(button)) {}

void MacroManagerModel::Open(int set) {
  set_ = -1;
  macro_ = -1;
  if (set < 0) return;
  const int buttonSet = working_.IndexOfSet(button_.set);
  const int buttonMacro = working_.IndexOfMacro(buttonSet, button_.macro);
  if (buttonMacro >= 0) {
    set_ = buttonSet;
    macro_ = buttonMacro;
    return;
  }
  if (!working_.FindSet(set)) return;
  set_ = set;
  SelectMacro(0);
}

std::vector<std::string> MacroManagerModel::MacroNames() const {
  std::vector<std::string> names;
  if (const MacroSet* set = SelectedSet())
    for (const MacroRecord& macro : set->macros()) names.emplace_back(FixedTextView(macro.name));
  return names;
}

std::vector<SetMenuEntry> MacroManagerModel::SetMenu() const {
  const int buttonSet = working_.IndexOfSet(button_.set);
  std::vector<SetMenuEntry> entries;
  for (int i = 0; i < working_.SetCount(); ++i) {
    const std::string& name = working_.sets()[i].name();
    entries.push_back({name, kCommandFirstSet + i, i == buttonSet, HasSeparatorAfter(name)});
  }
  return entries;
}

void MacroManagerModel::SelectSet(int set) {
  set_ = working_.FindSet(set) ? set : -1;
  const int buttonMacro = set_ >= 0 && set_ == working_.IndexOfSet(button_.set)
                              ? working_.IndexOfMacro(set_, button_.macro) : -1;
  SelectMacro(buttonMacro >= 0 ? buttonMacro : 0);
}

int MacroManagerModel::AddSet(std::string_view typed) {
  const std::optional<std::string> name = TypedSetName(typed);
  const int set = name ? working_.AddSet(*name) : -1;
  if (set >= 0) {
    set_ = set;
    macro_ = -1;
  }
  return set;
}

bool MacroManagerModel::DeleteSelectedSet() {
  if (!working_.DeleteSet(set_)) return false;
  set_ = std::min(set_, working_.SetCount() - 1);
  SelectMacro(0);
  return true;
}

void MacroManagerModel::SelectMacro(int macro) { macro_ = working_.FindMacro(set_, macro) ? macro : -1; }

bool MacroManagerModel::CanAddMacro() const {
  const MacroSet* set = SelectedSet();
  return set && set->MacroCount() < kMaxMacrosPerSet;
}

int MacroManagerModel::NewMacro(std::string_view typed) {
  const std::optional<std::string> name = TypedMacroName(typed);
  if (!CanAddMacro() || !name) return -1;
  const int macro = working_.AddMacro(set_, *name);  // refuses a name the set already has
  if (macro >= 0) macro_ = macro;
  return macro;
}

bool MacroManagerModel::RenameMacro(int macro, std::string_view typed) {
  const std::optional<std::string> name = TypedMacroName(typed);
  return name && working_.RenameMacro(set_, macro, *name);
}

bool MacroManagerModel::DeleteSelectedMacro() {
  if (!working_.DeleteMacro(set_, macro_)) return false;
  SelectMacro(std::min(macro_, SelectedSet()->MacroCount() - 1));
  return true;
}

bool MacroManagerModel::WriteSequence(const MacroSequence& sequence) {
  const MacroSequence balanced = Balanced(sequence);
  return working_.SetMacroEvents(set_, macro_, balanced.events.data(), balanced.count);
}

bool MacroManagerModel::WriteLoopCount(std::int32_t loopCount) {
  return working_.SetMacroLoopCount(set_, macro_, loopCount);
}

}  // namespace orvix
