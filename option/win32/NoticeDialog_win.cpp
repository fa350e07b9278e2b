#include "NoticeDialog_win.h"

#include "FormDialog_win.h"
#include "NoticeLayout.h"
#include "QuestionLayout.h"

namespace orvix {
namespace {

bool IsQuestion(const NoticeSetup& setup) { return !setup.secondButton.empty(); }

class Notice final : public FormDialog {
 public:
  explicit Notice(const NoticeSetup& setup)
      : FormDialog({setup.installFolder, setup.dpi, nullptr, setup.language}, IsQuestion(setup) ? "question" : "notice",
                   IsQuestion(setup) ? LayoutPlacements(kQuestionLayout) : LayoutPlacements(kNoticeLayout)),
        setup_(setup) {}

 private:
  bool question() const { return IsQuestion(setup_); }

  void Build() override {
    Prepare(setup_.title);
    Label(title_, "title", setup_.title, true, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    Label(message_, "message", setup_.message, false, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    Button(first_, question() ? "yes" : "ok", setup_.firstButton);
    if (question()) Button(second_, "no", setup_.secondButton);
    Button(exit_, "exit", L"", false);
    ::SetFocus(first_.hwnd());
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
