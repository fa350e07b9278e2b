#include "macros/MacroLibrary.h"

#include <algorithm>
#include <cstring>

#include "FixedText.h"
#include "macros/MacroNameRules.h"
#include "macros/NameText.h"

namespace orvix {
namespace {

constexpr std::int32_t kMaxLoopCount = 255;

bool InRange(int index, std::size_t size) { return index >= 0 && static_cast<std::size_t>(index) < size; }

}  // namespace

MacroRecord NormalizedMacro(const MacroRecord& macro) {
  MacroRecord normal;
  std::memset(&normal, 0, sizeof normal);
  CopyFixedText(normal.name, FixedTextView(macro.name));
  normal.loopCount = std::clamp(macro.loopCount, 0, kMaxLoopCount);
  normal.eventCount = std::clamp(macro.eventCount, 0, kMaxMacroEvents);
  std::memcpy(normal.events, macro.events, sizeof(MacroEvent) * static_cast<std::size_t>(normal.eventCount));
  return normal;
}

const MacroSet* MacroLibrary::FindSet(int set) const { return InRange(set, sets_.size()) ? &sets_[set] : nullptr; }

const MacroRecord* MacroLibrary::FindMacro(int set, int macro) const {
  const MacroSet* s = FindSet(set);
  return s && InRange(macro, s->macros_.size()) ? &s->macros_[macro] : nullptr;
}

MacroSet* MacroLibrary::Set(int set) { return const_cast<MacroSet*>(FindSet(set)); }

MacroRecord* MacroLibrary::Macro(int set, int macro) { return const_cast<MacroRecord*>(FindMacro(set, macro)); }

int MacroLibrary::IndexOfSet(std::string_view name) const {
  for (std::size_t i = 0; i < sets_.size(); ++i)
    if (SameName(sets_[i].name_, name)) return static_cast<int>(i);
  return -1;
}

int MacroLibrary::IndexOfMacro(int set, std::string_view name) const {
  const MacroSet* s = FindSet(set);
  if (!s) return -1;
  for (std::size_t i = 0; i < s->macros_.size(); ++i)
    if (SameName(FixedTextView(s->macros_[i].name), name)) return static_cast<int>(i);
  return -1;
}

bool MacroLibrary::NameTakenInSet(const MacroSet& set, std::string_view name, int except) const {
  for (std::size_t i = 0; i < set.macros_.size(); ++i)
    if (static_cast<int>(i) != except && SameName(FixedTextView(set.macros_[i].name), name)) return true;
  return false;
}

int MacroLibrary::AddSet(std::string_view name) {
  name = TrimName(name);
  if (SetCount() >= kMaxMacroSets || !IsStorableSetName(name) || IndexOfSet(name) >= 0) return -1;
  sets_.push_back(MacroSet(std::string(name)));
  return SetCount() - 1;
}

int MacroLibrary::AddMacro(int set, std::string_view name) {
  name = TrimName(name);
  if (!IsStorableMacroName(name)) return -1;  // checked before the field could cut it
  MacroRecord macro;
  std::memset(&macro, 0, sizeof macro);
  CopyFixedText(macro.name, name);
  return AddMacro(set, macro);
}

int MacroLibrary::AddMacro(int set, const MacroRecord& macro) {
  MacroSet* s = Set(set);
  const std::string_view name = FixedTextView(macro.name);
  if (!s || s->MacroCount() >= kMaxMacrosPerSet || !IsStorableMacroName(name) || NameTakenInSet(*s, name, -1))
    return -1;
  s->macros_.push_back(NormalizedMacro(macro));
  s->state_ = ChangeState::kAdded;
  return s->MacroCount() - 1;
}

bool MacroLibrary::DeleteSet(int set) {
  if (!FindSet(set)) return false;
  sets_.erase(sets_.begin() + set);
  return true;
}

bool MacroLibrary::DeleteMacro(int set, int macro) {
  if (!FindMacro(set, macro)) return false;
  MacroSet& s = sets_[set];
  s.macros_.erase(s.macros_.begin() + macro);
  s.state_ = ChangeState::kModified;
  return true;
}

bool MacroLibrary::RenameSet(int set, std::string_view name) {
  name = TrimName(name);
  MacroSet* s = Set(set);
  if (!s || !IsStorableSetName(name)) return false;
  const int holder = IndexOfSet(name);
  if (holder >= 0 && holder != set) return false;
  if (s->name_ == name) return true;
  s->name_ = std::string(name);
  s->state_ = ChangeState::kModified;
  return true;
}

bool MacroLibrary::RenameMacro(int set, int macro, std::string_view name) {
  name = TrimName(name);
  MacroRecord* m = Macro(set, macro);
  if (!m || !IsStorableMacroName(name) || NameTakenInSet(sets_[set], name, macro)) return false;
  if (FixedTextView(m->name) == name) return true;
  const std::string newName(name);  // `name` may view the field it replaces
  CopyFixedText(m->name, newName);
  sets_[set].state_ = ChangeState::kModified;
  return true;
}

bool MacroLibrary::SetMacroEvents(int set, int macro, const MacroEvent* events, int count) {
  MacroRecord* m = Macro(set, macro);
  if (!m) return false;
  MacroRecord edited = *m;
  edited.eventCount = std::clamp(count, 0, kMaxMacroEvents);
  std::memset(edited.events, 0, sizeof edited.events);
  if (events) std::memcpy(edited.events, events, sizeof(MacroEvent) * static_cast<std::size_t>(edited.eventCount));
  else edited.eventCount = 0;
  if (std::memcmp(&edited, m, sizeof edited) != 0) {
    *m = edited;
    sets_[set].state_ = ChangeState::kModified;
  }
  return true;
}

bool MacroLibrary::SetMacroLoopCount(int set, int macro, std::int32_t loopCount) {
  MacroRecord* m = Macro(set, macro);
  if (!m) return false;
  loopCount = std::clamp(loopCount, 0, kMaxLoopCount);
  if (m->loopCount != loopCount) {
    m->loopCount = loopCount;
    sets_[set].state_ = ChangeState::kModified;
  }
  return true;
}

void MacroLibrary::MarkSet(int set, ChangeState state) {
  if (MacroSet* s = Set(set)) s->state_ = state;
}

void MacroLibrary::MarkAllUnchanged() {
  for (MacroSet& s : sets_) s.state_ = ChangeState::kUnchanged;
}

}  // namespace orvix
