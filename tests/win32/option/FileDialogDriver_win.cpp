#include "FileDialogDriver_win.h"

#include <cstring>
#include <vector>

namespace orvix::test {
namespace {

struct Dialogs {
  DWORD process;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectDialogs(HWND window, LPARAM data) {
  auto& dialogs = *reinterpret_cast<Dialogs*>(data);
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  char name[16] = {};
  ::GetClassNameA(window, name, sizeof name);
  if (process == dialogs.process && ::IsWindowVisible(window) && std::strcmp(name, "#32770") == 0)
    dialogs.found.push_back(window);
  return TRUE;
}

HWND FirstEdit(HWND parent) {
  for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    char name[16] = {};
    ::GetClassNameA(child, name, sizeof name);
    if (std::strcmp(name, "Edit") == 0) return child;
    if (HWND inner = FirstEdit(child)) return inner;
  }
  return nullptr;
}

}  // namespace

bool AnswerFileDialog(const OptionProgram& program, const std::string& path, DWORD timeoutMs) {
  const DWORD start = ::GetTickCount();
  while (::GetTickCount() - start < timeoutMs) {
    Dialogs dialogs{program.processId(), {}};
    ::EnumWindows(&CollectDialogs, reinterpret_cast<LPARAM>(&dialogs));
    for (HWND dialog : dialogs.found) {
      // The file name field: the edit inside the file name combo box (cmb13, itself a
      // ComboBoxEx around a combo box), or edt1.
      HWND field = nullptr;
      if (HWND combo = ::GetDlgItem(dialog, 0x47c)) field = FirstEdit(combo);
      if (!field) field = ::GetDlgItem(dialog, 0x480);
      if (!field) continue;
      ::SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
      ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
      return true;
    }
    ::Sleep(50);
  }
  return false;
}

}  // namespace orvix::test
