// Button looks and hover edges.
#include "ButtonLook.h"

#include <utility>

namespace orvix {

SkinState LookOf(const ButtonCondition& c) {
  if (!c.enabled) return SkinState::kDisabled;
  if (c.pushed || c.checked) return SkinState::kPressed;
  if (c.hot) return SkinState::kHover;
  return SkinState::kNormal;
}

bool PointerHover::OnPointerMove() { return !std::exchange(inside_, true); }

bool PointerHover::OnPointerLeave() { return std::exchange(inside_, false); }

}  // namespace orvix
