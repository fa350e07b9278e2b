// OrvixOneOption: the configuration program. COptionApp lets one copy run, finds the
// install folder and runs the main dialog.
#include <windows.h>

#include <commctrl.h>

#include "GdiplusSession_win.h"
#include "MenuFrameHook_win.h"
#include "Messages.h"
#include "OptionDlg_win.h"
#include "SystemInfo_win.h"
#include "WinHandles.h"

namespace orvix {

class COptionApp {
 public:
  int Run() {
    // One copy at a time: a second start brings the first to the front and ends.
    KernelHandle instance(::CreateMutexA(nullptr, FALSE, "Norvel_OrvixOne_configure"));
    if (!instance || ::GetLastError() == ERROR_ALREADY_EXISTS) {
      if (const HWND running = ::FindWindowA(nullptr, kOptionWindowTitle)) {
        if (::IsIconic(running)) ::ShowWindow(running, SW_RESTORE);
        ::SetForegroundWindow(running);
      }
      return 0;
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    const GdiplusSession pictures;
    const auto menuFrames = MenuFrameHook::Install();  // the skinned frame of pop-up menus
    WindowsSystemInfo system;
    COptionDlg dialog(ProgramFolder(system));
    dialog.Run();
    return 0;
  }
};

}  // namespace orvix

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return orvix::COptionApp().Run(); }
