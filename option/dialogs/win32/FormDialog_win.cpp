#include "FormDialog_win.h"

#include "LanguageTable.h"
#include "NoticeDialog_win.h"
#include "TextIds.h"

namespace orvix {
namespace {

constexpr COLORREF kFieldColour = RGB(13, 15, 18);
constexpr COLORREF kFieldText = RGB(230, 234, 240);

}  // namespace

std::string FieldText(HWND field) {
  const int length = ::GetWindowTextLengthA(field);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int got = ::GetWindowTextA(field, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return text;
}

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
}

void FormDialog::Label(SkinLabel& label, std::string_view role, const std::wstring& text, bool title, UINT format) {
  SkinLabelSetup labelSetup;
  labelSetup.parent = hwnd();
  labelSetup.placement = PlacementOf(role);
  labelSetup.dpi = dpi();
  labelSetup.text = text;
  labelSetup.font = title ? titleFont_ : textFont_;
  labelSetup.format = format;
  label.Create(labelSetup, images().Cut(SkinState::kNormal, dpi().Scale(labelSetup.placement)));
}

void FormDialog::Button(SkinButton& button, std::string_view role, const std::wstring& label, bool drawLabel,
                        ButtonKind kind) {
  SkinButtonSetup buttonSetup;
  buttonSetup.parent = hwnd();
  buttonSetup.placement = PlacementOf(role);
  buttonSetup.dpi = dpi();
  buttonSetup.label = label;
  buttonSetup.drawLabel = drawLabel;
  buttonSetup.font = textFont_;
  buttonSetup.kind = kind;
  button.Create(buttonSetup, ButtonImages::Cut(images(), dpi().Scale(buttonSetup.placement)));
}

HWND FormDialog::Field(std::string_view role, const std::string& text, int maxLength, DWORD style) {
  const PixelRect r = dpi().Scale(PlacementOf(role));
  const HWND edit = ::CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | style,
                                      r.left, r.top, r.right - r.left, r.bottom - r.top, hwnd(), nullptr,
                                      ::GetModuleHandleW(nullptr), nullptr);
  if (!edit) return nullptr;
  ::SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(textFont_->handle()), FALSE);
  ::SendMessageW(edit, EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
  ::SetWindowTextA(edit, text.c_str());
  return edit;
}

void FormDialog::Number(NumberBox& box, std::string_view role, int minimum, int maximum, int value) {
  NumberBoxSetup numberSetup;
  numberSetup.parent = hwnd();
  numberSetup.placement = PlacementOf(role);
  numberSetup.dpi = dpi();
  numberSetup.minimum = minimum;
  numberSetup.maximum = maximum;
  numberSetup.value = value;
  numberSetup.font = textFont_;
  box.Create(numberSetup, images().Cut(SkinState::kNormal, dpi().Scale(numberSetup.placement)));
}

void FormDialog::StandardButtons() {
  Button(ok_, "ok", Text(kTextLabelOk));
  Button(cancel_, "cancel", Text(kTextLabelCancel));
  Button(exit_, "exit", L"", false);
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
  if (!::GetClassNameA(control, className, sizeof className) || lstrcmpiA(className, "Edit") != 0) return nullptr;
  ::SetTextColor(dc, kFieldText);
  ::SetBkColor(dc, kFieldColour);
  return fieldBrush_.get();
}

}  // namespace orvix
