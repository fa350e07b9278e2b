// The macro manager's working copy: the manager edits a copy of the library, which
// becomes the library only on OK.
#pragma once

#include "SettingsStore.h"
#include "SharedDataBlock.h"
#include "macros/MacroLibrary.h"

namespace orvix {

class MacroManagerSession {
 public:
  // Open: the working copy is a deep copy of the library.
  explicit MacroManagerSession(const MacroLibrary& library) : working_(library) {}

  MacroLibrary& working() { return working_; }
  const MacroLibrary& working() const { return working_; }

  struct Outcome {
    int buttonsUpdated = 0;  // button assignments given an edited macro, their flags set
    bool saved = false;      // the library file was written
  };

  // OK: the working copy replaces the library, the buttons that carry one of its macros
  // take the edited copies (see PushLibraryIntoAssignments) and the library is saved. The
  // session is spent: a second call changes nothing.
  Outcome Accept(MacroLibrary& library, ConfigRecord& config, ChangeFlags& flags, const SettingsStore& store);

  // Cancel, Exit or any other close: the session is dropped and the library stays as it was.

 private:
  MacroLibrary working_;
  bool accepted_ = false;
};

}  // namespace orvix
