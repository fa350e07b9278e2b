// The custom colour strip's pointer handling, in the strip's own pixels at its DPI: a press
// within the pick area (or up to 3 layout pixels around it) starts a drag, moves the marker
// to the pressed point and picks the colour of the strip's picture there, taken at the
// nearest point of the area; moving while dragging does the same; releasing ends the drag.
// Pure white is the strip's "no colour": it moves the marker and picks nothing.
#pragma once

#include <functional>
#include <optional>

#include "DpiScale.h"
#include "PixelRect.h"
#include "frame/LightPalette.h"

namespace orvix::color_page {

struct StripPoint {
  int x = 0, y = 0;
  friend bool operator==(const StripPoint&, const StripPoint&) = default;
};

// The colour of the strip's picture at a point of its pick area.
using StripPixels = std::function<Rgb(StripPoint)>;

constexpr bool IsNoColour(const Rgb& colour) { return colour.red == 255 && colour.green == 255 && colour.blue == 255; }

class ColourStrip {
 public:
  // The layout of the strip at 96 DPI: the pick area 6,6 to 169,21 (inclusive), the reach
  // around it, the marker's offset from the picked point and its first place.
  static constexpr PixelRect kPickArea96{6, 6, 170, 22};
  static constexpr int kReach96 = 3;
  static constexpr int kMarkerOffset96 = 6;
  static constexpr StripPoint kFirstMarker96{65, 7};

  explicit ColourStrip(const DpiScale& dpi = DpiScale());

  struct Outcome {
    bool repaint = false;         // the marker moved
    std::optional<Rgb> picked;    // a colour to hand to the page
  };

  Outcome Press(StripPoint point, const StripPixels& pixels);
  Outcome Move(StripPoint point, const StripPixels& pixels);
  void Release() { dragging_ = false; }

  bool dragging() const { return dragging_; }
  // The marker's top-left corner.
  StripPoint marker() const { return marker_; }
  std::optional<Rgb> picked() const { return picked_; }

  // The pick area in this DPI's pixels (right and bottom one past the last), and whether a
  // point lies within the area widened by the reach.
  const PixelRect& pickArea() const { return area_; }
  bool WithinReach(StripPoint point) const;
  StripPoint Clamped(StripPoint point) const;

 private:
  Outcome PickAt(StripPoint point, const StripPixels& pixels);

  PixelRect area_;
  int reach_;
  int markerOffset_;
  StripPoint marker_;
  bool dragging_ = false;
  std::optional<Rgb> picked_;
};

}  // namespace orvix::color_page
