// A window handle in a 4-byte field of a record, on either Windows side.
#pragma once

#include <windows.h>

#include <cstdint>

#include "HandleField.h"

namespace orvix {

inline std::uint32_t WindowToField(HWND window) { return HandleToField(reinterpret_cast<std::uintptr_t>(window)); }
inline HWND WindowFromField(std::uint32_t field) { return reinterpret_cast<HWND>(HandleFromField(field)); }

}  // namespace orvix
