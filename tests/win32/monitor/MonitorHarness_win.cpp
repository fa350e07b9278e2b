#include "MonitorHarness_win.h"

#include <algorithm>
#include <stdexcept>

#include "Messages.h"

namespace orvix::test {
namespace {

constexpr char kFakeOptionClass[] = "OrvixTestOptionWindow";

}  // namespace

HWND HiddenWindow(const char* className, WNDPROC procedure, const char* title) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = procedure;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.lpszClassName = className;
  ::RegisterClassA(&wc);
  return ::CreateWindowA(className, title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
}

FakeOptionWindow::FakeOptionWindow() {
  hwnd_ = HiddenWindow(kFakeOptionClass, &FakeOptionWindow::Procedure, kOptionWindowTitle);
  if (!hwnd_) throw std::runtime_error("cannot create the stand-in option window");
  ::SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

FakeOptionWindow::~FakeOptionWindow() { Destroy(); }

void FakeOptionWindow::Destroy() {
  if (!hwnd_) return;
  ::SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
  ::DestroyWindow(hwnd_);
  hwnd_ = nullptr;
}

LRESULT CALLBACK FakeOptionWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<FakeOptionWindow*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self && (message == WM_CLOSE || (message >= WM_USER && message < 0xC000))) {
    self->received_.push_back(message);
    return 0;
  }
  return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

bool FakeOptionWindow::WaitFor(UINT message, DWORD timeoutMs, int count) {
  const DWORD start = ::GetTickCount();
  while (Count(message) < count) {
    if (::GetTickCount() - start >= timeoutMs) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
  }
  return true;
}

int FakeOptionWindow::Count(UINT message) const {
  return static_cast<int>(std::count(received_.begin(), received_.end(), message));
}

void PumpFor(DWORD ms) {
  const DWORD start = ::GetTickCount();
  while (::GetTickCount() - start < ms) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
  }
}

MonitorProcess::MonitorProcess(const std::string& folder, const std::string& arguments) {
  std::string commandLine = "\"" + folder + "OrvixOneMonitor.exe\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &info))
    throw std::runtime_error("cannot start the monitor");
  ::CloseHandle(info.hThread);
  process_.reset(info.hProcess);
}

MonitorProcess::~MonitorProcess() {
  if (!HasExited() && !Close(10000)) ::TerminateProcess(process_.get(), 1);
}

HWND MonitorProcess::WaitForWindow(DWORD timeoutMs) const {
  const DWORD start = ::GetTickCount();
  for (;;) {
    if (HWND window = ::FindWindowA(nullptr, kMonitorWindowTitle)) return window;
    if (HasExited() || ::GetTickCount() - start >= timeoutMs) return nullptr;
    PumpFor(20);
  }
}

bool MonitorProcess::Close(DWORD timeoutMs) {
  if (HWND window = ::FindWindowA(nullptr, kMonitorWindowTitle)) ::PostMessageA(window, WM_CLOSE, 0, 0);
  const DWORD start = ::GetTickCount();
  while (!HasExited()) {
    if (::GetTickCount() - start >= timeoutMs) return false;
    PumpFor(20);  // the monitor posts to windows of this thread while it shuts down
  }
  return true;
}

bool MonitorProcess::HasExited(DWORD waitMs) const {
  return ::WaitForSingleObject(process_.get(), waitMs) == WAIT_OBJECT_0;
}

DWORD MonitorProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  ::GetExitCodeProcess(process_.get(), &code);
  return code;
}

BlockClient OpenBlockWhenReady(DWORD timeoutMs) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    BlockClient client{SharedBlockMapping::Open(), SharedBlockMutex::Open()};
    if (client || ::GetTickCount() - start >= timeoutMs) return client;
    PumpFor(20);
  }
}

ProgramResult RunProgram(const std::string& commandLine, DWORD timeoutMs) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!::CreatePipe(&readEnd, &writeEnd, &inherit, 0)) throw std::runtime_error("cannot create a pipe");
  KernelHandle reader(readEnd), writer(writeEnd);
  ::SetHandleInformation(reader.get(), HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writer.get();
  startup.hStdError = writer.get();
  startup.hStdInput = nullptr;
  PROCESS_INFORMATION info{};
  std::string line = commandLine;
  if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                        &info))
    throw std::runtime_error("cannot start (error " + std::to_string(::GetLastError()) + "): " + commandLine);
  KernelHandle process(info.hProcess), thread(info.hThread);
  writer.reset();  // only the child holds the write end now: end of output = end of program

  ProgramResult result;
  char buffer[4096];
  DWORD n = 0;
  while (::ReadFile(reader.get(), buffer, sizeof buffer, &n, nullptr) && n > 0) result.output.append(buffer, n);
  if (::WaitForSingleObject(process.get(), timeoutMs) != WAIT_OBJECT_0) ::TerminateProcess(process.get(), 1);
  ::GetExitCodeProcess(process.get(), &result.exitCode);
  return result;
}

}  // namespace orvix::test
