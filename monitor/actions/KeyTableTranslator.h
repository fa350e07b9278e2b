// The key codes of macros and shortcuts through the key table and the active layout.
#pragma once

#include "KeyTable.h"
#include "KeyboardLayout.h"
#include "actions/SyntheticInput.h"

namespace orvix {

class KeyTableTranslator : public KeyTranslator {
 public:
  explicit KeyTableTranslator(const KeyboardLayout& layout) : layout_(layout) {}
  std::uint8_t VirtualKeyOf(std::uint8_t usage) const override {
    const auto vk = UsageToVirtualKey(usage, layout_);
    return vk && *vk > 0 && *vk < 256 ? static_cast<std::uint8_t>(*vk) : 0;
  }
  std::uint8_t ScanCodeOf(std::uint8_t virtualKey) const override {
    return static_cast<std::uint8_t>(layout_.ScanCodeFromVirtualKey(virtualKey));
  }

 private:
  const KeyboardLayout& layout_;
};

}  // namespace orvix
