#include "macros/NameText.h"

#include "AsciiCase.h"

namespace orvix {
namespace {

bool IsNameSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1a';
}

}  // namespace

std::string_view TrimName(std::string_view name) {
  while (!name.empty() && IsNameSpace(name.front())) name.remove_prefix(1);
  while (!name.empty() && IsNameSpace(name.back())) name.remove_suffix(1);
  return name;
}

bool SameName(std::string_view a, std::string_view b) { return EqualIgnoringCase(TrimName(a), TrimName(b)); }

std::string UniqueName(std::string_view base, std::size_t maxLength,
                       const std::function<bool(std::string_view)>& taken) {
  std::string name(base.substr(0, maxLength));
  name = std::string(TrimName(name));
  if (!taken(name)) return name;
  // Every list holds far fewer names than numbers tried, so one number is always free.
  for (unsigned number = 2;; ++number) {
    const std::string suffix = " (" + std::to_string(number) + ")";
    const std::size_t room = maxLength > suffix.size() ? maxLength - suffix.size() : 0;
    std::string candidate(TrimName(base.substr(0, room)));
    candidate += suffix;
    if (!taken(candidate)) return candidate;
  }
}

}  // namespace orvix
