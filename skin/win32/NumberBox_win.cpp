// The spin field: a container window that paints the field and the arrows, and a real
// "Edit" child for the text (caret, selection, clipboard and input methods for free).
#include "NumberBox_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "PaintBuffer_win.h"
#include "SkinClasses_win.h"
#include "SkinColours_win.h"

namespace orvix {
namespace {

constexpr UINT_PTR kEditSubclassId = 0x4E554D42;  // "NUMB"
constexpr int kEditId = 1;
constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT kFirstRepeatMs = 400;
constexpr UINT kRepeatMs = 70;

// The edit's text as the rules read it: characters outside ASCII are never digits or signs.
std::string Narrow(const std::wstring& text) {
  std::string narrow;
  narrow.reserve(text.size());
  for (wchar_t c : text) narrow.push_back(c < 128 ? static_cast<char>(c) : '?');
  return narrow;
}

void Triangle(HDC dc, const RECT& r, bool up, COLORREF colour) {
  const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
  const int half = std::max(2, static_cast<int>(std::min(r.right - r.left, r.bottom - r.top)) / 3);
  const int rise = std::max(1, half / 2);
  POINT points[3];
  if (up) {
    points[0] = {cx - half, cy + rise};
    points[1] = {cx + half, cy + rise};
    points[2] = {cx, cy - rise};
  } else {
    points[0] = {cx - half, cy - rise};
    points[1] = {cx + half, cy - rise};
    points[2] = {cx, cy + rise};
  }
  BrushHandle brush(::CreateSolidBrush(colour));
  PenHandle pen(::CreatePen(PS_SOLID, 1, colour));
  SelectedObject b(dc, brush.get()), p(dc, pen.get());
  ::Polygon(dc, points, 3);
}

void Fill(HDC dc, const RECT& r, COLORREF colour) {
  BrushHandle brush(::CreateSolidBrush(colour));
  ::FillRect(dc, &r, brush.get());
}

void Frame(HDC dc, const RECT& r, COLORREF colour) {
  BrushHandle brush(::CreateSolidBrush(colour));
  ::FrameRect(dc, &r, brush.get());
}

}  // namespace

NumberBox::NumberBox() : rules_(0, 100) {}

NumberBox::~NumberBox() { DestroyControl(); }

bool NumberBox::Create(const NumberBoxSetup& setup, std::shared_ptr<const SkinBitmap> background) {
  rules_ = NumberBoxRules(setup.minimum, setup.maximum, setup.step);
  value_ = rules_.Clamp(setup.value);
  notifyMessage_ = setup.notifyMessage;
  font_ = setup.font;
  background_ = std::move(background);
  fieldBrush_.reset(::CreateSolidBrush(skin_colours::kRecess));
  if (!CreateControl(setup, kNumberBoxClass, L"", WS_CLIPCHILDREN)) return false;
  edit_ = ::CreateWindowExW(0, L"Edit", std::to_wstring(value_).c_str(), WS_CHILD | WS_VISIBLE | ES_LEFT | ES_AUTOHSCROLL,
                            0, 0, 1, 1, hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)),
                            ::GetModuleHandleW(nullptr), nullptr);
  if (!edit_ || !::SetWindowSubclass(edit_, &NumberBox::EditProcedure, kEditSubclassId,
                                     reinterpret_cast<DWORD_PTR>(this))) {
    DestroyControl();
    return false;
  }
  ::SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(FontOrDefault(font_)), FALSE);
  ::SendMessageW(edit_, EM_LIMITTEXT, rules_.MaxTextLength(), 0);
  Layout();
  return true;
}

void NumberBox::SetValue(int value) {
  value_ = rules_.Clamp(value);
  ShowText(std::to_string(value_));
}

std::wstring NumberBox::text() const {
  if (!edit_) return {};
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(edit_)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(edit_, text.data(), static_cast<int>(text.size()))));
  return text;
}

void NumberBox::ShowText(const std::string& text) {
  if (!edit_) return;
  if (Narrow(this->text()) == text) return;
  settingText_ = true;
  ::SetWindowTextW(edit_, std::wstring(text.begin(), text.end()).c_str());
  int end = static_cast<int>(text.size());
  ::SendMessageW(edit_, EM_SETSEL, end, end);
  settingText_ = false;
}

void NumberBox::Publish(int value) {
  if (value == value_) return;
  value_ = value;
  NotifyParent(notifyMessage_, static_cast<WPARAM>(static_cast<LPARAM>(value)), id());
}

void NumberBox::OnTextChanged() {
  if (settingText_) return;
  NumberBoxRules::Typed typed = rules_.OnTyped(Narrow(text()));
  ShowText(typed.text);
}

void NumberBox::Commit() {
  int committed = rules_.Commit(Narrow(text()));
  ShowText(std::to_string(committed));
  Publish(committed);
}

void NumberBox::Step(int steps) {
  // A value half typed counts as committed before it is stepped.
  int stepped = rules_.Step(rules_.Commit(Narrow(text())), steps);
  ShowText(std::to_string(stepped));
  Publish(stepped);
}

void NumberBox::OnWheel(WPARAM wParam) {
  wheelDelta_ += GET_WHEEL_DELTA_WPARAM(wParam);
  int notches = wheelDelta_ / WHEEL_DELTA;
  wheelDelta_ -= notches * WHEEL_DELTA;
  if (notches != 0) Step(notches);
}

RECT NumberBox::ArrowRect(Arrow arrow) const {
  RECT client;
  ::GetClientRect(hwnd(), &client);
  const int width = std::min<int>(dpi().Scale(12), (client.right - client.left) / 2);
  const int middle = (client.top + client.bottom) / 2;
  RECT r{client.right - width, client.top, client.right, client.bottom};
  if (arrow == Arrow::kUp) r.bottom = middle;
  if (arrow == Arrow::kDown) r.top = middle;
  return r;
}

NumberBox::Arrow NumberBox::ArrowAt(POINT point) const {
  RECT up = ArrowRect(Arrow::kUp), down = ArrowRect(Arrow::kDown);
  if (::PtInRect(&up, point)) return Arrow::kUp;
  if (::PtInRect(&down, point)) return Arrow::kDown;
  return Arrow::kNone;
}

void NumberBox::Layout() {
  if (!edit_) return;
  RECT client;
  ::GetClientRect(hwnd(), &client);
  RECT arrows = ArrowRect(Arrow::kNone);
  TEXTMETRICW metrics{};
  {
    WindowDc dc(edit_);
    SelectedObject font(dc.get(), FontOrDefault(font_));
    ::GetTextMetricsW(dc.get(), &metrics);
  }
  const int fieldHeight = client.bottom - client.top - 2;
  const int height = std::clamp<int>(metrics.tmHeight, 1, std::max(1, fieldHeight));
  const int left = 1 + dpi().Scale(3);
  const int top = 1 + (fieldHeight - height) / 2;
  ::MoveWindow(edit_, left, top, std::max(1, static_cast<int>(arrows.left) - 1 - left), height, FALSE);
}

void NumberBox::Paint(HDC dc, const RECT& client) const {
  if (background_) {
    background_->DrawScaled(dc, client);
  } else {
    Fill(dc, client, skin_colours::kStandInNormal);
  }
  const bool active = enabled();
  RECT arrows = ArrowRect(Arrow::kNone);
  RECT field{client.left, client.top, arrows.left, client.bottom};
  Fill(dc, field, skin_colours::kRecess);
  Frame(dc, field, ::GetFocus() == edit_ ? skin_colours::kAccent : skin_colours::kEdge);
  for (Arrow arrow : {Arrow::kUp, Arrow::kDown}) {
    RECT r = ArrowRect(arrow);
    COLORREF face = pressed_ == arrow ? skin_colours::kAccentDeep : skin_colours::kRaised;
    Fill(dc, r, face);
    Frame(dc, r, skin_colours::kEdge);
    Triangle(dc, r, arrow == Arrow::kUp, active ? skin_colours::kText : skin_colours::kEdgeHigh);
  }
}

LRESULT NumberBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto painted = HandlePainting(message, wParam, [this](HDC dc, const RECT& client) { Paint(dc, client); }))
    return *painted;
  switch (message) {
    case WM_SIZE:
      Layout();
      break;
    case WM_SETFOCUS:
      if (edit_) ::SetFocus(edit_);
      return 0;
    case WM_ENABLE:
      if (edit_) ::EnableWindow(edit_, wParam ? TRUE : FALSE);
      Repaint();
      break;
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lParam) == edit_ && HIWORD(wParam) == EN_CHANGE) OnTextChanged();
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      ::SetTextColor(dc, enabled() ? skin_colours::kText : skin_colours::kGreyText);
      ::SetBkColor(dc, skin_colours::kRecess);
      return reinterpret_cast<LRESULT>(fieldBrush_.get());
    }
    case WM_LBUTTONDOWN: {
      if (edit_) ::SetFocus(edit_);
      POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      pressed_ = ArrowAt(point);
      if (pressed_ != Arrow::kNone) {
        ::SetCapture(hwnd());
        Step(pressed_ == Arrow::kUp ? 1 : -1);
        ::SetTimer(hwnd(), kRepeatTimer, kFirstRepeatMs, nullptr);
        Repaint();
      }
      return 0;
    }
    case WM_TIMER:
      if (wParam == kRepeatTimer && pressed_ != Arrow::kNone) {
        ::SetTimer(hwnd(), kRepeatTimer, kRepeatMs, nullptr);
        POINT cursor;
        ::GetCursorPos(&cursor);
        ::ScreenToClient(hwnd(), &cursor);
        if (ArrowAt(cursor) == pressed_) Step(pressed_ == Arrow::kUp ? 1 : -1);
        return 0;
      }
      break;
    case WM_LBUTTONUP:
      if (::GetCapture() == hwnd()) ::ReleaseCapture();
      return 0;
    case WM_CAPTURECHANGED:
      ::KillTimer(hwnd(), kRepeatTimer);
      pressed_ = Arrow::kNone;
      Repaint();
      break;
    case WM_MOUSEWHEEL:
      OnWheel(wParam);
      return 0;
    default:
      break;
  }
  return CallClass(message, wParam, lParam);
}

LRESULT NumberBox::OnEditMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE: {
      LRESULT code = ::DefSubclassProc(edit_, message, wParam, lParam);
      // Enter belongs to the field (it commits) instead of pressing the dialog's default button.
      auto* msg = reinterpret_cast<const MSG*>(lParam);
      if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
      return code | DLGC_WANTARROWS;
    }
    case WM_KEYDOWN:
      switch (wParam) {
        case VK_RETURN: Commit(); return 0;
        case VK_UP: Step(1); return 0;
        case VK_DOWN: Step(-1); return 0;
        case VK_PRIOR: Step(10); return 0;
        case VK_NEXT: Step(-10); return 0;
        default: break;
      }
      break;
    case WM_CHAR:
      if (wParam == L'\r' || wParam == L'\n') return 0;  // no beep for Enter
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      LRESULT result = ::DefSubclassProc(edit_, message, wParam, lParam);
      if (message == WM_KILLFOCUS) Commit();
      Repaint();  // the field's frame shows the focus
      return result;
    }
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
      TrackChildPointer(edit_, message);
      break;
    case WM_MOUSEWHEEL:
      OnWheel(wParam);
      return 0;
    case WM_NCDESTROY: {
      LRESULT result = ::DefSubclassProc(edit_, message, wParam, lParam);
      ::RemoveWindowSubclass(edit_, &NumberBox::EditProcedure, kEditSubclassId);
      edit_ = nullptr;
      return result;
    }
    default:
      break;
  }
  return ::DefSubclassProc(edit_, message, wParam, lParam);
}

LRESULT CALLBACK NumberBox::EditProcedure(HWND, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR self) {
  return reinterpret_cast<NumberBox*>(self)->OnEditMessage(message, wParam, lParam);
}

}  // namespace orvix
