#include "ProfileDialog_win.h"

#include "ProfileDialogLayout.h"
#include "ProgramChooser_win.h"
#include "TextIds.h"
#include "profiles/ProfileTexts.h"

namespace orvix {
namespace {

// A path field keeps what the profile record's 500-byte field can hold.
constexpr int kProgramMaxLength = 499;

std::string RoleOf(const char* kind, int i) { return std::string(kind) + "." + std::to_string(i + 1); }

class ProfileDialog final : public FormDialog {
 public:
  ProfileDialog(const ProfileDialogSetup& setup, ProfileDialogFields& fields)
      : FormDialog(setup, "profile_dialog", kProfileDialogLayout), fields_(fields) {}

 private:
  void Build() override {
    Prepare(kProfileDialogTitle);
    Label(title_, "title", Text(kTextProfileDialogTitle), true);
    Label(nameLabel_, "label.name", Text(kTextProfileName));
    Label(programsLabel_, "label.programs", Text(kTextProfilePrograms));
    Label(hint_, "label.hint", Text(kTextProfileProgramsHint), false, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    hint_.SetColour(RGB(150, 158, 168));

    name_ = Field("name", fields_.name, kProfileNameMaxLength);
    for (int i = 0; i < 3; ++i) {
      programs_[i] = Field(RoleOf("program", i), fields_.programs[i], kProgramMaxLength);
      Button(browse_[i], RoleOf("browse", i), L"\u2026", false);
    }
    StandardButtons();
    ::SetFocus(name_);
    ::SendMessageW(name_, EM_SETSEL, 0, -1);
  }

  void OnCommand(HWND sender, WORD id) override {
    for (int i = 0; i < 3; ++i)
      if (sender && sender == browse_[i].hwnd()) {
        if (auto path = ChooseProgram(hwnd())) ::SetWindowTextA(programs_[i], path->c_str());
        return;
      }
    if (IsOk(sender, id)) {
      fields_.name = FieldText(name_);
      for (int i = 0; i < 3; ++i) fields_.programs[i] = FieldText(programs_[i]);
      return End(IDOK);
    }
    if (IsCancel(sender, id)) End(IDCANCEL);
  }

  ProfileDialogFields& fields_;
  SkinLabel title_, nameLabel_, programsLabel_, hint_;
  HWND name_ = nullptr;
  std::array<HWND, 3> programs_{};
  std::array<SkinButton, 3> browse_;
};

}  // namespace

bool RunProfileDialog(HWND owner, const ProfileDialogSetup& setup, ProfileDialogFields& fields) {
  ProfileDialog dialog(setup, fields);
  return dialog.RunModal(owner) == IDOK;
}

}  // namespace orvix
