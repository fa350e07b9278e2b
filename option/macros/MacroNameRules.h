// Which names a macro set and a macro may have. A set's name is also a section name of
// the library file and a value of its index, so it must read back from the file as it was
// written; a macro's name lives inside its record and must only show as one line.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "macros/MacroRecord.h"

namespace orvix {

inline constexpr std::size_t kMaxSetNameLength = 199;                   // the set's 200-byte name field
inline constexpr std::size_t kMaxMacroNameLength = kMacroNameSize - 1;  // 51
// The library file's index section: no set may take its name.
inline constexpr char kSetIndexSection[] = "SetMacro";

// What the manager accepts when the user types a name: the trimmed name, when it is not
// empty, at most 24 characters and storable; nullopt otherwise.
std::optional<std::string> TypedSetName(std::string_view typed);
std::optional<std::string> TypedMacroName(std::string_view typed);

// The names the library holds. A set name is trimmed, not empty, within its field, not the
// index section's name in any case, and has none of: "]" or "=" anywhere, ";" or "[" at
// the start, control characters, matching quotes at both ends (the file would drop them).
// A macro name is trimmed, not empty, within its field and free of control characters.
bool IsStorableSetName(std::string_view name);
bool IsStorableMacroName(std::string_view name);

// Any name, from a profile or a damaged file, made storable: trimmed and cut to the
// field, each character the rules refuse replaced by "_", an empty name "Macro Set" or
// "Macro", the index section's name "SetMacro (2)". The same name always gives the same
// result, so a button that carries a refused name keeps finding the set made from it.
// Uniqueness is the library's (UniqueName).
std::string StorableSetName(std::string_view raw);
std::string StorableMacroName(std::string_view raw);

}  // namespace orvix
