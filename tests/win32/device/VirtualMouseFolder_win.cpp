#include "VirtualMouseFolder_win.h"

#include <windows.h>

#include <cstdlib>
#include <stdexcept>

#include "WinHandles.h"

namespace orvix::test {
namespace {

std::string InstallFolder() {
  const char* binary = std::getenv("ORVIX_BINARY_DIR");
  if (!binary) throw std::runtime_error("ORVIX_BINARY_DIR is not set");
  std::string folder = std::string("Z:") + binary + "/OrvixOne/";
  for (char& c : folder)
    if (c == '/') c = '\\';
  return folder;
}

}  // namespace

VirtualMouseFolder::VirtualMouseFolder() {
  char temp[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, temp);
  char unique[MAX_PATH] = {};
  ::GetTempFileNameA(temp, "vmo", 0, unique);
  ::DeleteFileA(unique);
  if (!::CreateDirectoryA(unique, nullptr)) throw std::runtime_error("cannot create a folder");
  folder_ = std::string(unique) + "\\";
  const std::string source = InstallFolder();
  for (const char* file : {"hiddriver.dll", "OrvixOneMouseControl.exe"})
    if (!::CopyFileA((source + file).c_str(), (folder_ + file).c_str(), FALSE))
      throw std::runtime_error(std::string("cannot copy ") + file);
}

VirtualMouseFolder::~VirtualMouseFolder() {
  for (const char* file : {"hiddriver.dll", "OrvixOneMouseControl.exe", "VirtualMouse.dat", "VirtualMouse.dat.new"})
    ::DeleteFileA((folder_ + file).c_str());
  ::RemoveDirectoryA(folder_.c_str());
}

ToolResult RunControlTool(const std::string& folder, const std::string& arguments) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!::CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return {};
  KernelHandle reader(readEnd);
  KernelHandle writer(writeEnd);
  ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + folder + "OrvixOneMouseControl.exe\" " + arguments;
  if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &process))
    return {};
  KernelHandle processHandle(process.hProcess);
  KernelHandle threadHandle(process.hThread);
  writer.reset();  // only the tool writes now: the pipe breaks when it ends

  ToolResult result;
  char buffer[4096];
  DWORD got = 0;
  while (::ReadFile(reader.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) result.output.append(buffer, got);
  ::WaitForSingleObject(processHandle.get(), 20000);
  DWORD code = 1;
  ::GetExitCodeProcess(processHandle.get(), &code);
  result.exitCode = code;
  return result;
}

}  // namespace orvix::test
