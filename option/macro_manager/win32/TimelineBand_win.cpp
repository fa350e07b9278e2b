#include "TimelineBand_win.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdio>

#include "KeyNames.h"
#include "PaintBuffer_win.h"

namespace orvix {
namespace {

constexpr wchar_t kClassName[] = L"OrvixTimelineBand";
// The band's geometry in 96-DPI units, from its top-left corner (the key column's caption).
constexpr int kKeysWidth96 = 84;
constexpr int kBandLeft96 = 86;
constexpr int kScaleHeight96 = 16;
constexpr int kRowsTop96 = 18;
constexpr int kRowHeight96 = 15;
constexpr int kEdgeReach96 = 4;
constexpr COLORREF kText = RGB(214, 220, 228);
constexpr COLORREF kScaleText = RGB(150, 158, 168);
constexpr COLORREF kTick = RGB(70, 78, 90);
constexpr COLORREF kBar = RGB(52, 128, 196);
constexpr COLORREF kSelectedBar = RGB(96, 182, 255);
constexpr COLORREF kKeylessBar = RGB(200, 150, 60);
constexpr COLORREF kSelectedRow = RGB(32, 44, 60);

void FillColour(HDC dc, const RECT& r, COLORREF colour) {
  const HBRUSH brush = ::CreateSolidBrush(colour);
  ::FillRect(dc, &r, brush);
  ::DeleteObject(brush);
}

// A tick every 1, 2 or 5 times a power of ten, so that about six ticks label the span.
int TickInterval(int span) {
  int interval = 1;
  for (;;) {
    for (int factor : {1, 2, 5})
      if (interval * factor * 6 >= span) return interval * factor;
    interval *= 10;
  }
}

std::wstring TimeText(std::int64_t ms) {
  wchar_t text[32];
  if (ms < 1000 || ms % 100 != 0)
    std::swprintf(text, 32, L"%lld ms", static_cast<long long>(ms));
  else
    std::swprintf(text, 32, L"%.1f s", static_cast<double>(ms) / 1000.0);
  return text;
}

bool RegisterBandClass() {
  static const bool registered = [] {
    WNDCLASSW wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    return ::RegisterClassW(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered;
}

}  // namespace

TimelineBand::~TimelineBand() {
  if (hwnd_) {
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    ::DestroyWindow(hwnd_);
  }
}

bool TimelineBand::Create(const TimelineBandSetup& setup, Events events) {
  if (!RegisterBandClass()) return false;
  setup_ = setup;
  events_ = std::move(events);
  const PixelRect& r = setup_.rect;
  hwnd_ = ::CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, r.left, r.top, r.right - r.left,
                            r.bottom - r.top, setup_.parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) return false;
  ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  ::SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TimelineBand::Procedure));
  return true;
}

void TimelineBand::Redraw() const {
  if (hwnd_) ::InvalidateRect(hwnd_, nullptr, FALSE);
}

RECT TimelineBand::BandRect() const {
  const DpiScale& d = setup_.dpi;
  return {d.Scale(kBandLeft96), d.Scale(kRowsTop96), d.Scale(kBandLeft96 + kTimelineBandWidth),
          d.Scale(kRowsTop96 + kTimelineRows * kRowHeight96)};
}

RECT TimelineBand::KeysRect() const {
  const DpiScale& d = setup_.dpi;
  return {0, d.Scale(kRowsTop96), d.Scale(kKeysWidth96), d.Scale(kRowsTop96 + kTimelineRows * kRowHeight96)};
}

RECT TimelineBand::ScaleRect() const {
  const DpiScale& d = setup_.dpi;
  return {d.Scale(kBandLeft96), 0, d.Scale(kBandLeft96 + kTimelineBandWidth), d.Scale(kScaleHeight96)};
}

int TimelineBand::BandX96(int x) const { return ::MulDiv(x - BandRect().left, 96, setup_.dpi.dpi()); }

int TimelineBand::RowAt(POINT at) const {
  const RECT band = BandRect();
  if (at.y < band.top || at.y >= band.bottom) return -1;
  const int row = timeline_.firstRow() + (at.y - band.top) / setup_.dpi.Scale(kRowHeight96);
  return row < static_cast<int>(timeline_.bars().size()) ? row : -1;
}

std::optional<TimelineBand::BarPoints> TimelineBand::PointsOf(int bar) const {
  const int row = bar - timeline_.firstRow();
  if (bar < 0 || bar >= static_cast<int>(timeline_.bars().size()) || row < 0 || row >= kTimelineRows)
    return std::nullopt;
  const RECT band = BandRect();
  const int y = band.top + row * setup_.dpi.Scale(kRowHeight96) + setup_.dpi.Scale(kRowHeight96) / 2;
  const TimelineBar& b = timeline_.bars()[static_cast<std::size_t>(bar)];
  return BarPoints{{band.left + setup_.dpi.Scale(timeline_.PixelOfTime(b.start)), y},
                   {band.left + setup_.dpi.Scale(timeline_.PixelOfTime(b.end)), y}};
}

std::optional<BarEdge> TimelineBand::EdgeAt(int bar, POINT at) const {
  const auto points = PointsOf(bar);
  if (!points) return std::nullopt;
  const int reach = setup_.dpi.Scale(kEdgeReach96);
  const int toEnd = std::abs(at.x - points->end.x), toStart = std::abs(at.x - points->start.x);
  // A bar of no width: the end is taken, so it can be pulled open to the right.
  if (toEnd <= reach && toEnd <= toStart) return BarEdge::kEnd;
  if (toStart <= reach) return BarEdge::kStart;
  return std::nullopt;
}

void TimelineBand::OnPress(POINT at) {
  ::SetFocus(hwnd_);
  const int bar = RowAt(at);
  if (bar != timeline_.selected()) {
    timeline_.Select(bar);
    if (events_.selectionChanged) events_.selectionChanged();
  }
  if (const auto edge = bar >= 0 ? EdgeAt(bar, at) : std::nullopt) {
    dragBar_ = bar;
    dragEdge_ = *edge;
    ::SetCapture(hwnd_);
  }
  Redraw();
}

void TimelineBand::OnMove(POINT at) {
  if (dragBar_ < 0) return;
  timeline_.DragEdge(dragBar_, dragEdge_, std::clamp(BandX96(at.x), 0, kTimelineBandWidth));
  Redraw();
  if (events_.edited) events_.edited();
}

void TimelineBand::Paint(HDC dc, const RECT& client) const {
  if (setup_.background)
    setup_.background->Draw(dc, 0, 0);
  else
    FillColour(dc, client, RGB(24, 27, 32));
  ::SetBkMode(dc, TRANSPARENT);
  const HGDIOBJ old = ::SelectObject(dc, FontOrDefault(setup_.font));
  PaintScale(dc);
  PaintRows(dc);
  ::SelectObject(dc, old);
}

void TimelineBand::PaintScale(HDC dc) const {
  const RECT scale = ScaleRect(), band = BandRect();
  ::SetTextColor(dc, kText);
  RECT caption{setup_.dpi.Scale(4), scale.top, setup_.dpi.Scale(kKeysWidth96), scale.bottom};
  ::DrawTextW(dc, setup_.keysCaption.c_str(), -1, &caption,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  const int interval = TickInterval(timeline_.span());
  const std::int64_t first = (timeline_.offset() + interval - 1) / interval * interval;
  ::SetTextColor(dc, kScaleText);
  for (std::int64_t t = first; t <= timeline_.offset() + timeline_.span(); t += interval) {
    const int x = band.left + setup_.dpi.Scale(timeline_.PixelOfTime(t));
    FillColour(dc, {x, band.top, x + 1, band.bottom}, kTick);
    FillColour(dc, {x, scale.bottom - setup_.dpi.Scale(4), x + 1, scale.bottom}, kScaleText);
    const std::wstring text = TimeText(t);
    RECT r{x + setup_.dpi.Scale(2), scale.top, std::min<LONG>(x + setup_.dpi.Scale(60), scale.right), scale.bottom};
    ::DrawTextW(dc, text.c_str(), -1, &r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
  }
}

void TimelineBand::PaintRows(HDC dc) const {
  const RECT band = BandRect(), keys = KeysRect();
  const int rowHeight = setup_.dpi.Scale(kRowHeight96);
  const auto& bars = timeline_.bars();
  if (bars.empty()) {
    ::SetTextColor(dc, kScaleText);
    RECT r = band;
    ::DrawTextW(dc, setup_.emptyText.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    return;
  }
  const int inset = std::max(2, rowHeight / 5);
  for (int row = 0; row < kTimelineRows; ++row) {
    const int index = timeline_.firstRow() + row;
    if (index >= static_cast<int>(bars.size())) break;
    const TimelineBar& bar = bars[static_cast<std::size_t>(index)];
    const int top = band.top + row * rowHeight;
    const bool selected = index == timeline_.selected();
    if (selected) {
      FillColour(dc, {keys.left, top, keys.right, top + rowHeight}, kSelectedRow);
      FillColour(dc, {band.left, top, band.right, top + rowHeight}, kSelectedRow);
    }
    const KeyName name = bar.key >= 0 ? KeyNameFromUsage(bar.key, layout_) : KeyName("...");
    ::SetTextColor(dc, kText);
    RECT label{keys.left + setup_.dpi.Scale(4), top, keys.right - setup_.dpi.Scale(2), top + rowHeight};
    ::DrawTextA(dc, name.c_str(), -1, &label, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    // Clipped to the band; a bar of no width still shows as a thin mark.
    const int left = band.left, right = band.right;
    const int x0 = std::clamp(left + setup_.dpi.Scale(timeline_.PixelOfTime(bar.start)), left - 1, right + 1);
    const int x1 = std::clamp(left + setup_.dpi.Scale(timeline_.PixelOfTime(bar.end)), left - 1, right + 1);
    if (x1 < band.left || x0 > band.right) continue;
    const RECT r{std::max<LONG>(x0, band.left), top + inset, std::min<LONG>(std::max(x1, x0 + 2), band.right),
                 top + rowHeight - inset};
    FillColour(dc, r, bar.key < 0 ? kKeylessBar : selected ? kSelectedBar : kBar);
    if (selected) {
      const int grip = std::max(2, setup_.dpi.Scale(2));
      FillColour(dc, {r.left, r.top - 1, r.left + grip, r.bottom + 1}, RGB(255, 255, 255));
      FillColour(dc, {r.right - grip, r.top - 1, r.right, r.bottom + 1}, RGB(255, 255, 255));
    }
  }
}

LRESULT CALLBACK TimelineBand::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* band = reinterpret_cast<TimelineBand*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  return band ? band->OnMessage(message, wParam, lParam) : ::DefWindowProcW(window, message, wParam, lParam);
}

LRESULT TimelineBand::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      const HDC screen = ::BeginPaint(hwnd_, &ps);
      RECT client;
      ::GetClientRect(hwnd_, &client);
      {
        PaintBuffer buffer(screen, client);
        Paint(buffer.dc(), client);
      }
      ::EndPaint(hwnd_, &ps);
      return 0;
    }
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
      if (wParam == VK_DELETE && events_.deleteKey) events_.deleteKey();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnPress(at);
      return 0;
    case WM_MOUSEMOVE:
      OnMove(at);
      return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      if (dragBar_ >= 0 && ::GetCapture() == hwnd_) ::ReleaseCapture();
      dragBar_ = -1;
      return 0;
    case WM_SETCURSOR: {
      POINT cursor;
      ::GetCursorPos(&cursor);
      ::ScreenToClient(hwnd_, &cursor);
      const int bar = RowAt(cursor);
      const bool onEdge = dragBar_ >= 0 || (bar >= 0 && EdgeAt(bar, cursor));
      ::SetCursor(::LoadCursor(nullptr, onEdge ? IDC_SIZEWE : IDC_ARROW));
      return TRUE;
    }
    case WM_MOUSEWHEEL:
      timeline_.ScrollRowsTo(timeline_.firstRow() - GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA);
      Redraw();
      if (events_.scrolled) events_.scrolled();
      return 0;
    default:
      return ::DefWindowProcW(hwnd_, message, wParam, lParam);
  }
}

}  // namespace orvix
