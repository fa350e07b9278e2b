#include "SavedFiles_win.h"

#include <windows.h>

#include "WinHandles.h"

namespace orvix::test {

std::optional<std::string> ReadWholeFile(const std::string& path) {
  const FileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::string content;
  char buffer[16384];
  DWORD got = 0;
  while (::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) content.append(buffer, got);
  return content;
}

bool WriteWholeFile(const std::string& path, const std::string& content) {
  const FileHandle file(
      ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  return ::WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
         written == content.size();
}

long long FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
  return static_cast<long long>((static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
}

bool LayDownFiles(const std::string& folder, const SavedContents& contents) {
  bool all = true;
  for (std::size_t i = 0; i < kSavedFileCount; ++i) {
    const std::string path = folder + kSavedFiles[i];
    ::DeleteFileA((path + ".new").c_str());
    all &= WriteWholeFile(path, contents[i]);
  }
  return all;
}

bool AnyTemporaryLeft(const std::string& folder) {
  for (const char* name : kSavedFiles)
    if (::GetFileAttributesA((folder + name + ".new").c_str()) != INVALID_FILE_ATTRIBUTES) return true;
  return false;
}

}  // namespace orvix::test
