#include "macros/MacroNameRules.h"

#include <algorithm>

#include "AsciiCase.h"
#include "macros/NameText.h"

namespace orvix {
namespace {

constexpr char kReplacement = '_';

bool IsControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7f'; }
bool IsQuote(char c) { return c == '"' || c == '\''; }

// The index of the first character of a set name the file cannot carry, or npos.
std::size_t FirstBadSetCharacter(std::string_view name) {
  if (name.empty()) return std::string_view::npos;
  if (name.front() == ';' || name.front() == '[') return 0;
  if (name.size() >= 2 && IsQuote(name.front()) && name.back() == name.front()) return 0;
  for (std::size_t i = 0; i < name.size(); ++i)
    if (name[i] == ']' || name[i] == '=' || IsControl(name[i])) return i;
  return std::string_view::npos;
}

bool HasControl(std::string_view name) { return std::any_of(name.begin(), name.end(), IsControl); }

// Trimmed, cut to `maxLength` and trimmed again (the cut may end in a blank).
std::string CutName(std::string_view raw, std::size_t maxLength) {
  return std::string(TrimName(TrimName(raw).substr(0, maxLength)));
}

std::optional<std::string> Typed(std::string_view typed, bool (*storable)(std::string_view)) {
  const std::string_view name = TrimName(typed);
  if (name.empty() || name.size() > static_cast<std::size_t>(kTypedNameLength) || !storable(name)) return std::nullopt;
  return std::string(name);
}

}  // namespace

std::optional<std::string> TypedSetName(std::string_view typed) { return Typed(typed, IsStorableSetName); }
std::optional<std::string> TypedMacroName(std::string_view typed) { return Typed(typed, IsStorableMacroName); }

bool IsStorableSetName(std::string_view name) {
  return !name.empty() && name.size() <= kMaxSetNameLength && TrimName(name).size() == name.size() &&
         !EqualIgnoringCase(name, kSetIndexSection) && FirstBadSetCharacter(name) == std::string_view::npos;
}

bool IsStorableMacroName(std::string_view name) {
  return !name.empty() && name.size() <= kMaxMacroNameLength && TrimName(name).size() == name.size() &&
         !HasControl(name);
}

std::string StorableSetName(std::string_view raw) {
  std::string name = CutName(raw, kMaxSetNameLength);
  if (name.empty()) return "Macro Set";
  // A replacement never makes a new bad character: "_" is none, and it is not a blank.
  for (std::size_t bad; (bad = FirstBadSetCharacter(name)) != std::string::npos;) name[bad] = kReplacement;
  if (EqualIgnoringCase(name, kSetIndexSection)) name += " (2)";
  return name;
}

std::string StorableMacroName(std::string_view raw) {
  std::string name = CutName(raw, kMaxMacroNameLength);
  if (name.empty()) return "Macro";
  std::replace_if(name.begin(), name.end(), IsControl, kReplacement);
  return name;
}

}  // namespace orvix
