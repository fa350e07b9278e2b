// Identifiers of the texts of the dialogs that collect a button's function: the timer
// dialogs, the shortcut, the program and the media player (their texts:
// assets/languages/texts/dialogs_assign.lang).
#pragma once

namespace orvix {

inline constexpr int kTextProgramDialogTitle = 3800;
inline constexpr int kTextProgramLabel = 3801;
inline constexpr int kTextProgramHint = 3802;
inline constexpr int kTextProgramTooLong = 3803;  // notice: the path does not fit the button
inline constexpr int kTextMediaDialogTitle = 3804;
inline constexpr int kTextMediaLabel = 3805;
inline constexpr int kTextNewTimerTitle = 3806;
inline constexpr int kTextTimerName = 3807;
inline constexpr int kTextTimerSeconds = 3808;
inline constexpr int kTextTimerHint = 3809;  // the rules of a timer; "%d" twice: 15 and 999
inline constexpr int kTextTimerEditorTitle = 3810;
inline constexpr int kTextTimerChoice = 3811;
inline constexpr int kTextTimerSave = 3812;
inline constexpr int kTextTimerDelete = 3813;
inline constexpr int kTextTimerDeleteQuestion = 3814;
inline constexpr int kTextShortcutTitle = 3815;
inline constexpr int kTextShortcutKey = 3816;
inline constexpr int kTextShortcutHint = 3817;
inline constexpr int kTextModifierNone = 3818;  // the five modifier check boxes
inline constexpr int kTextModifierShift = 3819;
inline constexpr int kTextModifierCtrl = 3820;
inline constexpr int kTextModifierAlt = 3821;
inline constexpr int kTextModifierWin = 3822;

}  // namespace orvix
