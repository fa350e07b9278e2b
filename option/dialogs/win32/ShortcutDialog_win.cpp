#include "ShortcutDialog_win.h"

#include <array>
#include <memory>

#include "dialogs/AssignmentDialogTexts.h"
#include "KeyboardCapture_win.h"
#include "KeyboardLayout_win.h"
#include "ShortcutDialogLayout.h"
#include "WideText_win.h"
#include "pages/buttons/ShortcutDialogModel.h"

namespace orvix {
namespace {

using button_page::ShortcutDialogModel;
using button_page::ShortcutFlag;

struct FlagBox {
  ShortcutFlag flag;
  const char* role;
  int text;
};
constexpr std::array<FlagBox, button_page::kShortcutFlags> kFlagBoxes = {{
    {ShortcutFlag::kNone, "modifier.none", kTextModifierNone},
    {ShortcutFlag::kShift, "modifier.shift", kTextModifierShift},
    {ShortcutFlag::kCtrl, "modifier.ctrl", kTextModifierCtrl},
    {ShortcutFlag::kAlt, "modifier.alt", kTextModifierAlt},
    {ShortcutFlag::kWin, "modifier.win", kTextModifierWin},
}};

class ShortcutDialog final : public FormDialog {
 public:
  ShortcutDialog(const FormDialogSetup& setup, ShortcutDialogModel& model)
      : FormDialog(setup, "shortcut_dialog", kShortcutDialogLayout), model_(model) {}

 private:
  void Build() override {
    Prepare(kShortcutDialogTitle);
    Label(title_, "title", Text(kTextShortcutTitle), true);
    Label(keyLabel_, "label.key", Text(kTextShortcutKey));
    Label(hint_, "label.hint", Text(kTextShortcutHint), false, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    hint_.SetColour(RGB(150, 158, 168));
    // Display only: the key comes from the capture, never from typing.
    key_ = Field("key", "", 32, ES_READONLY);
    ::EnableWindow(key_, FALSE);
    for (std::size_t i = 0; i < kFlagBoxes.size(); ++i)
      Button(boxes_[i], kFlagBoxes[i].role, Text(kFlagBoxes[i].text), true, ButtonKind::kCheck);
    StandardButtons();
    ShowModel();
    capture_ = std::make_unique<KeyboardCapture>(hwnd());
  }

  void ShowModel() {
    ::SetWindowTextA(key_, model_.keyText(layout_).c_str());
    for (std::size_t i = 0; i < kFlagBoxes.size(); ++i) {
      boxes_[i].SetChecked(model_.checked(kFlagBoxes[i].flag));
      boxes_[i].Enable(model_.enabled(kFlagBoxes[i].flag));
    }
  }

  bool OnMessage(UINT message, WPARAM wParam, LPARAM) override {
    if (message == WM_OPT_CAPTURED_KEY) {
      if (model_.OnKey(static_cast<int>(wParam), layout_)) ShowModel();
      return true;
    }
    if (message == WM_DESTROY) capture_.reset();  // the hook lives exactly as long as the dialog
    return false;
  }

  void OnCommand(HWND sender, WORD id) override {
    for (std::size_t i = 0; i < kFlagBoxes.size(); ++i)
      if (sender && sender == boxes_[i].hwnd()) {
        model_.OnFlagClicked(kFlagBoxes[i].flag, boxes_[i].checked());
        return ShowModel();
      }
    if (IsOk(sender, id)) return End(IDOK);
    if (IsCancel(sender, id)) End(IDCANCEL);
  }

  ShortcutDialogModel& model_;
  ActiveKeyboardLayout layout_;
  std::unique_ptr<KeyboardCapture> capture_;
  SkinLabel title_, keyLabel_, hint_;
  HWND key_ = nullptr;
  std::array<SkinButton, button_page::kShortcutFlags> boxes_;
};

}  // namespace

bool RunShortcutDialog(HWND owner, const FormDialogSetup& setup, button_page::ShortcutChoice& shortcut) {
  ShortcutDialogModel model(shortcut);
  ShortcutDialog dialog(setup, model);
  if (dialog.RunModal(owner) != IDOK) return false;
  shortcut = model.result();
  return true;
}

}  // namespace orvix
