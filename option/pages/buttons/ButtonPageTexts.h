// Identifiers of the button assignment page's texts: the quick-help texts of its controls
// and the fixed items of its pop-up menu (assets/languages/texts/page_buttons.lang).
#pragma once

namespace orvix::button_page {

// Quick help.
inline constexpr int kTextHelpNormalLayer = 1035;  // slot buttons B1..B12
inline constexpr int kTextHelpAltLayer = 1036;     // slot buttons B13..B24
inline constexpr int kTextHelpMacroManager = 1037;

// The pop-up menu: submenu titles and items, in menu order.
inline constexpr int kTextMenuAltlayer = 3700;  // "Altlayer[+] Orvix One": submenu and item
inline constexpr int kTextMenuRollsetSensitivity = 3701;
inline constexpr int kTextMenuRollsetProfile = 3702;
inline constexpr int kTextMenuRollsetDpi = 3703;
inline constexpr int kTextMenuRollsetVolume = 3704;
inline constexpr int kTextMenuRollsetAltTab = 3705;
inline constexpr int kTextMenuRollsetAeroFlip = 3706;
inline constexpr int kTextMenuParly = 3707;
inline constexpr int kTextMenuAllDevices = 3708;
inline constexpr int kTextMenuLockUnlock = 3709;  // follows "Altlayer[+] <device> "
inline constexpr int kTextMenuMacros = 3710;
inline constexpr int kTextMenuCreateMacro = 3711;
inline constexpr int kTextMenuEditMacro = 3712;
inline constexpr int kTextMenuTimers = 3713;
inline constexpr int kTextMenuCreateTimer = 3714;
inline constexpr int kTextMenuEditTimers = 3715;
inline constexpr int kTextMenuStopTimer = 3716;
inline constexpr int kTextMenuProfile = 3717;
inline constexpr int kTextMenuProfileCycle = 3718;
inline constexpr int kTextMenuProfileUp = 3719;
inline constexpr int kTextMenuProfileDown = 3720;
inline constexpr int kTextMenuDpi = 3721;
inline constexpr int kTextMenuDpiCycle = 3722;
inline constexpr int kTextMenuDpiUp = 3723;
inline constexpr int kTextMenuDpiDown = 3724;
inline constexpr int kTextMenuSensitivity = 3725;
inline constexpr int kTextMenuSensitivityCycle = 3726;
inline constexpr int kTextMenuSensitivityUp = 3727;
inline constexpr int kTextMenuSensitivityDown = 3728;
inline constexpr int kTextMenuMultimedia = 3729;
inline constexpr int kTextMenuMute = 3730;
inline constexpr int kTextMenuVolumeUp = 3731;
inline constexpr int kTextMenuVolumeDown = 3732;
inline constexpr int kTextMenuSelectPlayer = 3733;
inline constexpr int kTextMenuOpenPlayer = 3734;
inline constexpr int kTextMenuPreviousTrack = 3735;
inline constexpr int kTextMenuNextTrack = 3736;
inline constexpr int kTextMenuPlayPause = 3737;
inline constexpr int kTextMenuStop = 3738;
inline constexpr int kTextMenuPinpoint = 3739;
inline constexpr int kTextMenuClick = 3740;
inline constexpr int kTextMenuMenu = 3741;
inline constexpr int kTextMenuUniversalScrolling = 3742;
inline constexpr int kTextMenuDoubleClick = 3743;
inline constexpr int kTextMenuAssignShortcut = 3744;
inline constexpr int kTextMenuDisabled = 3745;
inline constexpr int kTextMenuIeForward = 3746;
inline constexpr int kTextMenuIeBackward = 3747;
inline constexpr int kTextMenuTiltLeft = 3748;
inline constexpr int kTextMenuTiltRight = 3749;
inline constexpr int kTextMenuScrollUp = 3750;
inline constexpr int kTextMenuScrollDown = 3751;
inline constexpr int kTextMenuQuicklaunch = 3752;
inline constexpr int kTextMenuWindowsKey = 3753;
inline constexpr int kTextMenuOpenDriver = 3754;

// Label of the Macro Manager button.
inline constexpr int kTextLabelMacroManager = 3755;
// Headings of the two layers.
inline constexpr int kTextLabelNormalLayer = 3756;
inline constexpr int kTextLabelAltlayerLayer = 3757;

}  // namespace orvix::button_page
