// The four looks of a skinned control, each drawn from its own full-window picture.
#pragma once

#include <array>
#include <string_view>

namespace orvix {

enum class SkinState { kNormal, kHover, kPressed, kDisabled };

inline constexpr std::array<SkinState, 4> kSkinStates = {SkinState::kNormal, SkinState::kHover, SkinState::kPressed,
                                                         SkinState::kDisabled};

constexpr int StateIndex(SkinState state) { return static_cast<int>(state); }

// The state's part of a skin file name: "normal", "hover", "pressed", "disabled".
constexpr std::string_view StateFileName(SkinState state) {
  switch (state) {
    case SkinState::kHover: return "hover";
    case SkinState::kPressed: return "pressed";
    case SkinState::kDisabled: return "disabled";
    case SkinState::kNormal: break;
  }
  return "normal";
}

}  // namespace orvix
