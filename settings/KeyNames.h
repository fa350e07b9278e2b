// Readable names of key codes and virtual keys, as the configuration program shows them.
#pragma once

#include <string_view>

#include "KeyboardLayout.h"

namespace orvix {

// A key name held by value, so that naming a key never allocates.
class KeyName {
 public:
  static constexpr int kCapacity = 24;  // the longest name is 20 characters

  KeyName() = default;
  explicit KeyName(std::string_view text);

  const char* c_str() const { return text_; }
  std::string_view view() const { return text_; }
  bool empty() const { return text_[0] == '\0'; }
  bool operator==(std::string_view other) const { return view() == other; }

 private:
  char text_[kCapacity] = {};
};

// Usages 4..57 are named by the virtual key the layout gives them; the others from the
// usage name list. Unknown codes give an empty name.
KeyName KeyNameFromUsage(int usage, const KeyboardLayout& layout);
// A listed virtual key gets its name; any other the upper-case character the layout
// produces for it with no modifier, or an empty name when it produces none or only a
// control character.
KeyName KeyNameFromVirtualKey(int virtualKey, const KeyboardLayout& layout);

}  // namespace orvix
