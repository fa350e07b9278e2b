#include "OptionProgram_win.h"

#include <algorithm>
#include <stdexcept>

#include "Messages.h"
#include "MonitorHarness_win.h"

namespace orvix::test {
namespace {

constexpr DWORD kSendTimeoutMs = 5000;

bool IsDialogClass(HWND window) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  return std::wstring(name) == L"#32770";
}

struct PopupSearch {
  HWND main;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectPopup(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<PopupSearch*>(data);
  if (window != search.main && ::IsWindowVisible(window) && IsDialogClass(window)) search.found.push_back(window);
  return TRUE;
}

struct MainSearch {
  DWORD processId;
  HWND found = nullptr;
};

BOOL CALLBACK FindMain(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<MainSearch*>(data);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner != search.processId) return TRUE;
  char title[128] = {};
  ::GetWindowTextA(window, title, sizeof title);
  if (std::string(title) != kOptionWindowTitle) return TRUE;
  search.found = window;
  return FALSE;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  if (!::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result)) return 0;
  return static_cast<LRESULT>(result);
}

}  // namespace

std::wstring WindowText(HWND window) {
  const auto length = static_cast<std::size_t>(Send(window, WM_GETTEXTLENGTH));
  std::wstring text(length + 1, L'\0');
  const auto copied = static_cast<std::size_t>(
      Send(window, WM_GETTEXT, static_cast<WPARAM>(text.size()), reinterpret_cast<LPARAM>(text.data())));
  text.resize(std::min(copied, length));
  return text;
}

HWND ChildButton(HWND parent, const std::wstring& label) {
  return parent ? ::FindWindowExW(parent, nullptr, L"Button", label.c_str()) : nullptr;
}

std::wstring WithNumber(const std::wstring& pattern, int number) {
  std::wstring text = pattern;
  const auto at = text.find(L"%d");
  if (at != std::wstring::npos) text.replace(at, 2, std::to_wstring(number));
  return text;
}

OptionProgram::OptionProgram(const std::string& folder) {
  std::string commandLine = "\"" + folder + "OrvixOneOption.exe\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &info))
    throw std::runtime_error("cannot start the configuration program");
  ::CloseHandle(info.hThread);
  process_.reset(info.hProcess);
  processId_ = info.dwProcessId;
}

OptionProgram::~OptionProgram() {
  if (HasExited()) return;
  // The tests close the program themselves where its closing is what they check; a close
  // here would only cost the time Wine takes to hide a window.
  ::TerminateProcess(process_.get(), 1);
  ::WaitForSingleObject(process_.get(), 5000);
}

void OptionProgram::Locate() const {
  if (window_) return;
  MainSearch search{processId_};
  ::EnumWindows(&FindMain, reinterpret_cast<LPARAM>(&search));
  window_ = search.found;
  if (window_) threadId_ = ::GetWindowThreadProcessId(window_, nullptr);
}

HWND OptionProgram::WaitForWindow(DWORD timeoutMs) {
  const bool ready = PumpUntil(
      [&] {
        Locate();
        return window_ && ::IsWindowVisible(window_) && NameLabels().size() == kSlotCount;
      },
      timeoutMs);
  return ready ? window_ : nullptr;
}

bool OptionProgram::HasExited(DWORD waitMs) const {
  return ::WaitForSingleObject(process_.get(), waitMs) == WAIT_OBJECT_0;
}

bool OptionProgram::WaitForExit(DWORD timeoutMs) { return PumpUntil([&] { return HasExited(); }, timeoutMs); }

DWORD OptionProgram::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  ::GetExitCodeProcess(process_.get(), &code);
  return code;
}

HWND OptionProgram::Button(const std::wstring& label) const { return ChildButton(window_, label); }

bool OptionProgram::Click(const std::wstring& label) const {
  const HWND button = Button(label);
  return button && ::PostMessageW(button, BM_CLICK, 0, 0);
}

bool OptionProgram::Enabled(const std::wstring& label) const {
  const HWND button = Button(label);
  return button && ::IsWindowEnabled(button);
}

bool OptionProgram::Checked(const std::wstring& label) const {
  const HWND button = Button(label);
  return button && Send(button, BM_GETCHECK) == BST_CHECKED;
}

int OptionProgram::CheckedSlot(const std::wstring& pattern) const {
  int checked = -1;
  for (int slot = 0; slot < static_cast<int>(kSlotCount); ++slot) {
    if (!Checked(WithNumber(pattern, slot + 1))) continue;
    if (checked >= 0) return -1;
    checked = slot;
  }
  return checked;
}

std::vector<std::wstring> OptionProgram::ButtonLabels() const {
  std::vector<std::wstring> labels;
  for (HWND child = ::FindWindowExW(window_, nullptr, L"Button", nullptr); child;
       child = ::FindWindowExW(window_, child, L"Button", nullptr))
    labels.push_back(WindowText(child));
  return labels;
}

HWND OptionProgram::Badge() const {
  for (HWND child = ::FindWindowExW(window_, nullptr, L"Static", nullptr); child;
       child = ::FindWindowExW(window_, child, L"Static", nullptr)) {
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(child, GWL_STYLE));
    RECT rect;
    ::GetWindowRect(child, &rect);
    if ((style & SS_TYPEMASK) == SS_OWNERDRAW && rect.right - rect.left > 2 * (rect.bottom - rect.top)) return child;
  }
  return nullptr;
}

std::vector<HWND> OptionProgram::NameLabels() const {
  // The program's text labels are plain "Static" windows (the slot names and, below them,
  // the quick-help line); the colour swatches and the badge are owner-drawn ones.
  struct Label {
    HWND window;
    RECT rect;
  };
  std::vector<Label> labels;
  for (HWND child = ::FindWindowExW(window_, nullptr, L"Static", nullptr); child;
       child = ::FindWindowExW(window_, child, L"Static", nullptr)) {
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(child, GWL_STYLE));
    if ((style & SS_TYPEMASK) == SS_OWNERDRAW) continue;
    RECT rect;
    ::GetWindowRect(child, &rect);
    labels.push_back({child, rect});
  }
  if (labels.empty()) return {};
  // The names form the top row.
  const LONG top = std::min_element(labels.begin(), labels.end(), [](const Label& a, const Label& b) {
                     return a.rect.top < b.rect.top;
                   })->rect.top;
  std::vector<Label> row;
  std::copy_if(labels.begin(), labels.end(), std::back_inserter(row), [top](const Label& l) { return l.rect.top == top; });
  std::sort(row.begin(), row.end(), [](const Label& a, const Label& b) { return a.rect.left < b.rect.left; });
  std::vector<HWND> names;
  for (const Label& l : row) names.push_back(l.window);
  return names;
}

std::vector<std::wstring> OptionProgram::Names() const {
  std::vector<std::wstring> names;
  for (HWND label : NameLabels()) names.push_back(WindowText(label));
  return names;
}

bool OptionProgram::Answers(DWORD ms) const {
  DWORD_PTR result = 0;
  return ::SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, ms, &result) != 0;
}

std::vector<HWND> OptionProgram::Popups() const {
  Locate();
  PopupSearch search{window_, {}};
  if (threadId_) ::EnumThreadWindows(threadId_, &CollectPopup, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND OptionProgram::WaitForPopup(const std::wstring& buttonLabel, DWORD timeoutMs) const {
  HWND popup = nullptr;
  PumpUntil(
      [&] {
        for (HWND candidate : Popups())
          if (ChildButton(candidate, buttonLabel)) popup = candidate;
        return popup != nullptr;
      },
      timeoutMs);
  return popup;
}

bool OptionProgram::AnswerPopup(HWND popup, const std::wstring& buttonLabel, DWORD timeoutMs) const {
  const HWND button = ChildButton(popup, buttonLabel);
  if (!button || !::PostMessageW(button, BM_CLICK, 0, 0)) return false;
  return PumpUntil([&] { return !::IsWindow(popup) || !::IsWindowVisible(popup); }, timeoutMs);
}

std::wstring OptionProgram::PopupTexts(HWND popup) {
  std::wstring texts = WindowText(popup);
  for (HWND child = ::FindWindowExW(popup, nullptr, nullptr, nullptr); child;
       child = ::FindWindowExW(popup, child, nullptr, nullptr))
    texts += L"\n" + WindowText(child);
  return texts;
}

}  // namespace orvix::test
