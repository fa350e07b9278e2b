#include "InstallCopy_win.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdlib>
#include <stdexcept>

#include "WinHandles.h"

namespace orvix::test {
namespace {

// SHFileOperation takes lists terminated by two NULs.
std::string DoubleTerminated(const std::string& path) { return path + std::string(2, '\0'); }

std::string UnixToWindowsPath(const std::string& path) {
  std::string windows = "Z:" + path;
  for (char& c : windows)
    if (c == '/') c = '\\';
  return windows;
}

}  // namespace

std::string BuildInstallFolder() {
  if (const char* binary = std::getenv("ORVIX_BINARY_DIR")) return UnixToWindowsPath(binary) + "\\OrvixOne\\";
  // Run by hand: test and benchmark programs sit in a folder beside the install folder.
  char path[MAX_PATH] = {};
  const DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, n < MAX_PATH ? n : 0);
  folder = folder.substr(0, folder.find_last_of('\\'));
  folder = folder.substr(0, folder.find_last_of('\\') + 1);
  return folder + "OrvixOne\\";
}

InstallCopy::InstallCopy() {
  char temp[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, temp);
  char unique[MAX_PATH] = {};
  ::GetTempFileNameA(temp, "orv", 0, unique);
  ::DeleteFileA(unique);
  folder_ = std::string(unique) + "\\";

  const std::string to = folder_.substr(0, folder_.size() - 1);
  if (!::CreateDirectoryA(to.c_str(), nullptr)) throw std::runtime_error("cannot create " + to);
  // Only what the build installs: files the programs write at run time (configuration,
  // profiles, the virtual mouse's memory) would make a test depend on earlier runs.
  const std::string source = BuildInstallFolder();
  for (const char* item : {"*.exe", "*.dll", "Wave", "Gif", "help", "FWUpdate", "Skin"}) {
    WIN32_FIND_DATAA found;
    if (!FindHandle(::FindFirstFileA((source + item).c_str(), &found))) continue;  // nothing of that kind
    const std::string from = DoubleTerminated(source + item);
    const std::string into = DoubleTerminated(to);
    SHFILEOPSTRUCTA op{};
    op.wFunc = FO_COPY;
    op.pFrom = from.c_str();
    op.pTo = into.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR | FOF_SILENT | FOF_NOERRORUI;
    if (::SHFileOperationA(&op) != 0) throw std::runtime_error(std::string("cannot copy ") + item);
  }
  ::CreateDirectoryA((folder_ + "config").c_str(), nullptr);
}

InstallCopy::~InstallCopy() {
  const std::string path = DoubleTerminated(folder_.substr(0, folder_.size() - 1));
  SHFILEOPSTRUCTA op{};
  op.wFunc = FO_DELETE;
  op.pFrom = path.c_str();
  op.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
  ::SHFileOperationA(&op);
}

}  // namespace orvix::test
