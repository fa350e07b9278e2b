#include "ForegroundProgram_win.h"

#include <windows.h>
#include <tlhelp32.h>

#include <cctype>

#include "WinHandles.h"

namespace orvix {

std::string ForegroundProgramName() {
  HWND window = ::GetForegroundWindow();
  if (!window) return {};
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);

  KernelHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return {};
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = ::Process32First(snapshot.get(), &entry); more; more = ::Process32Next(snapshot.get(), &entry)) {
    if (entry.th32ProcessID != processId) continue;
    entry.szExeFile[sizeof entry.szExeFile - 1] = '\0';
    std::string name(entry.szExeFile);
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
  }
  return {};
}

}  // namespace orvix
