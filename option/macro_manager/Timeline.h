// The timeline editor without its window: a macro's key presses as bars from press to
// release on a time axis, the view over them (19 rows, a 380-pixel band showing a span of
// milliseconds), zoom and scrolling, edge dragging, Add and Delete, and the way back to
// events. The macro is rewritten from its bars only when a bar was really edited, so
// switching editors leaves a macro byte for byte as it was.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "macro_manager/MacroSequence.h"

namespace orvix {

inline constexpr int kMaxTimelineBars = 250;
inline constexpr int kTimelineRows = 19;
inline constexpr int kTimelineBandWidth = 380;   // pixels, 96 DPI
inline constexpr int kTimelineStartSpan = 3000;  // ms
inline constexpr int kTimelineMaxSpan = 48000;

struct TimelineBar {
  int key = -1;  // key code; -1 while Add waits for its key
  std::int64_t start = 0, end = 0;  // ms from the macro's start; 0 <= start <= end
  // The indices of its press and release among the events it came from; bars added in
  // the editor get indices after all of them, in the order they were added.
  int pressIndex = 0, releaseIndex = 0;
};

enum class BarEdge { kStart, kEnd };

class Timeline {
 public:
  // Bars from the events: a running time adds each event's delay after it; a release
  // closes the latest open press of its key. Presses never released and releases without
  // a press give no bar (a lone release still passes its delay on). Bars in the order of
  // their presses, at most 250. Nothing is selected, nothing edited, the view is reset.
  void Load(const MacroSequence& sequence);

  const std::vector<TimelineBar>& bars() const { return bars_; }
  int selected() const { return selected_; }
  void Select(int bar);  // -1 or out of range selects none
  // True once a bar was added, deleted, given a key or had an edge moved.
  bool edited() const { return edited_; }

  // The events of the bars: a press at each start, a release at each end, in time order,
  // equal times in the order of their former indices; each delay is the time to the next
  // event, at most 65535 ms, the last 0. Bars without a key give nothing.
  MacroSequence ToEvents() const;

  // The view.
  int span() const { return span_; }
  std::int64_t offset() const { return offset_; }
  int firstRow() const { return firstRow_; }
  // Zoom in halves the span, zoom out doubles it (at most 48000 ms); either snaps to the
  // steps 10, 25, 45, 90, 187, 375, 750, 1500. After zooming out the offset is pulled back
  // so that the view ends by 48000 ms (or by the latest bar end, when that is later), and
  // set to 0 when the latest bar end lies inside the span.
  void ZoomIn();
  void ZoomOut();
  // The horizontal line step of the current span in ms.
  int LineStep() const;
  // The end of the scrollable time range: the latest bar end or 48000 ms, whichever is
  // later.
  std::int64_t TimeRange() const;
  void ScrollTo(std::int64_t offset);  // held to 0..TimeRange() - span
  void ScrollRowsTo(int first);        // held to 0..max(0, bars - 19)
  void ScrollBarIntoView(int bar);

  // The time at band pixel `x` (0..380) and the pixel of a time; times left of the view
  // give negative pixels.
  std::int64_t TimeAtPixel(int x) const;
  int PixelOfTime(std::int64_t time) const;
  // Moves one edge of a bar to the time at pixel `x`, held so that 0 <= start <= end.
  void DragEdge(int bar, BarEdge edge, int x);

  // Add: a keyless bar at the selected bar's place with its times (appended after the
  // last bar with the last bar's times, or 0..0 in an empty timeline); selected and
  // scrolled into view. -1 when there are already 250 bars.
  int Add();
  // The key the user pressed for the keyless bar; Cancel removes it again.
  void SetKey(int bar, int key);
  void RemoveKeylessBars();
  // Delete removes the selected bar; nothing is selected afterwards.
  bool Delete();

 private:
  std::vector<TimelineBar> bars_;
  int selected_ = -1;
  bool edited_ = false;
  int span_ = kTimelineStartSpan;
  std::int64_t offset_ = 0;
  int firstRow_ = 0;
  int nextIndex_ = 0;  // the former index of the next added bar's press
};

// The span after a zoom, snapped to the steps.
int SnappedSpan(int span);

}  // namespace orvix
