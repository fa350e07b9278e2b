// The colours of what the toolkit paints itself (menus, fields, tracks, stand-in art): the
// graphite and cyan of the skin art, so drawn parts sit in it without a seam.
#pragma once

#include <windows.h>

namespace orvix::skin_colours {

inline constexpr COLORREF kRecess = RGB(0x0e, 0x10, 0x13);
inline constexpr COLORREF kPanel = RGB(0x12, 0x14, 0x18);
inline constexpr COLORREF kBody = RGB(0x17, 0x19, 0x1d);
inline constexpr COLORREF kRaised = RGB(0x26, 0x2a, 0x31);
inline constexpr COLORREF kEdge = RGB(0x36, 0x3c, 0x45);
inline constexpr COLORREF kEdgeHigh = RGB(0x4c, 0x53, 0x5e);
inline constexpr COLORREF kGlyph = RGB(0x9a, 0xa1, 0xab);
inline constexpr COLORREF kText = RGB(0xe6, 0xe9, 0xee);
inline constexpr COLORREF kWhiteText = RGB(255, 255, 255);
inline constexpr COLORREF kGreyText = RGB(115, 115, 115);
inline constexpr COLORREF kAccent = RGB(0x1c, 0xc4, 0xff);
inline constexpr COLORREF kAccentDeep = RGB(0x0a, 0x46, 0x61);

// The stand-in art of a dialog whose picture is missing: plain graphite, one shade per state.
inline constexpr COLORREF kStandInNormal = RGB(0x1c, 0x1f, 0x24);
inline constexpr COLORREF kStandInHover = RGB(0x2a, 0x2e, 0x36);
inline constexpr COLORREF kStandInPressed = RGB(0x0e, 0x10, 0x13);
inline constexpr COLORREF kStandInDisabled = RGB(0x17, 0x19, 0x1d);

}  // namespace orvix::skin_colours
