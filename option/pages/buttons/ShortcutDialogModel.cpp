#include "pages/buttons/ShortcutDialogModel.h"

#include "KeyTable.h"

namespace orvix::button_page {

bool ShortcutDialogModel::OnKey(int virtualKey, const KeyboardLayout& layout) {
  const std::optional<int> usage = VirtualKeyToUsage(virtualKey, layout);
  if (!usage || *usage <= 0 || *usage > 255) return false;
  choice_.key = static_cast<std::uint8_t>(*usage);
  return true;
}

void ShortcutDialogModel::OnFlagClicked(ShortcutFlag flag, bool checked) {
  const auto index = static_cast<std::size_t>(flag);
  if (index >= choice_.flags.size() || !enabled(flag)) return;
  choice_.flags[index] = checked;
}

KeyName ShortcutDialogModel::keyText(const KeyboardLayout& layout) const {
  if (choice_.key == 0) return {};
  return KeyNameFromUsage(choice_.key, layout);
}

}  // namespace orvix::button_page
