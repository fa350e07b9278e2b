#include "OptionProcess_win.h"

#include <stdexcept>

#include "Messages.h"

namespace orvix::test {
namespace {

// The visible window of `processId` that `owner` owns.
struct PopupSearch {
  DWORD processId;
  HWND owner;
  HWND found;
};

BOOL CALLBACK MatchPopup(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<PopupSearch*>(context);
  if (::GetWindow(window, GW_OWNER) != search->owner || !::IsWindowVisible(window)) return TRUE;
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  if (processId != search->processId) return TRUE;
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
    // By title first: asking every window of the desktop for its process, as often as
    // this, would slow down the program's own start.
    for (HWND window = nullptr; (window = ::FindWindowExA(nullptr, window, nullptr, kOptionWindowTitle));) {
      DWORD processId = 0;
      ::GetWindowThreadProcessId(window, &processId);
      if (processId == id_ && ::IsWindowVisible(window)) return window_ = window;
    }
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
  PopupSearch search{id_, window_, nullptr};
  ::EnumWindows(&MatchPopup, reinterpret_cast<LPARAM>(&search));
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

}  // namespace orvix::test
