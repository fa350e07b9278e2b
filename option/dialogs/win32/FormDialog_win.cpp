#include "FormDialog_win.h"

#include "LanguageTable.h"
#include "NoticeDialog_win.h"
#include "TextIds.h"

namespace orvix {
namespace {

constexpr COLORREF kFieldColour = RGB(13, 15, 18);
constexpr COLORREF kFieldText = RGB(230, 234, 240);

}  // namespace

FormDialog::FormDialog(const FormDialogSetup& setup, const char* art, LayoutPlacements layout)
    : SkinPopup(setup.installFolder, art, setup.dpi, layout.Dialog().Width(), layout.Dialog().Height()),
      setup_(setup),
      layout_(layout) {}

void FormDialog::Prepare(const char* title) {
  PlaceAndMakeFonts();
  ::SetWindowTextA(hwnd(), title);
}

void FormDialog::Prepare(const std::wstring& title) {
  PlaceAndMakeFonts();
  ::SetWindowTextW(hwnd(), title.c_str());
}

void FormDialog::PlaceAndMakeFonts() {
  RECT owner{};
  const HWND parent = ::GetParent(hwnd());
  ::GetWindowRect(parent ? parent : ::GetDesktopWindow(), &owner);
  ::SetWindowPos(hwnd(), HWND_TOP, owner.left + (owner.right - owner.left - images().width()) / 2,
                 owner.top + (owner.bottom - owner.top - images().height()) / 2, 0, 0, SWP_NOSIZE);
  const auto charset = static_cast<BYTE>(LanguageOf(setup_.language).fontCharset);
  titleFont_ = SkinFont::Create({L"Arial", 12, 0, FW_BOLD, charset, true}, dpi());
  textFont_ = SkinFont::Create({L"Arial", 12, 0, FW_NORMAL, charset, true}, dpi());
  fieldBrush_.reset(::CreateSolidBrush(kFieldColour));
  maker_ = Maker();
}

ControlMaker FormDialog::Maker() const {
  return {hwnd(), &images(), dpi(), layout_, titleFont_, textFont_};
}

void FormDialog::StandardButtons() {
  Button(ok_, "ok", Text(kTextLabelOk));
  Button(cancel_, "cancel", Text(kTextLabelCancel));
  Button(exit_, "exit", L"", false);
}

void FormDialog::EnableStandardButtons(bool enabled) {
  for (SkinButton* button : {&ok_, &cancel_, &exit_}) button->Enable(enabled);
}

void FormDialog::Notice(int titleId, const std::wstring& message) {
  NoticeDialog::Show(hwnd(), {setup_.installFolder, dpi(), Text(titleId), message, Text(kTextLabelOk), L"",
                              setup_.language});
}

bool FormDialog::Ask(int titleId, const std::wstring& question) {
  return NoticeDialog::Show(hwnd(), {setup_.installFolder, dpi(), Text(titleId), question, Text(kTextButtonYes),
                                     Text(kTextButtonNo), setup_.language}) == NoticeDialog::kFirstButton;
}

HBRUSH FormDialog::OnControlColour(HDC dc, HWND control) {
  char className[16] = {};
  if (!::GetClassNameA(control, className, sizeof className) ||
      (lstrcmpiA(className, "Edit") != 0 && lstrcmpiA(className, "ListBox") != 0))
    return nullptr;
  ::SetTextColor(dc, kFieldText);
  ::SetBkColor(dc, kFieldColour);
  return fieldBrush_.get();
}

}  // namespace orvix
