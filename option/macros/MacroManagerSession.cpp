#include "macros/MacroManagerSession.h"

#include <utility>

#include "macros/AssignmentMerge.h"
#include "macros/MacroLibraryFile.h"

namespace orvix {

MacroManagerSession::Outcome MacroManagerSession::Accept(MacroLibrary& library, ConfigRecord& config,
                                                         ChangeFlags& flags, const SettingsStore& store) {
  Outcome outcome;
  if (accepted_) return outcome;
  accepted_ = true;
  library = std::move(working_);
  working_.Clear();
  outcome.buttonsUpdated = PushLibraryIntoAssignments(library, config, flags);
  outcome.saved = SaveMacroLibrary(store, library);
  return outcome;
}

}  // namespace orvix
