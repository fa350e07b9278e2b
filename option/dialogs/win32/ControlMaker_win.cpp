#include "ControlMaker_win.h"

namespace orvix {

std::string FieldText(HWND field) {
  const int length = ::GetWindowTextLengthA(field);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int got = ::GetWindowTextA(field, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return text;
}

void ControlMaker::Label(SkinLabel& label, std::string_view role, const std::wstring& text, bool title,
                         UINT format) const {
  SkinLabelSetup setup;
  setup.parent = parent;
  setup.placement = PlacementOf(role);
  setup.dpi = dpi;
  setup.text = text;
  setup.font = title ? titleFont : textFont;
  setup.format = format;
  label.Create(setup, images->Cut(SkinState::kNormal, dpi.Scale(setup.placement)));
}

void ControlMaker::Button(SkinButton& button, std::string_view role, const std::wstring& label, bool drawLabel,
                          ButtonKind kind) const {
  SkinButtonSetup setup;
  setup.parent = parent;
  setup.placement = PlacementOf(role);
  setup.dpi = dpi;
  setup.label = label;
  setup.drawLabel = drawLabel;
  setup.font = textFont;
  setup.kind = kind;
  button.Create(setup, ButtonImages::Cut(*images, dpi.Scale(setup.placement)));
}

HWND ControlMaker::Field(std::string_view role, const std::string& text, int maxLength, DWORD style) const {
  const PixelRect r = RectOf(role);
  const HWND edit = ::CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | style,
                                      r.left, r.top, r.right - r.left, r.bottom - r.top, parent, nullptr,
                                      ::GetModuleHandleW(nullptr), nullptr);
  if (!edit) return nullptr;
  ::SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(FontOrDefault(textFont)), FALSE);
  ::SendMessageW(edit, EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
  ::SetWindowTextA(edit, text.c_str());
  return edit;
}

void ControlMaker::Number(NumberBox& box, std::string_view role, int minimum, int maximum, int value) const {
  NumberBoxSetup setup;
  setup.parent = parent;
  setup.placement = PlacementOf(role);
  setup.dpi = dpi;
  setup.minimum = minimum;
  setup.maximum = maximum;
  setup.value = value;
  setup.font = textFont;
  box.Create(setup, images->Cut(SkinState::kNormal, dpi.Scale(setup.placement)));
}

HWND ControlMaker::List(std::string_view role, int id, int rowHeight96) const {
  const PixelRect r = RectOf(role);
  const HWND list = ::CreateWindowExW(
      0, L"ListBox", L"",
      WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
          LBS_HASSTRINGS,
      r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
  if (!list) return nullptr;
  ::SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(FontOrDefault(textFont)), FALSE);
  ::SendMessageW(list, LB_SETITEMHEIGHT, 0, dpi.Scale(rowHeight96));
  return list;
}

}  // namespace orvix
