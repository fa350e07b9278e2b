#include "ConfigFiles_win.h"

namespace orvix {

WindowsConfigFiles::WindowsConfigFiles() : mutex_(::CreateMutexA(nullptr, FALSE, kConfigFilesMutexName)) {}

std::optional<std::string> WindowsConfigFiles::Read(const std::string& path) {
  const FileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  LARGE_INTEGER size;
  if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart > 64 * 1024 * 1024) return std::nullopt;
  std::string content(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD got = 0;
  if (!content.empty() && (!::ReadFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &got, nullptr) ||
                           got != content.size()))
    return std::nullopt;
  return content;
}

bool WindowsConfigFiles::Exists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WindowsConfigFiles::Replace(const std::string& path, const std::string& content) {
  const std::string temporary = path + ".new";
  {
    const FileHandle file(::CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    const bool complete = ::WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
                          written == content.size() && ::FlushFileBuffers(file.get());
    if (!complete) {
      ::DeleteFileA(temporary.c_str());
      return false;
    }
  }
  // A reader that has the file open without sharing its deletion makes the move fail for
  // a moment; it is tried again briefly before giving up.
  for (int attempt = 0; attempt < 20; ++attempt) {
    if (::MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    const DWORD error = ::GetLastError();
    if (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) break;
    ::Sleep(10);
  }
  ::DeleteFileA(temporary.c_str());
  return false;
}

bool WindowsConfigFiles::Lock() {
  if (!mutex_) return false;
  const DWORD result = ::WaitForSingleObject(mutex_.get(), kLockTimeoutMs);
  // A writer that died holding the lock left the files complete (each one is replaced whole).
  return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

void WindowsConfigFiles::Unlock() { ::ReleaseMutex(mutex_.get()); }

}  // namespace orvix
