// The shortcut dialog without its window: the key taken from the keyboard hook and the
// five check boxes, None disabling the four modifiers while it is set.
#pragma once

#include "KeyNames.h"
#include "KeyboardLayout.h"
#include "pages/buttons/ShortcutChoice.h"

namespace orvix::button_page {

class ShortcutDialogModel {
 public:
  explicit ShortcutDialogModel(const ShortcutChoice& start) : choice_(start) {}

  // A key press or release the hook saw: its key code becomes the shortcut's key. False,
  // with nothing changed, for a virtual key without a key code.
  bool OnKey(int virtualKey, const KeyboardLayout& layout);
  // A check box was clicked and now shows `checked`.
  void OnFlagClicked(ShortcutFlag flag, bool checked);

  // Each box shows its own flag; while None is set the four modifiers are disabled and
  // keep their states for when None is cleared.
  bool checked(ShortcutFlag flag) const { return choice_.flag(flag); }
  bool enabled(ShortcutFlag flag) const { return flag == ShortcutFlag::kNone || !choice_.flag(ShortcutFlag::kNone); }
  // The key field's text.
  KeyName keyText(const KeyboardLayout& layout) const;
  // What OK returns.
  const ShortcutChoice& result() const { return choice_; }

 private:
  ShortcutChoice choice_;
};

}  // namespace orvix::button_page
