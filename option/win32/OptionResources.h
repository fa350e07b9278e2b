// Resource numbers of the configuration program.
#pragma once

#define IDD_COLOR_PAGE 100
#define IDD_OPTION_FRAME 102   // the main dialog
#define IDI_OPTION_ICON 128
#define IDD_BUTTON_PAGE 129
#define IDD_ADVANCED_PAGE 130
#define IDD_MAIN_PAGE 131
#define IDD_POPUP 132          // the skinned pop-ups: notices, questions, the language chooser
#define IDD_STATISTICS_PAGE 133
#define IDD_UPDATE_PAGE 134
