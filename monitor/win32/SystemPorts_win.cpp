#include "SystemPorts_win.h"

#include <mmsystem.h>

#include <algorithm>
#include <cstdio>

#include "ForegroundProgram_win.h"
#include "Launcher_win.h"
#include "WinHandles.h"

namespace orvix {
namespace {

class SystemFile : public ReadableFile {
 public:
  explicit SystemFile(FileHandle file) : file_(std::move(file)) {}
  std::uint64_t Length() override {
    LARGE_INTEGER size{};
    return ::GetFileSizeEx(file_.get(), &size) ? static_cast<std::uint64_t>(size.QuadPart) : 0;
  }
  std::size_t Read(std::uint8_t* into, std::size_t size) override {
    std::size_t total = 0;
    while (total < size) {
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size - total, 1 << 20));
      DWORD n = 0;
      if (!::ReadFile(file_.get(), into + total, chunk, &n, nullptr) || n == 0) break;
      total += n;
    }
    return total;
  }

 private:
  FileHandle file_;
};

}  // namespace

bool WindowMessenger::WindowExists(const char* title) { return ::FindWindowA(nullptr, title) != nullptr; }

bool WindowMessenger::PostToWindow(const char* title, unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
  return PostToWindowTitled(title, message, wParam, lParam);
}

void WindowMessenger::PostToSelf(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
  ::PostMessageA(window_, message, wParam, lParam);
}

void WindowMessenger::PostDeviceJob(unsigned job, std::intptr_t lParam) {
  if (postDeviceJob_) postDeviceJob_(job, lParam);
}

void SystemSound::Purge() { ::PlaySoundA(nullptr, nullptr, 0); }

void SystemSound::Play(const std::uint8_t* wave, std::size_t, const std::string& path) {
  const BOOL played = ::PlaySoundA(reinterpret_cast<LPCSTR>(wave), nullptr, SND_MEMORY | SND_ASYNC | SND_NOWAIT);
  const std::string line = "PlayFeedbackSound " + path.substr(path.find_last_of('\\') + 1) +
                           (played ? "\n" : " (no sound device)\n");
  ::OutputDebugStringA(line.c_str());
}

std::size_t LockedSoundMemory::PageSize() {
  SYSTEM_INFO info{};
  ::GetSystemInfo(&info);
  return info.dwPageSize;
}

std::uint8_t* LockedSoundMemory::Allocate(std::size_t bytes) {
  void* memory = ::VirtualAlloc(nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (!memory) return nullptr;
  ::VirtualLock(memory, bytes);  // a refused lock leaves ordinary memory: the sound still plays
  return static_cast<std::uint8_t*>(memory);
}

void LockedSoundMemory::Free(std::uint8_t* memory, std::size_t bytes) {
  ::VirtualUnlock(memory, bytes);
  ::VirtualFree(memory, 0, MEM_RELEASE);
}

std::unique_ptr<ReadableFile> SystemFiles::Open(const std::string& path) {
  FileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return nullptr;
  return std::make_unique<SystemFile>(std::move(file));
}

bool PrivateProfileFiles::FileExists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool PrivateProfileFiles::CreateEmptyFile(const std::string& path) {
  FileHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  return static_cast<bool>(file);
}

bool PrivateProfileFiles::WriteInt(const std::string& path, const char* section, const char* key, int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", value);
  return ::WritePrivateProfileStringA(section, key, text, path.c_str()) != FALSE;
}

LocalTime SystemClock::Now() {
  SYSTEMTIME t{};
  ::GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute};
}

std::optional<std::string> ForegroundProgram::ForegroundExecutableName() {
  std::string name = ForegroundProgramName();
  if (name.empty()) return std::nullopt;
  return name;
}

}  // namespace orvix
