// Identifiers of the texts in the language libraries and in the English texts compiled
// into the program. The texts themselves live in assets/languages/texts/ (frame.lang for these).
#pragma once

namespace orvix {

// Quick-help line of the main dialog: the text shown while the pointer is over a control.
inline constexpr int kTextQuickHelpMin = 1001;
inline constexpr int kTextQuickHelpExit = 1002;
inline constexpr int kTextQuickHelpTabMain = 1003;
inline constexpr int kTextQuickHelpTabButtons = 1004;
inline constexpr int kTextQuickHelpTabAdvanced = 1005;
inline constexpr int kTextQuickHelpTabColor = 1006;
inline constexpr int kTextQuickHelpTabTrophy = 1007;
inline constexpr int kTextQuickHelpTabUpdate = 1008;
inline constexpr int kTextQuickHelpCreate = 1009;
inline constexpr int kTextQuickHelpLoad = 1010;
inline constexpr int kTextQuickHelpSave = 1011;
inline constexpr int kTextQuickHelpEdit = 1012;
inline constexpr int kTextQuickHelpSlotButton1 = 1013;  // slot buttons 1..5: 1013..1017
inline constexpr int kTextQuickHelpSlotName1 = 1018;    // slot name labels 1..5: 1018..1022
inline constexpr int kTextQuickHelpWindowsProfileOff = 1023;  // marker of a slot that is not the Windows profile
inline constexpr int kTextQuickHelpWindowsProfileOn = 1024;   // marker of the Windows profile
inline constexpr int kTextQuickHelpOk = 1025;
inline constexpr int kTextQuickHelpApply = 1026;
inline constexpr int kTextQuickHelpCancel = 1027;

// The texts of slot button and slot name label of a slot 0..4; 0 (no text) for any other slot.
constexpr int TextQuickHelpSlotButton(int slot) { return slot >= 0 && slot < 5 ? kTextQuickHelpSlotButton1 + slot : 0; }
constexpr int TextQuickHelpSlotName(int slot) { return slot >= 0 && slot < 5 ? kTextQuickHelpSlotName1 + slot : 0; }

// Labels of the main dialog's buttons.
inline constexpr int kTextLabelTabMain = 3001;
inline constexpr int kTextLabelTabButtons = 3002;
inline constexpr int kTextLabelTabAdvanced = 3003;
inline constexpr int kTextLabelTabColor = 3004;
inline constexpr int kTextLabelTabTrophy = 3005;
inline constexpr int kTextLabelTabUpdate = 3006;
inline constexpr int kTextLabelCreate = 3007;
inline constexpr int kTextLabelLoad = 3008;
inline constexpr int kTextLabelSave = 3009;
inline constexpr int kTextLabelEdit = 3010;
inline constexpr int kTextLabelSlot = 3011;  // "Profile %d": fill in 1..5 with FormatWithNumber
inline constexpr int kTextLabelOk = 3012;
inline constexpr int kTextLabelApply = 3013;
inline constexpr int kTextLabelCancel = 3014;
inline constexpr int kTextLabelSelectLanguage = 3015;  // tool tip and label of the language button

// Notices and questions of the apply cycle. "Could not map view of file." has no
// identifier (3104 stays free): it is shown in English only, from the program.
inline constexpr int kTextNoticeMonitorAbsent = 3101;     // not running or no answer: saved to the files, sent later
inline constexpr int kTextNoticeMonitorTimedOut = 3102;   // the block was not taken in time: kept, sent again
inline constexpr int kTextQuestionRestoreChanges = 3103;  // closed by an unplugged mouse with changes: restore? (Yes/No)
inline constexpr int kTextNoticeTitle = 3105;             // "Orvix One"
inline constexpr int kTextButtonYes = 3106;
inline constexpr int kTextButtonNo = 3107;

}  // namespace orvix
