#include "macro_manager/Timeline.h"

#include <algorithm>
#include <array>
#include <limits>

namespace orvix {
namespace {

struct OpenPress {
  std::int64_t start;
  int index;
};

// One event of ToEvents before its delay is known.
struct TimedEvent {
  std::int64_t time;
  int formerIndex;
  MacroEvent event;
};

std::int64_t LatestEnd(const std::vector<TimelineBar>& bars) {
  std::int64_t latest = 0;
  for (const TimelineBar& bar : bars) latest = std::max(latest, bar.end);
  return latest;
}

}  // namespace

int SnappedSpan(int span) {
  if (span <= 14) return 10;
  if (span < 30) return 25;
  if (span < 50) return 45;
  if (span < 100) return 90;
  if (span < 200) return 187;
  if (span < 500) return 375;
  if (span < 1000) return 750;
  if (span < 2000) return 1500;
  return span;
}

void Timeline::Load(const MacroSequence& sequence) {
  *this = Timeline{};
  std::array<std::vector<OpenPress>, 256> open;
  std::int64_t time = 0;
  for (int i = 0; i < sequence.count; ++i) {
    const MacroEvent& event = sequence.events[i];
    std::vector<OpenPress>& presses = open[event.key];
    if (event.direction == kKeyPress) {
      presses.push_back({time, i});
    } else if (event.direction == kKeyRelease && !presses.empty()) {
      bars_.push_back({event.key, presses.back().start, time, presses.back().index, i});
      presses.pop_back();
    }
    time += event.delay;
  }
  std::sort(bars_.begin(), bars_.end(),
            [](const TimelineBar& a, const TimelineBar& b) { return a.pressIndex < b.pressIndex; });
  if (bars_.size() > kMaxTimelineBars) bars_.resize(kMaxTimelineBars);
  nextIndex_ = sequence.count;
}

void Timeline::Select(int bar) { selected_ = bar >= 0 && bar < static_cast<int>(bars_.size()) ? bar : -1; }

MacroSequence Timeline::ToEvents() const {
  std::vector<TimedEvent> timed;
  for (const TimelineBar& bar : bars_) {
    if (bar.key < 0) continue;
    const auto key = static_cast<std::uint8_t>(bar.key);
    timed.push_back({bar.start, bar.pressIndex, {key, kKeyPress, 0}});
    timed.push_back({bar.end, bar.releaseIndex, {key, kKeyRelease, 0}});
  }
  std::sort(timed.begin(), timed.end(), [](const TimedEvent& a, const TimedEvent& b) {
    return a.time != b.time ? a.time < b.time : a.formerIndex < b.formerIndex;
  });
  if (timed.size() > static_cast<std::size_t>(kMaxMacroEvents)) timed.resize(kMaxMacroEvents);

  MacroSequence sequence;
  for (std::size_t i = 0; i < timed.size(); ++i) {
    MacroEvent event = timed[i].event;
    if (i + 1 < timed.size()) {
      const std::int64_t gap = timed[i + 1].time - timed[i].time;
      event.delay = static_cast<std::uint16_t>(std::min<std::int64_t>(gap, kMaxMacroDelay));
    }
    sequence.Insert(-1, event);
  }
  return sequence;
}

void Timeline::ZoomIn() {
  span_ = SnappedSpan(span_ / 2);
  ScrollTo(offset_);
}

void Timeline::ZoomOut() {
  span_ = SnappedSpan(std::min(span_ * 2, kTimelineMaxSpan));
  ScrollTo(offset_);
  if (LatestEnd(bars_) <= span_) offset_ = 0;
}

int Timeline::LineStep() const {
  switch (span_) {
    case 25:
    case 45: return 2;
    case 90: return 3;
    case 187: return 5;
    case 375: return 10;
    case 750: return 20;
    case 1500: return 40;
    case 3000: return 100;
    case 6000: return 200;
    case 12000: return 400;
    case 24000: return 800;
    case 48000: return 1600;
    default: return 1;
  }
}

std::int64_t Timeline::TimeRange() const { return std::max<std::int64_t>(LatestEnd(bars_), kTimelineMaxSpan); }

void Timeline::ScrollTo(std::int64_t offset) {
  offset_ = std::clamp<std::int64_t>(offset, 0, std::max<std::int64_t>(0, TimeRange() - span_));
}

void Timeline::ScrollRowsTo(int first) {
  firstRow_ = std::clamp(first, 0, std::max(0, static_cast<int>(bars_.size()) - kTimelineRows));
}

void Timeline::ScrollBarIntoView(int bar) {
  if (bar < 0 || bar >= static_cast<int>(bars_.size())) return;
  if (bar < firstRow_) ScrollRowsTo(bar);
  else if (bar >= firstRow_ + kTimelineRows) ScrollRowsTo(bar - kTimelineRows + 1);
  const std::int64_t start = bars_[bar].start;
  if (start < offset_ || start >= offset_ + span_) ScrollTo(start);
}

std::int64_t Timeline::TimeAtPixel(int x) const { return std::int64_t{x} * span_ / kTimelineBandWidth + offset_; }

int Timeline::PixelOfTime(std::int64_t time) const {
  const std::int64_t scaled = (time - offset_) * kTimelineBandWidth;
  std::int64_t pixel = scaled / span_;
  if (scaled % span_ != 0 && scaled < 0) --pixel;  // rounded down, so a time left of the view is left of 0
  return static_cast<int>(
      std::clamp<std::int64_t>(pixel, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

void Timeline::DragEdge(int bar, BarEdge edge, int x) {
  if (bar < 0 || bar >= static_cast<int>(bars_.size())) return;
  TimelineBar& moved = bars_[bar];
  const std::int64_t time = std::max<std::int64_t>(0, TimeAtPixel(x));
  const std::int64_t start = edge == BarEdge::kStart ? std::min(time, moved.end) : moved.start;
  const std::int64_t end = edge == BarEdge::kEnd ? std::max(time, moved.start) : moved.end;
  // A press on an edge that does not move it is no edit: the macro stays as it was.
  if (start == moved.start && end == moved.end) return;
  moved.start = start;
  moved.end = end;
  edited_ = true;
}

int Timeline::Add() {
  if (bars_.size() >= kMaxTimelineBars) return -1;
  TimelineBar bar;
  bar.pressIndex = nextIndex_;
  bar.releaseIndex = nextIndex_ + 1;
  nextIndex_ += 2;
  int place = static_cast<int>(bars_.size());
  if (selected_ >= 0) place = selected_;
  const TimelineBar* model = selected_ >= 0 ? &bars_[selected_] : bars_.empty() ? nullptr : &bars_.back();
  if (model) {
    bar.start = model->start;
    bar.end = model->end;
  }
  bars_.insert(bars_.begin() + place, bar);
  selected_ = place;
  edited_ = true;
  ScrollBarIntoView(place);
  return place;
}

void Timeline::SetKey(int bar, int key) {
  if (bar < 0 || bar >= static_cast<int>(bars_.size()) || key < 0 || key > 255) return;
  bars_[bar].key = key;
  edited_ = true;
}

void Timeline::RemoveKeylessBars() {
  int kept = 0;
  int selected = -1;
  for (int i = 0; i < static_cast<int>(bars_.size()); ++i) {
    if (bars_[i].key < 0) continue;
    if (i == selected_) selected = kept;
    bars_[kept++] = bars_[i];
  }
  bars_.resize(kept);
  selected_ = selected;
  ScrollRowsTo(firstRow_);
}

bool Timeline::Delete() {
  if (selected_ < 0) return false;
  bars_.erase(bars_.begin() + selected_);
  selected_ = -1;
  edited_ = true;
  ScrollRowsTo(firstRow_);
  return true;
}

}  // namespace orvix
