#include "pages/color/ColourStrip.h"

#include <algorithm>

namespace orvix::color_page {

ColourStrip::ColourStrip(const DpiScale& dpi)
    : area_(dpi.Scale(kPickArea96)),
      reach_(dpi.Scale(kReach96)),
      markerOffset_(dpi.Scale(kMarkerOffset96)),
      marker_{dpi.Scale(kFirstMarker96.x), dpi.Scale(kFirstMarker96.y)} {}

bool ColourStrip::WithinReach(StripPoint point) const {
  return point.x >= area_.left - reach_ && point.x < area_.right + reach_ && point.y >= area_.top - reach_ &&
         point.y < area_.bottom + reach_;
}

StripPoint ColourStrip::Clamped(StripPoint point) const {
  return {std::clamp(point.x, area_.left, area_.right - 1), std::clamp(point.y, area_.top, area_.bottom - 1)};
}

ColourStrip::Outcome ColourStrip::PickAt(StripPoint point, const StripPixels& pixels) {
  // A point just outside the area counts as the nearest point inside, for the marker and
  // the colour alike, so the marker never leaves the strip.
  const StripPoint inside = Clamped(point);
  Outcome outcome;
  marker_ = {inside.x - markerOffset_, inside.y - markerOffset_};
  outcome.repaint = true;
  const Rgb colour = pixels ? pixels(inside) : Rgb{255, 255, 255};
  if (!IsNoColour(colour)) {
    picked_ = colour;
    outcome.picked = colour;
  }
  return outcome;
}

ColourStrip::Outcome ColourStrip::Press(StripPoint point, const StripPixels& pixels) {
  if (!WithinReach(point)) return {};
  dragging_ = true;
  return PickAt(point, pixels);
}

ColourStrip::Outcome ColourStrip::Move(StripPoint point, const StripPixels& pixels) {
  if (!dragging_ || !WithinReach(point)) return {};
  return PickAt(point, pixels);
}

}  // namespace orvix::color_page
