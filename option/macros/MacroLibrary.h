// The configuration program's macro library: named macro sets of macros, in the order the
// menus show them. The program holds the library itself and, while the macro manager is
// open, a working copy of it (a plain copy: the library is a value).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "macros/MacroRecord.h"

namespace orvix {

// What a save has to write of a set. Kept in memory only.
enum class ChangeState {
  kUnchanged,  // as loaded or last saved: its section in the file is left alone
  kAdded,      // created, or a macro was added to it
  kModified,   // a macro deleted, renamed or edited, the set renamed, or updated from a button
};

class MacroSet {
 public:
  const std::string& name() const { return name_; }  // storable (see MacroNameRules)
  const std::vector<MacroRecord>& macros() const { return macros_; }
  int MacroCount() const { return static_cast<int>(macros_.size()); }
  ChangeState state() const { return state_; }

 private:
  friend class MacroLibrary;
  explicit MacroSet(std::string name) : name_(std::move(name)) {}

  std::string name_;
  std::vector<MacroRecord> macros_;
  ChangeState state_ = ChangeState::kAdded;
};

// The record as the library keeps it: name terminated and zero-filled after it, loop count
// 0..255, event count 0..500, events past the count zero.
MacroRecord NormalizedMacro(const MacroRecord& macro);

class MacroLibrary {
 public:
  int SetCount() const { return static_cast<int>(sets_.size()); }
  const std::vector<MacroSet>& sets() const { return sets_; }
  // By list position; nullptr when out of range.
  const MacroSet* FindSet(int set) const;
  const MacroRecord* FindMacro(int set, int macro) const;
  // By trimmed, case-insensitive name; -1 when there is none.
  int IndexOfSet(std::string_view name) const;
  int IndexOfMacro(int set, std::string_view name) const;

  // The edits of the manager and of the merge. A refused edit changes nothing: -1 or
  // false for a set or macro out of range, a name that is not storable or is taken, and a
  // set or macro beyond the 100 the menus can address.
  int AddSet(std::string_view name);             // the new set's index; Added
  int AddMacro(int set, std::string_view name);  // a zero-filled macro; its set Added
  int AddMacro(int set, const MacroRecord& macro);  // a normalized copy under its own name
  bool DeleteSet(int set);
  bool DeleteMacro(int set, int macro);  // its set Modified
  bool RenameSet(int set, std::string_view name);  // Modified: it is written under the new name
  bool RenameMacro(int set, int macro, std::string_view name);
  // The set is marked Modified only when the value really changes. The count is held to
  // 0..500, the loop count to 0..255; events past the count become zero.
  bool SetMacroEvents(int set, int macro, const MacroEvent* events, int count);
  bool SetMacroLoopCount(int set, int macro, std::int32_t loopCount);

  void MarkSet(int set, ChangeState state);
  void MarkAllUnchanged();
  void Clear() { sets_.clear(); }

 private:
  MacroSet* Set(int set);
  MacroRecord* Macro(int set, int macro);
  bool NameTakenInSet(const MacroSet& set, std::string_view name, int except) const;

  std::vector<MacroSet> sets_;
};

}  // namespace orvix
