// CMonitorApp: single instance, the hidden main window and the message loop.
#include <windows.h>
#include <objbase.h>

#include <memory>

#include "Messages.h"
#include "MonitorWnd_win.h"
#include "WinHandles.h"

namespace orvix {

class CMonitorApp {
 public:
  // False when this instance must end at once (another monitor runs).
  bool InitInstance(const char* commandLine) {
    const bool openConfiguration = commandLine && commandLine[0] == '1';
    instanceMutex_.reset(::CreateMutexA(nullptr, FALSE, kMonitorInstanceMutexName));
    if (!instanceMutex_ || ::GetLastError() == ERROR_ALREADY_EXISTS) {
      instanceMutex_.reset();
      if (openConfiguration) {
        if (HWND running = ::FindWindowA(nullptr, kMonitorWindowTitle))
          ::PostMessageA(running, WM_COMMAND, kCommandOpenConfiguration, 0);
      }
      return false;
    }
    ::CoInitialize(nullptr);
    comInitialised_ = true;
    window_ = std::make_unique<CMonitorWnd>(openConfiguration);
    return window_->CreateHidden();
  }

  int Run() {
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
      ::TranslateMessage(&message);
      ::DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
  }

  void ExitInstance() {
    window_.reset();
    if (comInitialised_) ::CoUninitialize();
    instanceMutex_.reset();
  }

 private:
  KernelHandle instanceMutex_;
  std::unique_ptr<CMonitorWnd> window_;
  bool comInitialised_ = false;
};

}  // namespace orvix

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  orvix::CMonitorApp app;
  int result = 0;
  if (app.InitInstance(commandLine)) result = app.Run();
  app.ExitInstance();
  return result;
}
