#include "ProfileDialog_win.h"

#include "GdiHandles_win.h"
#include "LanguageTable.h"
#include "LayoutString.h"
#include "LayoutTable.h"
#include "ProfileDialogLayout.h"
#include "ProgramChooser_win.h"
#include "SkinButton_win.h"
#include "SkinFont_win.h"
#include "SkinLabel_win.h"
#include "SkinPopup_win.h"
#include "TextIds.h"
#include "WideText_win.h"
#include "profiles/ProfileTexts.h"

namespace orvix {
namespace {

// A path field keeps what the profile record's 500-byte field can hold.
constexpr int kProgramMaxLength = 499;
constexpr COLORREF kFieldColour = RGB(13, 15, 18);
constexpr COLORREF kFieldText = RGB(230, 234, 240);

ControlPlacement PlacementOf(std::string_view role) {
  if (const LayoutLine* line = FindLayoutRole(kProfileDialogLayout, role))
    if (auto placement = ParseLayoutString(line->layout)) return *placement;
  return {};
}

std::string RoleOf(const char* kind, int i) { return std::string(kind) + "." + std::to_string(i + 1); }

std::string WindowTextOf(HWND window) {
  const int length = ::GetWindowTextLengthA(window);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  ::GetWindowTextA(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

class ProfileDialog final : public SkinPopup {
 public:
  ProfileDialog(const ProfileDialogSetup& setup, ProfileDialogFields& fields)
      : SkinPopup(setup.installFolder, "profile_dialog", setup.dpi, 528, 346), setup_(setup), fields_(fields) {}

 private:
  std::wstring Text(int id) const { return setup_.texts ? setup_.texts->Text(id) : std::wstring(); }

  void Build() override {
    RECT owner{};
    const HWND parent = ::GetParent(hwnd());
    ::GetWindowRect(parent ? parent : ::GetDesktopWindow(), &owner);
    ::SetWindowPos(hwnd(), HWND_TOP, owner.left + (owner.right - owner.left - images().width()) / 2,
                   owner.top + (owner.bottom - owner.top - images().height()) / 2, 0, 0, SWP_NOSIZE);
    ::SetWindowTextA(hwnd(), kProfileDialogTitle);

    const auto charset = static_cast<BYTE>(LanguageOf(setup_.language).fontCharset);
    titleFont_ = SkinFont::Create({L"Arial", 12, 0, FW_BOLD, charset, true}, dpi());
    textFont_ = SkinFont::Create({L"Arial", 12, 0, FW_NORMAL, charset, true}, dpi());
    Label(title_, "title", Text(kTextProfileDialogTitle), titleFont_, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    Label(nameLabel_, "label.name", Text(kTextProfileName), textFont_, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    Label(programsLabel_, "label.programs", Text(kTextProfilePrograms), textFont_,
          DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    Label(hint_, "label.hint", Text(kTextProfileProgramsHint), textFont_, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    hint_.SetColour(RGB(150, 158, 168));

    fieldBrush_.reset(::CreateSolidBrush(kFieldColour));
    name_ = Field("name", fields_.name, kProfileNameMaxLength);
    for (int i = 0; i < 3; ++i) {
      programs_[i] = Field(RoleOf("program", i), fields_.programs[i], kProgramMaxLength);
      Button(browse_[i], RoleOf("browse", i), L"\u2026", false);
    }
    Button(ok_, "ok", Text(kTextLabelOk), true);
    Button(cancel_, "cancel", Text(kTextLabelCancel), true);
    Button(exit_, "exit", L"", false);
    ::SetFocus(name_);
    ::SendMessageW(name_, EM_SETSEL, 0, -1);
  }

  HWND Field(const std::string& role, const std::string& text, int maxLength) {
    const PixelRect r = dpi().Scale(PlacementOf(role));
    const HWND edit = ::CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, r.left,
                                        r.top, r.right - r.left, r.bottom - r.top, hwnd(), nullptr,
                                        ::GetModuleHandleW(nullptr), nullptr);
    ::SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(textFont_->handle()), FALSE);
    ::SendMessageW(edit, EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
    // A text longer than the field allows (a profile from elsewhere) shows whole; the
    // limit holds for typing.
    ::SetWindowTextA(edit, text.c_str());
    return edit;
  }

  void Button(SkinButton& button, const std::string& role, const std::wstring& label, bool drawLabel) {
    SkinButtonSetup setup;
    setup.parent = hwnd();
    setup.placement = PlacementOf(role);
    setup.dpi = dpi();
    setup.label = label;
    setup.drawLabel = drawLabel;
    setup.font = textFont_;
    button.Create(setup, ButtonImages::Cut(images(), dpi().Scale(setup.placement)));
  }

  void Label(SkinLabel& label, const std::string& role, const std::wstring& text, const FontRef& font, UINT format) {
    SkinLabelSetup setup;
    setup.parent = hwnd();
    setup.placement = PlacementOf(role);
    setup.dpi = dpi();
    setup.text = text;
    setup.font = font;
    setup.format = format;
    label.Create(setup, images().Cut(SkinState::kNormal, dpi().Scale(setup.placement)));
  }

  HBRUSH OnControlColour(HDC dc, HWND control) override {
    if (control != name_ && control != programs_[0] && control != programs_[1] && control != programs_[2])
      return nullptr;
    ::SetTextColor(dc, kFieldText);
    ::SetBkColor(dc, kFieldColour);
    return fieldBrush_.get();
  }

  void OnCommand(HWND sender, WORD id) override {
    for (int i = 0; i < 3; ++i)
      if (sender && sender == browse_[i].hwnd()) {
        if (auto path = ChooseProgram(hwnd())) ::SetWindowTextA(programs_[i], path->c_str());
        return;
      }
    if ((sender && sender == ok_.hwnd()) || (!sender && id == IDOK)) {
      fields_.name = WindowTextOf(name_);
      for (int i = 0; i < 3; ++i) fields_.programs[i] = WindowTextOf(programs_[i]);
      return End(IDOK);
    }
    if ((sender && (sender == cancel_.hwnd() || sender == exit_.hwnd())) || id == IDCANCEL) End(IDCANCEL);
  }

  const ProfileDialogSetup& setup_;
  ProfileDialogFields& fields_;
  FontRef titleFont_, textFont_;
  BrushHandle fieldBrush_;
  SkinLabel title_, nameLabel_, programsLabel_, hint_;
  HWND name_ = nullptr;
  std::array<HWND, 3> programs_{};
  std::array<SkinButton, 3> browse_;
  SkinButton ok_, cancel_, exit_;
};

}  // namespace

bool RunProfileDialog(HWND owner, const ProfileDialogSetup& setup, ProfileDialogFields& fields) {
  ProfileDialog dialog(setup, fields);
  return dialog.RunModal(owner) == IDOK;
}

}  // namespace orvix
