// Identifiers of the lighting page's texts (assets/languages/texts/page_color.lang).
#pragma once

namespace orvix {

// Quick help of the page's controls.
inline constexpr int kTextQuickHelpFullLightened = 1076;
inline constexpr int kTextQuickHelpBreathing = 1077;
inline constexpr int kTextQuickHelpAllLightOff = 1078;
inline constexpr int kTextQuickHelpPaletteColour = 1079;  // the colour buttons and "Choose a single color"
inline constexpr int kTextQuickHelpCustomColour = 1080;   // "Choose a custom color", swatch, button, strip, boxes

// Labels.
inline constexpr int kTextLabelAllLightOff = 3400;
inline constexpr int kTextLabelFullLightened = 3401;
inline constexpr int kTextLabelBreathing = 3402;
inline constexpr int kTextLabelSingleColour = 3403;
inline constexpr int kTextLabelCustomColourChoice = 3404;
inline constexpr int kTextLabelEffectTitle = 3405;   // caption over the effect choices
inline constexpr int kTextLabelColourTitle = 3406;   // caption over the colour choices
inline constexpr int kTextLabelCustomColour = 3407;  // name of the custom colour button (tool tip)
inline constexpr int kTextLabelRed = 3408;           // tool tips of the three number boxes
inline constexpr int kTextLabelGreen = 3409;
inline constexpr int kTextLabelBlue = 3410;

}  // namespace orvix
