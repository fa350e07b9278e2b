// The timeline's drawing surface: the time scale, the key column and the 19 rows of bars,
// painted from the timeline model; a click selects a bar, dragging near one of its ends
// moves that end, the wheel scrolls the rows, Delete deletes the selected bar.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "DpiScale.h"
#include "KeyboardLayout.h"
#include "SkinBitmap_win.h"
#include "SkinFont_win.h"
#include "macro_manager/Timeline.h"

namespace orvix {

struct TimelineBandSetup {
  HWND parent = nullptr;
  PixelRect rect;  // in the parent, this DPI's pixels
  DpiScale dpi;
  FontRef font;
  std::shared_ptr<const SkinBitmap> background;  // the pane's art under the band
  std::wstring keysCaption;                        // over the key column
  std::wstring emptyText;                          // shown over a timeline without bars
};

class TimelineBand {
 public:
  // What the band tells its pane.
  struct Events {
    std::function<void()> selectionChanged;
    std::function<void()> edited;       // an edge was moved
    std::function<void()> scrolled;     // rows or time moved
    std::function<void()> deleteKey;    // Delete was pressed
  };

  TimelineBand(Timeline& timeline, const KeyboardLayout& layout) : timeline_(timeline), layout_(layout) {}
  TimelineBand(const TimelineBand&) = delete;
  TimelineBand& operator=(const TimelineBand&) = delete;
  ~TimelineBand();

  bool Create(const TimelineBandSetup& setup, Events events);
  HWND hwnd() const { return hwnd_; }
  void Redraw() const;

  // Where a bar's row and its ends are, in band pixels (tests and the screenshots drive
  // drags through real mouse messages at these points). Nullopt when the row is not shown.
  struct BarPoints {
    POINT start, end;
  };
  std::optional<BarPoints> PointsOf(int bar) const;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint(HDC dc, const RECT& client) const;
  void PaintScale(HDC dc) const;
  void PaintRows(HDC dc) const;
  void OnPress(POINT at);
  void OnMove(POINT at);
  // The bar under a point and which end, if one is within reach.
  int RowAt(POINT at) const;
  std::optional<BarEdge> EdgeAt(int bar, POINT at) const;
  int BandX96(int x) const;  // band pixels (96 DPI) of a client x

  RECT BandRect() const;   // the bars' area in client pixels
  RECT KeysRect() const;
  RECT ScaleRect() const;

  Timeline& timeline_;
  const KeyboardLayout& layout_;
  TimelineBandSetup setup_;
  Events events_;
  HWND hwnd_ = nullptr;
  int dragBar_ = -1;
  BarEdge dragEdge_ = BarEdge::kStart;
};

}  // namespace orvix
