// Skinned buttons. The Button class keeps doing what it does (pressing, capture, focus,
// BM_CLICK, notifying the parent); this code paints, and turns the check state at the
// moment the class is about to report a click, so the parent already sees the new state.
#include "SkinButton_win.h"

#include <algorithm>

#include <windowsx.h>

#include "PaintBuffer_win.h"
#include "SkinColours_win.h"

namespace orvix {

const SkinBitmap* ButtonImages::For(SkinState state) const {
  if (const auto& look = looks[StateIndex(state)]) return look.get();
  return looks[StateIndex(SkinState::kNormal)].get();
}

ButtonImages ButtonImages::Cut(const SkinImages& images, const PixelRect& rect) {
  ButtonImages cut;
  for (SkinState state : kSkinStates) cut.looks[StateIndex(state)] = images.Cut(state, rect);
  return cut;
}

SkinButton::~SkinButton() { DestroyControl(); }

bool SkinButton::Create(const SkinButtonSetup& setup, ButtonImages images) {
  images_ = std::move(images);
  font_ = setup.font;
  textColour_ = setup.textColour;
  disabledTextColour_ = setup.disabledTextColour;
  kind_ = setup.kind;
  drawLabel_ = setup.drawLabel;
  toggleOnClick_ = setup.toggleOnClick;
  reportDoubleClicks_ = setup.reportDoubleClicks;
  if (!CreateControl(setup, L"Button", setup.label, BS_OWNERDRAW)) return false;
  ::SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(FontOrDefault(font_)), FALSE);
  paintedLook_ = look();
  return true;
}

void SkinButton::SetImages(ButtonImages images) {
  images_ = std::move(images);
  Repaint();
}

void SkinButton::SetLabel(std::wstring_view label) {
  if (hwnd()) ::SetWindowTextW(hwnd(), std::wstring(label).c_str());
}

std::wstring SkinButton::label() const {
  if (!hwnd()) return {};
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(hwnd())) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(hwnd(), text.data(), static_cast<int>(text.size()))));
  return text;
}

void SkinButton::SetFont(FontRef font) {
  font_ = std::move(font);
  if (hwnd()) ::SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(FontOrDefault(font_)), TRUE);
}

void SkinButton::SetTextColour(COLORREF colour) {
  textColour_ = colour;
  Repaint();
}

void SkinButton::SetChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  Repaint();
}

bool SkinButton::Pushed() const {
  return hwnd() && (::SendMessageW(hwnd(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

SkinState SkinButton::look() const {
  return LookOf({.enabled = enabled(), .pushed = Pushed(), .hot = hot(), .checked = checked_});
}

bool SkinButton::ClickCompletes(UINT message, WPARAM wParam, LPARAM lParam) const {
  if (!Pushed()) return false;
  if (message == WM_KEYUP) return wParam == VK_SPACE;
  RECT client;
  ::GetClientRect(hwnd(), &client);
  POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  return ::PtInRect(&client, point) != FALSE;
}

void SkinButton::RepaintIfChanged() {
  bool focus = (::SendMessageW(hwnd(), BM_GETSTATE, 0, 0) & BST_FOCUS) != 0;
  if (look() != paintedLook_ || focus != paintedFocus_) Repaint();
}

HFONT SkinButton::FittingFont(HDC dc, const std::wstring& text, int width) const {
  const HFONT font = FontOrDefault(font_);
  if (fitted_.font && fitted_.text == text && fitted_.width == width && fitted_.from == font) return fitted_.font.get();
  SelectedObject measuring(dc, font);
  SIZE size{};
  ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  if (size.cx <= width || width <= 0) return font;
  // A translation longer than its button is drawn smaller, down to 70 %, before it is cut.
  LOGFONTW smaller{};
  if (!::GetObjectW(font, sizeof smaller, &smaller)) return font;
  const double ratio = std::max(0.7, static_cast<double>(width) / static_cast<double>(size.cx));
  smaller.lfHeight = static_cast<LONG>(smaller.lfHeight * ratio);
  smaller.lfWidth = static_cast<LONG>(smaller.lfWidth * ratio);
  fitted_ = {FontHandle(::CreateFontIndirectW(&smaller)), text, width, font};
  return fitted_.font ? fitted_.font.get() : font;
}

void SkinButton::Paint(HDC dc) const {
  RECT client;
  ::GetClientRect(hwnd(), &client);
  const SkinState state = look();
  const SkinBitmap* picture = images_.For(state);
  if (!picture || picture->hasAlpha()) {
    BrushHandle fill(::CreateSolidBrush(skin_colours::kStandInNormal));
    ::FillRect(dc, &client, fill.get());
  }
  if (picture) picture->DrawScaled(dc, client);

  std::wstring text = label();
  if (drawLabel_ && !text.empty()) {
    RECT textArea = LabelArea(client);
    SelectedObject font(dc, FittingFont(dc, text, textArea.right - textArea.left));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, state == SkinState::kDisabled ? disabledTextColour_ : textColour_);
    if (Pushed()) ::OffsetRect(&textArea, 1, 1);  // the label sinks with the press
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textArea,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  }

  PaintExtras(dc, client, state);

  const bool focus = (::SendMessageW(hwnd(), BM_GETSTATE, 0, 0) & BST_FOCUS) != 0;
  const bool focusHidden = (::SendMessageW(hwnd(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0;
  if (focus && !focusHidden) {
    RECT mark = client;
    ::InflateRect(&mark, -2, -2);
    ::SetTextColor(dc, RGB(255, 255, 255));
    ::SetBkColor(dc, RGB(0, 0, 0));
    ::DrawFocusRect(dc, &mark);
  }
}

LRESULT SkinButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PaintWindowBuffered(hwnd(), [this](HDC dc, const RECT&) { Paint(dc); });
      paintedLook_ = look();
      paintedFocus_ = (::SendMessageW(hwnd(), BM_GETSTATE, 0, 0) & BST_FOCUS) != 0;
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case BM_GETCHECK:
      if (kind_ == ButtonKind::kCheck) return checked_ ? BST_CHECKED : BST_UNCHECKED;
      break;
    case BM_SETCHECK:
      if (kind_ == ButtonKind::kCheck) {
        SetChecked(wParam == BST_CHECKED);
        return 0;
      }
      break;
    case BM_CLICK:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_KEYDOWN:
    case WM_KEYUP:
      // A disabled button clicks nothing, whoever sends it what.
      if (!enabled()) return 0;
      break;
    default:
      break;
  }
  switch (message) {
    case WM_LBUTTONDBLCLK:
      if (!reportDoubleClicks_) return OnMessage(WM_LBUTTONDOWN, wParam, lParam);
      break;
    case WM_LBUTTONUP:
    case WM_KEYUP: {
      const bool clicks = ClickCompletes(message, wParam, lParam);
      if (clicks && kind_ == ButtonKind::kCheck && toggleOnClick_) checked_ = !checked_;
      LRESULT result = CallClass(message, wParam, lParam);
      if (!hwnd()) return result;  // the parent destroyed the button in its click handler
      RepaintIfChanged();
      if (clicks) OnClicked();
      return result;
    }
    default:
      break;
  }
  LRESULT result = CallClass(message, wParam, lParam);
  switch (message) {
    case WM_SETTEXT:
    case WM_SETFONT:
    case WM_ENABLE:
      Repaint();
      break;
    case BM_SETSTATE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_CAPTURECHANGED:
    case WM_KEYDOWN:
    case WM_UPDATEUISTATE:
      if (hwnd()) RepaintIfChanged();
      break;
    default:
      break;
  }
  return result;
}

}  // namespace orvix
