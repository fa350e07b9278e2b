// Identifiers of the macro manager's texts (assets/languages/texts/macro_manager.lang). The
// rows of the sequence list (" Press", " Release", "%d ms") and the key names are the
// program's own and stay English, as the menus of the button page show key names.
#pragma once

namespace orvix {

inline constexpr int kTextManagerTitle = 3900;        // the title bar's text
inline constexpr int kTextManagerSets = 3901;         // caption over the set selector
inline constexpr int kTextManagerNew = 3902;          // New (macro)
inline constexpr int kTextManagerDelete = 3903;       // Delete (macro)
inline constexpr int kTextSwitchToTimeline = 3904;    // the switch while the list editor shows
inline constexpr int kTextSwitchToList = 3905;        // the switch while the timeline shows
inline constexpr int kTextAddMacroSet = 3906;         // "[+]Add Macro Set"
inline constexpr int kTextDeleteMacroSet = 3907;      // "[x]Delete Macro Set"
inline constexpr int kTextSetNameTitle = 3908;        // title of the set name dialog
inline constexpr int kTextSetNameLabel = 3909;
inline constexpr int kTextSetNameHint = 3910;         // the rules: "%d" is 24
inline constexpr int kTextDeleteSetQuestion = 3911;   // "%s" is the set's name
inline constexpr int kTextDeleteMacroQuestion = 3912; // "%s" is the macro's name
inline constexpr int kTextNeedMacroSet = 3913;        // notice: no set selected
inline constexpr int kTextNeedMacro = 3914;           // notice: no macro selected
inline constexpr int kTextUnbalancingDelete = 3915;   // question before a delete that leaves a key down
inline constexpr int kTextSequenceCaption = 3916;     // caption over the sequence list
inline constexpr int kTextStartRecord = 3917;
inline constexpr int kTextStopRecord = 3918;
inline constexpr int kTextRecordDelays = 3919;        // the delay recording switch
inline constexpr int kTextRecordDelaysHint = 3920;
inline constexpr int kTextLoop = 3921;                // the loop switch
inline constexpr int kTextLoopTimes = 3922;           // after the loop count field
inline constexpr int kTextListHint = 3923;            // how to record, insert and edit
inline constexpr int kTextRecordingHint = 3924;       // shown while recording
inline constexpr int kTextMenuRecordBefore = 3925;    // the sequence list's context menu
inline constexpr int kTextMenuRecordAfter = 3926;
inline constexpr int kTextMenuInsertDelay = 3927;
inline constexpr int kTextMenuInsertMouse = 3928;
inline constexpr int kTextMenuLeftButton = 3929;
inline constexpr int kTextMenuRightButton = 3930;
inline constexpr int kTextMenuWheel = 3931;
inline constexpr int kTextMenuDown = 3932;
inline constexpr int kTextMenuUp = 3933;
inline constexpr int kTextMenuClick = 3934;
inline constexpr int kTextMenuEditDelay = 3935;
inline constexpr int kTextMenuDelete = 3936;
inline constexpr int kTextTimelineKeys = 3937;        // caption of the key column
inline constexpr int kTextTimelineAdd = 3938;         // quick help of the four buttons
inline constexpr int kTextTimelineDelete = 3939;
inline constexpr int kTextTimelineZoomIn = 3940;
inline constexpr int kTextTimelineZoomOut = 3941;
inline constexpr int kTextTimelineWaitingKey = 3942;  // while Add waits for the new bar's key
inline constexpr int kTextTimelineHint = 3943;        // how to drag, add and delete
inline constexpr int kTextTimelineEmpty = 3944;       // the band of a macro without bars

}  // namespace orvix
