// A horizontal slider: a thumb over a skin track. Dragging moves the thumb to the nearest
// allowed value; a press on the track outside the thumb moves it there; the arrow keys,
// Page Up/Down, Home/End and the wheel step it. Every change while dragging, and the value
// at release, is posted to the parent: `notifyMessage`, the value in wParam, the control
// identifier in lParam.
#pragma once

#include <memory>

#include "SkinButton_win.h"
#include "SliderScale.h"

namespace orvix {

inline constexpr UINT kSliderNotification = 1094;

struct SliderSetup : SkinControlSetup {
  int minimum = 0;
  int maximum = 10;
  int step = 1;
  int value = 0;
  UINT notifyMessage = kSliderNotification;
  // Without thumb pictures a thumb of this width (96-DPI units) is drawn.
  int thumbWidth96 = 11;
  // Draws a groove under the thumb, for art that has none of its own.
  bool drawTrack = true;
};

class Slider : public SkinControl {
 public:
  Slider();
  ~Slider() override;

  // `track` is the dialog's art under the slider (null: plain graphite); `thumb` the
  // thumb's looks (empty: a drawn thumb).
  bool Create(const SliderSetup& setup, std::shared_ptr<const SkinBitmap> track, ButtonImages thumb = {});

  int value() const { return value_; }
  // Moves the thumb without notifying the parent.
  void SetValue(int value);
  const SliderScale& scale() const { return scale_; }
  bool dragging() const { return dragging_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnHoverChanged() override { Repaint(); }

 private:
  void MoveTo(int value);
  void Paint(HDC dc, const RECT& client) const;
  RECT ThumbRect() const;

  SliderScale scale_;
  int value_ = 0;
  UINT notifyMessage_ = kSliderNotification;
  bool drawTrack_ = true;
  std::shared_ptr<const SkinBitmap> track_;
  ButtonImages thumb_;
  bool hasThumbPictures_ = false;
  bool dragging_ = false;
  int grabOffset_ = 0;
  int wheelDelta_ = 0;
};

}  // namespace orvix
