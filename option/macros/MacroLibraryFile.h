// The library file "config\Preset_sequence.dat": section "SetMacro" lists the sets
// ("number" and the names under "0", "1", ...); each set's section, named by the set,
// holds "number" and its macros as 2060-byte struct texts under "0", "1", ...
#pragma once

#include "SettingsStore.h"
#include "macros/MacroLibrary.h"

namespace orvix {

inline constexpr char kMacroLibraryFile[] = "config\\Preset_sequence.dat";

// Replaces `library` with the file's; a missing file gives an empty library. A damaged
// or hand-edited file gives a library the program can use: at most 100 sets of at most
// 100 macros (so menu ids stay apart), an unreadable macro skipped, each set loaded once
// and never from the index section, names made storable and unique. A set whose name had
// to change is marked Modified, so the next save writes it under its new name. Every set
// else is Unchanged.
void LoadMacroLibrary(const SettingsStore& store, MacroLibrary& library);

// Writes the index and the section of every set that is not Unchanged; the sections of
// the others, of deleted sets and keys past a smaller count stay in the file as they are.
// On success every set is Unchanged; when the file could not be written the marks stay,
// so the next save writes those sets again.
bool SaveMacroLibrary(const SettingsStore& store, MacroLibrary& library);

}  // namespace orvix
