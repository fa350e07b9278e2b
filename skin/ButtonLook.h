// Which look a skinned button shows, and when the pointer enters and leaves it: the
// quick-help line and the hover look follow these edges.
#pragma once

#include "SkinState.h"

namespace orvix {

struct ButtonCondition {
  bool enabled = true;
  bool pushed = false;   // held down by the mouse or the space bar, pointer inside
  bool hot = false;      // pointer over it
  bool checked = false;  // the "on" state of a check button, the "selected" tab or slot
};

// Disabled wins over everything; pushed and checked show the pressed look; hot shows hover.
SkinState LookOf(const ButtonCondition& condition);

class PointerHover {
 public:
  // True on the move that brings the pointer in (the first one since it left).
  bool OnPointerMove();
  // True when the pointer was inside: a leave notice, or a release of the button seen with
  // the pointer already outside.
  bool OnPointerLeave();
  bool inside() const { return inside_; }

 private:
  bool inside_ = false;
};

}  // namespace orvix
