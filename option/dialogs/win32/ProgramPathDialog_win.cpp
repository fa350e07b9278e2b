#include "ProgramPathDialog_win.h"

#include "dialogs/AssignmentDialogTexts.h"
#include "ButtonAssignment.h"
#include "ProgramChooser_win.h"
#include "ProgramPathLayout.h"

namespace orvix {
namespace {

// What a button's program field holds, its terminator aside.
constexpr int kPathMaxLength = static_cast<int>(sizeof(ButtonAssignment::programPath)) - 1;

class ProgramPathDialog final : public FormDialog {
 public:
  ProgramPathDialog(const FormDialogSetup& setup, std::string& path)
      : FormDialog(setup, "program_path", kProgramPathLayout), path_(path) {}

 private:
  void Build() override {
    Prepare(kProgramPathDialogTitle);
    Label(title_, "title", Text(kTextProgramDialogTitle), true);
    Label(label_, "label.path", Text(kTextProgramLabel));
    Label(hint_, "label.hint", Text(kTextProgramHint), false, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    hint_.SetColour(RGB(150, 158, 168));
    // The field takes what was stored even when longer; OK then says it does not fit.
    field_ = Field("path", path_, kPathMaxLength);
    Button(browse_, "browse", L"\u2026");
    StandardButtons();
    ::SetFocus(field_);
    ::SendMessageW(field_, EM_SETSEL, 0, -1);
  }

  void OnCommand(HWND sender, WORD id) override {
    if (sender && sender == browse_.hwnd()) {
      if (auto chosen = ChooseProgram(hwnd())) ::SetWindowTextA(field_, chosen->c_str());
      return;
    }
    if (IsOk(sender, id)) {
      std::string typed = FieldText(field_);
      if (typed.size() > static_cast<std::size_t>(kPathMaxLength)) return Notice(kTextProgramDialogTitle, Text(kTextProgramTooLong));
      path_ = std::move(typed);
      return End(IDOK);
    }
    if (IsCancel(sender, id)) End(IDCANCEL);
  }

  std::string& path_;
  SkinLabel title_, label_, hint_;
  HWND field_ = nullptr;
  SkinButton browse_;
};

}  // namespace

bool RunProgramPathDialog(HWND owner, const FormDialogSetup& setup, std::string& path) {
  std::string edited = path;
  ProgramPathDialog dialog(setup, edited);
  if (dialog.RunModal(owner) != IDOK) return false;
  path = std::move(edited);
  return true;
}

}  // namespace orvix
