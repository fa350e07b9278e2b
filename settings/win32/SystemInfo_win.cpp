#include "SystemInfo_win.h"

#include <windows.h>
#include <shlobj.h>

#include "WinHandles.h"

namespace orvix {

std::string WindowsSystemInfo::ModulePath() {
  // Grows the buffer until the path fits: a cut path would name another folder.
  for (DWORD size = MAX_PATH; size <= 32768; size *= 2) {
    std::string path(size, '\0');
    const DWORD length = ::GetModuleFileNameA(nullptr, path.data(), size);
    if (length == 0) return {};
    if (length < size) {
      path.resize(length);
      return path;
    }
  }
  return {};
}

bool WindowsSystemInfo::FileExists(const std::string& path) {
  const FileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return static_cast<bool>(file);
}

int WindowsSystemInfo::DefaultLanguageId() { return ::GetSystemDefaultLangID(); }

OsVersion WindowsSystemInfo::Version() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (!::GetVersionExA(&info)) return {};
  const OsPlatform platform = info.dwPlatformId == VER_PLATFORM_WIN32_NT        ? OsPlatform::kWindowsNt
                              : info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS ? OsPlatform::kWindows9x
                                                                                : OsPlatform::kOther;
  return {platform, static_cast<int>(info.dwMajorVersion), static_cast<int>(info.dwMinorVersion)};
}

std::string WindowsSystemInfo::CommonAppDataFolder() {
  char folder[MAX_PATH] = {};
  if (!::SHGetSpecialFolderPathA(nullptr, folder, CSIDL_COMMON_APPDATA, TRUE)) return {};
  return folder;
}

}  // namespace orvix
