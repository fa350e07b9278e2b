// Window handles in 4-byte fields: the records that cross processes (the companion
// application's WM_COPYDATA records, the shell's tray data) keep their 32-bit layout on both
// Windows sides. A 64-bit window handle carries only 32 significant bits, and its upper half
// is the sign extension of the lower one, so it is cut to 32 bits going out and sign-extended
// coming back, as the system's own HandleToLong and LongToHandle do.
#pragma once

#include <cstdint>

namespace orvix {

constexpr std::uint32_t HandleToField(std::uintptr_t handle) { return static_cast<std::uint32_t>(handle); }

constexpr std::uintptr_t HandleFromField(std::uint32_t field) {
  return static_cast<std::uintptr_t>(static_cast<std::intptr_t>(static_cast<std::int32_t>(field)));
}

}  // namespace orvix
