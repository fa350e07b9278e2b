// A stand-in for a program the monitor starts (a quick-launch game, a media player, the
// configuration program): it only notes that it ran, writing its command line to
// "<its own path>.started", and ends.
#include <windows.h>

#include <string>

#include "WinHandles.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH] = {};
  const DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return 1;
  const std::string note = std::string(path) + ".started";
  const orvix::FileHandle file(
      ::CreateFileA(note.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return 1;
  const std::string commandLine = ::GetCommandLineA();
  DWORD written = 0;
  return ::WriteFile(file.get(), commandLine.data(), static_cast<DWORD>(commandLine.size()), &written, nullptr) ? 0 : 1;
}
