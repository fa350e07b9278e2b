#include "OptionProcess_win.h"

#include <stdexcept>

#include "Messages.h"

namespace orvix::test {
namespace {

struct WindowSearch {
  DWORD processId;
  HWND owner;  // null: the main window is looked for
  HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<WindowSearch*>(context);
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  if (processId != search->processId || !::IsWindowVisible(window)) return TRUE;
  if (search->owner) {
    if (::GetWindow(window, GW_OWNER) != search->owner) return TRUE;
  } else {
    char title[64] = {};
    ::GetWindowTextA(window, title, sizeof title);
    if (::lstrcmpA(title, kOptionWindowTitle) != 0) return TRUE;
  }
  search->found = window;
  return FALSE;
}

struct ButtonSearch {
  const wchar_t* label;
  HWND found;
};

BOOL CALLBACK MatchButton(HWND child, LPARAM context) {
  auto* search = reinterpret_cast<ButtonSearch*>(context);
  wchar_t className[16] = {}, text[128] = {};
  ::GetClassNameW(child, className, 16);
  ::GetWindowTextW(child, text, 128);
  if (::lstrcmpiW(className, L"Button") != 0 || ::lstrcmpW(text, search->label) != 0 || !::IsWindowVisible(child))
    return TRUE;
  search->found = child;
  return FALSE;
}

// Waits `ms` while the windows of this thread (a stand-in monitor's) get their messages.
void PumpBriefly(DWORD ms) {
  ::MsgWaitForMultipleObjects(0, nullptr, FALSE, ms, QS_ALLINPUT);
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
}

}  // namespace

OptionProcess::OptionProcess(const std::string& folder) {
  std::string commandLine = "\"" + folder + "OrvixOneOption.exe\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &info))
    throw std::runtime_error("cannot start the configuration program");
  ::CloseHandle(info.hThread);
  process_.reset(info.hProcess);
  id_ = info.dwProcessId;
}

OptionProcess::~OptionProcess() {
  if (!HasExited()) Kill();
}

HWND OptionProcess::WaitForWindow(DWORD timeoutMs) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    WindowSearch search{id_, nullptr, nullptr};
    ::EnumWindows(&MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    if (search.found) return window_ = search.found;
    if (HasExited() || ::GetTickCount() - start >= timeoutMs) return nullptr;
    PumpBriefly(5);
  }
}

HWND OptionProcess::Button(const wchar_t* label) const {
  if (!window_) return nullptr;
  ButtonSearch search{label, nullptr};
  ::EnumChildWindows(window_, &MatchButton, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND OptionProcess::OwnedPopup() const {
  if (!window_) return nullptr;
  WindowSearch search{id_, window_, nullptr};
  ::EnumWindows(&MatchTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool OptionProcess::Answers(DWORD timeoutMs) const {
  DWORD_PTR result = 0;
  return window_ && ::SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

bool OptionProcess::Click(HWND button, DWORD timeoutMs) const {
  DWORD_PTR result = 0;
  return button && ::SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

bool OptionProcess::Kill(DWORD waitMs) {
  ::TerminateProcess(process_.get(), 1);
  return HasExited(waitMs);
}

bool OptionProcess::HasExited(DWORD waitMs) const {
  return ::WaitForSingleObject(process_.get(), waitMs) == WAIT_OBJECT_0;
}

bool OptionProcess::Close(DWORD timeoutMs) {
  if (const HWND cancel = Button(L"Cancel")) PostClick(cancel);
  return HasExited(timeoutMs);
}

}  // namespace orvix::test
