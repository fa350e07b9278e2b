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

  // The process's own image name is cheap to ask; the snapshot of every process serves
  // when that is refused (a protected process).
  KernelHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  if (process) {
    char image[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    if (::QueryFullProcessImageNameA(process.get(), 0, image, &size) && size > 0 && size < MAX_PATH) {
      std::string path(image, size);
      std::string name = path.substr(path.find_last_of("\\/") + 1);
      for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      return name;
    }
  }

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
