#include "NoticeDialog_win.h"

#include "LanguageTable.h"
#include "LayoutString.h"
#include "LayoutTable.h"
#include "NoticeLayout.h"
#include "QuestionLayout.h"
#include "SkinButton_win.h"
#include "SkinFont_win.h"
#include "SkinLabel_win.h"
#include "SkinPopup_win.h"

namespace orvix {
namespace {

bool IsQuestion(const NoticeSetup& setup) { return !setup.secondButton.empty(); }

ControlPlacement PlacementOf(bool question, std::string_view role) {
  const LayoutLine* line = question ? FindLayoutRole(kQuestionLayout, role) : FindLayoutRole(kNoticeLayout, role);
  if (line)
    if (auto placement = ParseLayoutString(line->layout)) return *placement;
  return {};
}

class Notice final : public SkinPopup {
 public:
  explicit Notice(const NoticeSetup& setup)
      : SkinPopup(setup.installFolder, IsQuestion(setup) ? "question" : "notice", setup.dpi, 380, 176),
        setup_(setup) {}

 private:
  bool question() const { return IsQuestion(setup_); }
  ControlPlacement PlacementOf(std::string_view role) const { return orvix::PlacementOf(question(), role); }

  void Build() override {
    RECT owner{};
    const HWND parent = ::GetParent(hwnd());
    ::GetWindowRect(parent ? parent : ::GetDesktopWindow(), &owner);
    ::SetWindowPos(hwnd(), HWND_TOP, owner.left + (owner.right - owner.left - images().width()) / 2,
                   owner.top + (owner.bottom - owner.top - images().height()) / 2, 0, 0, SWP_NOSIZE);
    ::SetWindowTextW(hwnd(), setup_.title.c_str());

    const auto charset = static_cast<BYTE>(LanguageOf(setup_.language).fontCharset);
    const FontRef titleFont = SkinFont::Create({L"Arial", 12, 0, FW_BOLD, charset, true}, dpi());
    const FontRef textFont = SkinFont::Create({L"Arial", 12, 0, FW_NORMAL, charset, true}, dpi());
    Label(title_, "title", setup_.title, titleFont, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    Label(message_, "message", setup_.message, textFont, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    Button(first_, question() ? "yes" : "ok", setup_.firstButton, textFont, true);
    if (question()) Button(second_, "no", setup_.secondButton, textFont, true);
    Button(exit_, "exit", L"", textFont, false);
    ::SetFocus(first_.hwnd());
  }

  void Button(SkinButton& button, std::string_view role, const std::wstring& label, const FontRef& font,
              bool drawLabel) {
    SkinButtonSetup setup;
    setup.parent = hwnd();
    setup.placement = PlacementOf(role);
    setup.dpi = dpi();
    setup.label = label;
    setup.drawLabel = drawLabel;
    setup.font = font;
    button.Create(setup, ButtonImages::Cut(images(), dpi().Scale(setup.placement)));
  }

  void Label(SkinLabel& label, std::string_view role, const std::wstring& text, const FontRef& font, UINT format) {
    SkinLabelSetup setup;
    setup.parent = hwnd();
    setup.placement = PlacementOf(role);
    setup.dpi = dpi();
    setup.text = text;
    setup.font = font;
    setup.format = format;
    label.Create(setup, images().Cut(SkinState::kNormal, dpi().Scale(setup.placement)));
  }

  void OnCommand(HWND sender, WORD id) override {
    // Closing a question answers No; closing a notice is its OK.
    const int closed = question() ? NoticeDialog::kSecondButton : NoticeDialog::kFirstButton;
    if (sender && sender == first_.hwnd()) return End(NoticeDialog::kFirstButton);
    if (sender && sender == second_.hwnd()) return End(NoticeDialog::kSecondButton);
    if ((sender && sender == exit_.hwnd()) || id == IDCANCEL) return End(closed);
    if (!sender && id == IDOK) End(NoticeDialog::kFirstButton);
  }

  const NoticeSetup& setup_;
  SkinLabel title_, message_;
  SkinButton first_, second_, exit_;
};

}  // namespace

int NoticeDialog::Show(HWND owner, const NoticeSetup& setup) {
  Notice notice(setup);
  return static_cast<int>(notice.RunModal(owner));
}

}  // namespace orvix
