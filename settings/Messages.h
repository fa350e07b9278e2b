// Window titles and message numbers between the monitor, the configuration program, its
// calibration dialog, the OSD program and the HID access library. The numbers are fixed:
// other programs rely on them.
#pragma once

namespace orvix {

// Windows found by title.
inline constexpr char kMonitorWindowTitle[] = "NORVEL Orvix One Mouse Monitor";
inline constexpr char kOptionWindowTitle[] = "NORVEL Orvix One Mouse Option";
inline constexpr char kCalibrationWindowTitle[] = "Orvix One PSCCalibrateDlg";
inline constexpr char kOsdWindowTitle[] = "NORVEL Orvix One Mouse OSD";
inline constexpr char kOsdPop3WindowTitle[] = "NORVEL Orvix One Mouse Pop3";
inline constexpr char kOsdCpuRamWindowTitle[] = "NORVEL Orvix One Mouse CPU RAM";
inline constexpr char kOsdSkypeWindowTitle[] = "NORVEL Orvix One Mouse OSD SKYPE";
inline constexpr char kMonitorInstanceMutexName[] = "NORVEL_OrvixOne_Mouse_Normal_Monitor";

// To the monitor.
constexpr unsigned WM_MON_TRAY_NOTIFY = 1036;
constexpr unsigned WM_MON_APPLY_ALL = 1224;          // wParam 1: after restoring factory defaults
constexpr unsigned WM_MON_RELOAD_SHARED_OLD = 1226;  // handled like WM_MON_RELOAD_SHARED
constexpr unsigned WM_MON_RELOAD_POINTER = 1227;
constexpr unsigned WM_MON_SENSOR_IMAGE = 1229;
constexpr unsigned WM_MON_TRACKING_REPORT = 1230;    // lParam: request value
constexpr unsigned WM_MON_CALIBRATION_MODE = 1231;   // lParam: mode 1..4
constexpr unsigned WM_MON_IGNORED_1232 = 1232;
constexpr unsigned WM_MON_RELOAD_SHARED = 1233;
constexpr unsigned WM_MON_TILT_SCROLL = 1238;        // wParam count, lParam != 0: left
constexpr unsigned WM_MON_IGNORED_1274 = 1274;
constexpr unsigned WM_MON_DEVICE_EVENT = 1325;       // from the HID library: wParam class, lParam data
constexpr unsigned WM_MON_DEVICE_ARRIVAL = 1326;     // from the HID library: wParam 1 arrived, 0 removed
constexpr unsigned WM_MON_ACCEPTED_1327 = 1327;
constexpr unsigned WM_MON_PARLY_STATUS = 2025;

// Thread messages inside the monitor.
constexpr unsigned WM_MON_PLAY_MACRO = 1648;
constexpr unsigned WM_MON_DEVICE_JOB = 1649;

// Monitor commands (WM_COMMAND ids).
constexpr unsigned kCommandOpenConfiguration = 6001;
constexpr unsigned kCommandExit = 6002;

// From the monitor to the configuration program.
constexpr unsigned WM_OPT_DEVICE_READ_DONE = 1254;
constexpr unsigned WM_OPT_PROFILE_CHANGED = 1255;
constexpr unsigned WM_OPT_ENABLE_APPLY = 1256;
constexpr unsigned WM_OPT_LEVEL_CHANGED = 1257;
constexpr unsigned WM_OPT_STATISTICS_CHANGED = 1264;
constexpr unsigned WM_OPT_PARLY_DEVICES_CHANGED = 1284;

// From the monitor to the calibration dialog.
constexpr unsigned WM_CAL_IMAGE_READY = 1260;
constexpr unsigned WM_CAL_STEP = 1261;

// From the monitor to the OSD program (lParam: the two forwarded OSD values).
constexpr unsigned WM_OSD_SETTINGS = 1326;

// Device I/O thread jobs (wParam of WM_MON_DEVICE_JOB).
enum DeviceJob : unsigned {
  kJobReadEverything = 2,
  kJobCurrentProfile = 3,
  kJobUploadLightDatabase = 5,
  kJobUploadMacro = 6,  // lParam: request value 1..110
};

}  // namespace orvix
