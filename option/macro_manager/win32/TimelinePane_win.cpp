#include "TimelinePane_win.h"

#include <algorithm>

#include "KeyTable.h"
#include "MacroAdjustLayout.h"
#include "macro_manager/MacroManagerTexts.h"

namespace orvix {
namespace {

HWND ScrollBar(const ControlMaker& make, std::string_view role, DWORD style) {
  const PixelRect r = make.RectOf(role);
  return ::CreateWindowExW(0, L"ScrollBar", L"", WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, make.parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

int ClampedInt(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, 0, 0x7FFFFFFF));
}

}  // namespace

TimelinePane::TimelinePane(const FormDialogSetup& setup, TimelineOwner& owner)
    : SkinPane(setup, "macro_adjust", kMacroAdjustLayout), owner_(owner) {}

void TimelinePane::Build() {
  const ControlMaker& make = maker();
  make.Button(add_, "add", L"", false);
  make.Button(delete_, "delete", L"", false);
  make.Button(zoomOut_, "zoom.out", L"", false);
  make.Button(zoomIn_, "zoom.in", L"", false);
  add_.SetToolTip(Text(kTextTimelineAdd));
  delete_.SetToolTip(Text(kTextTimelineDelete));
  zoomIn_.SetToolTip(Text(kTextTimelineZoomIn));
  zoomOut_.SetToolTip(Text(kTextTimelineZoomOut));
  make.Label(status_, "label.status", L"");
  status_.SetColour(RGB(150, 158, 168));

  // The band covers the key column, the scale and the rows.
  const PixelRect keys = make.RectOf("label.keys"), band = make.RectOf("band");
  TimelineBandSetup setup;
  setup.parent = hwnd();
  setup.rect = {keys.left, keys.top, band.right, band.bottom};
  setup.dpi = dpi();
  setup.font = textFont();
  setup.background = images().Cut(SkinState::kNormal, setup.rect);
  setup.keysCaption = Text(kTextTimelineKeys);
  setup.emptyText = Text(kTextTimelineEmpty);
  TimelineBand::Events events;
  events.selectionChanged = [this] { delete_.Enable(timeline_.selected() >= 0 && !waitingForKey()); };
  events.edited = [this] { ShowScrollBars(); };
  events.scrolled = [this] { ShowScrollBars(); };
  events.deleteKey = [this] { DeleteSelectedBar(); };
  band_.Create(setup, std::move(events));
  vertical_ = ScrollBar(make, "vscroll", SBS_VERT);
  horizontal_ = ScrollBar(make, "hscroll", SBS_HORZ);
  Load(nullptr);
}

void TimelinePane::Load(const MacroRecord* macro) {
  CancelKeyWait();
  hasMacro_ = macro != nullptr;
  timeline_.Load(macro ? MacroSequence::Of(*macro) : MacroSequence{});
  ShowScrollBars();
  ShowStatus();
  delete_.Enable(false);
  band_.Redraw();
}

void TimelinePane::ShowStatus() {
  status_.SetText(waitingForKey() ? Text(kTextTimelineWaitingKey) : hasMacro_ ? Text(kTextTimelineHint) : L"");
}

void TimelinePane::ShowScrollBars() {
  SCROLLINFO rows{};
  rows.cbSize = sizeof rows;
  rows.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  rows.nMin = 0;
  rows.nMax = std::max(0, static_cast<int>(timeline_.bars().size()) - 1);
  rows.nPage = kTimelineRows;
  rows.nPos = timeline_.firstRow();
  ::SetScrollInfo(vertical_, SB_CTL, &rows, TRUE);
  SCROLLINFO time{};
  time.cbSize = sizeof time;
  time.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  time.nMin = 0;
  time.nMax = ClampedInt(timeline_.TimeRange() - 1);
  time.nPage = static_cast<UINT>(timeline_.span());
  time.nPos = ClampedInt(timeline_.offset());
  ::SetScrollInfo(horizontal_, SB_CTL, &time, TRUE);
}

void TimelinePane::OnScroll(HWND bar, WORD request) {
  const bool rows = bar == vertical_;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  ::GetScrollInfo(bar, SB_CTL, &info);
  const std::int64_t position = rows ? timeline_.firstRow() : timeline_.offset();
  const std::int64_t line = rows ? 1 : timeline_.LineStep();
  const std::int64_t page = rows ? kTimelineRows : timeline_.span();
  std::int64_t next = position;
  switch (request) {
    case SB_LINEUP: next -= line; break;
    case SB_LINEDOWN: next += line; break;
    case SB_PAGEUP: next -= page; break;
    case SB_PAGEDOWN: next += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: next = info.nTrackPos; break;
    case SB_TOP: next = 0; break;
    case SB_BOTTOM: next = info.nMax; break;
    default: return;
  }
  if (rows)
    timeline_.ScrollRowsTo(static_cast<int>(std::clamp<std::int64_t>(next, 0, 0x7FFFFFFF)));
  else
    timeline_.ScrollTo(next);
  ShowScrollBars();
  band_.Redraw();
}

void TimelinePane::Add() {
  if (!hasMacro_) return owner_.OnMacroNeeded();
  if (waitingForKey()) return;
  const int bar = timeline_.Add();
  if (bar < 0) return;
  capture_ = std::make_unique<KeyboardCapture>(hwnd());
  if (!capture_->active()) {
    capture_.reset();
    timeline_.RemoveKeylessBars();
    return;
  }
  waitingBar_ = bar;
  for (SkinButton* button : {&add_, &delete_, &zoomIn_, &zoomOut_}) button->Enable(false);
  ::EnableWindow(band_.hwnd(), FALSE);
  ShowStatus();
  ShowScrollBars();
  band_.Redraw();
  owner_.OnWaitingForKey(true);
}

void TimelinePane::OnCapturedKey(const CapturedKey& key) {
  if (!waitingForKey()) return;
  const auto code = VirtualKeyToUsage(key.virtualKey, layout_);
  if (!code) return;  // keys without a code are passed over
  timeline_.SetKey(waitingBar_, *code);
  CancelKeyWait();
}

void TimelinePane::CancelKeyWait() {
  if (!capture_) return;
  capture_.reset();
  timeline_.RemoveKeylessBars();
  waitingBar_ = -1;
  for (SkinButton* button : {&add_, &zoomIn_, &zoomOut_}) button->Enable(true);
  delete_.Enable(timeline_.selected() >= 0);
  ::EnableWindow(band_.hwnd(), TRUE);
  ShowStatus();
  ShowScrollBars();
  band_.Redraw();
  owner_.OnWaitingForKey(false);
}

bool TimelinePane::DeleteSelectedBar() {
  if (waitingForKey() || !timeline_.Delete()) return false;
  delete_.Enable(false);
  ShowScrollBars();
  band_.Redraw();
  return true;
}

void TimelinePane::OnCommand(HWND sender, WORD, WORD code) {
  if (!sender || code != BN_CLICKED) return;
  if (sender == add_.hwnd()) return Add();
  if (sender == delete_.hwnd()) {
    DeleteSelectedBar();
  } else if (sender == zoomIn_.hwnd() || sender == zoomOut_.hwnd()) {
    if (sender == zoomIn_.hwnd())
      timeline_.ZoomIn();
    else
      timeline_.ZoomOut();
    ShowScrollBars();
    band_.Redraw();
  }
  ::SetFocus(band_.hwnd());
}

bool TimelinePane::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR&) {
  switch (message) {
    case WM_OPT_CAPTURED_KEY:
      OnCapturedKey(DecodeCapturedKey(wParam, lParam));
      return true;
    case WM_VSCROLL:
    case WM_HSCROLL:
      OnScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
      return true;
    case WM_DESTROY:
      capture_.reset();
      return false;
    default:
      return false;
  }
}

}  // namespace orvix
