// The texts of the main page in the language libraries: the quick-help texts of its
// controls and the labels it shows.
#pragma once

namespace orvix {

// Quick help.
inline constexpr int kTextQuickHelpSensitivitySlider = 1028;
inline constexpr int kTextQuickHelpSensitivityNumber = 1029;
inline constexpr int kTextQuickHelpScrollSpeed = 1030;  // the slider and "not one page"
inline constexpr int kTextQuickHelpOnePage = 1031;
inline constexpr int kTextQuickHelpTiltSpeed = 1032;
inline constexpr int kTextQuickHelpDpiRow = 1033;  // every control of each DPI row
inline constexpr int kTextQuickHelpDoubleClick = 1034;

// Labels.
inline constexpr int kTextLabelSensitivity = 3200;
inline constexpr int kTextLabelScrollSpeed = 3201;
inline constexpr int kTextLabelLinesPerNotch = 3202;  // the "not one page" choice
inline constexpr int kTextLabelOnePagePerNotch = 3203;
inline constexpr int kTextLabelTiltSpeed = 3204;
inline constexpr int kTextLabelDpiLevels = 3205;
inline constexpr int kTextLabelDoubleClickSpeed = 3206;
inline constexpr int kTextLabelDoubleClickTest = 3207;
inline constexpr int kTextLabelDpiLevel = 3208;     // "Level %d" on a row's strip
inline constexpr int kTextLabelEnableLevel = 3209;  // a row's check box (not drawn)

}  // namespace orvix
