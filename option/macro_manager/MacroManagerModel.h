// The macro manager without its window: which set and macro are selected in the working
// copy, the set menu, and the commands on sets and macros. The editors' changes reach the
// working copy through WriteSequence and WriteLoopCount.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "macro_manager/MacroSequence.h"
#include "macros/MacroLibrary.h"

namespace orvix {

// The set menu's commands.
inline constexpr int kCommandFirstSet = 2000;  // 2000 + set index
inline constexpr int kCommandAddSet = 2998;
inline constexpr int kCommandDeleteSet = 2999;

// The macro the button being edited carries (its function is the macro function), by
// name; empty names when it carries none.
struct ButtonMacroNames {
  std::string set;
  std::string macro;
};

struct SetMenuEntry {
  std::string name;
  int command = 0;
  bool marked = false;          // the set the button's macro names
  bool separatorAfter = false;  // after "World of Warcraft" and "Xfire"
};

class MacroManagerModel {
 public:
  MacroManagerModel(MacroLibrary& working, ButtonMacroNames button);

  // Opened for set `set` (-1: without a set). For a set: the button's own set and macro
  // when the working copy has them, otherwise set `set` with its first macro; without a
  // set nothing is selected.
  void Open(int set);
  // The working copy has no set: the manager asks for one by itself.
  bool needsFirstSet() const { return working_.SetCount() == 0; }

  int selectedSet() const { return set_; }
  int selectedMacro() const { return macro_; }
  const MacroSet* SelectedSet() const { return working_.FindSet(set_); }
  const MacroRecord* SelectedMacro() const { return working_.FindMacro(set_, macro_); }
  std::vector<std::string> MacroNames() const;  // of the selected set, in order

  // The set menu: one entry per set, then the add and delete entries follow in the window.
  std::vector<SetMenuEntry> SetMenu() const;
  // Selects the set and its first macro, or the button's macro when it is the button's set.
  void SelectSet(int set);
  // A typed name: the new set is selected and its index returned; -1 when the name is
  // refused, taken, or there are already 100 sets.
  int AddSet(std::string_view typed);
  // The selected set with all its macros; the selection moves to the same index, the last
  // set, or none.
  bool DeleteSelectedSet();

  void SelectMacro(int macro);  // -1 or out of range selects none
  bool CanAddMacro() const;     // a set is selected and holds fewer than 100 macros
  // The in-place edit of a new row committed: the trimmed name becomes a new zero-filled
  // macro, selected; -1 when the name is empty, refused or taken (the row goes again).
  int NewMacro(std::string_view typed);
  // The in-place edit of a row committed: an empty or taken name keeps the old one.
  bool RenameMacro(int macro, std::string_view typed);
  // The selected macro; the selection stays at its index or moves to the last macro.
  bool DeleteSelectedMacro();

  // The editors' changes to the selected macro. Each marks its set Modified only when the
  // macro really changes; the sequence is written balanced.
  bool WriteSequence(const MacroSequence& sequence);
  bool WriteLoopCount(std::int32_t loopCount);

 private:
  MacroLibrary& working_;
  ButtonMacroNames button_;
  int set_ = -1;
  int macro_ = -1;
};

}  // namespace orvix
