// OrvixOneMouseControl: drives the virtual mouse inside a running monitor (or any process
// that loaded hiddriver.dll and called Open_DevMonitor). The command line is one command
// of the virtual mouse's control language; the answer goes to standard output.
// Exit code: 0 done, 1 refused, 2 no virtual mouse to talk to.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

#include "ControlCommands.h"
#include "WinHandles.h"

namespace {

constexpr DWORD kConnectTimeoutMs = 5000;

int Usage() {
  std::printf(
      "Usage: OrvixOneMouseControl <command>\n"
      "Drives the virtual Orvix One inside the running monitor.\n\n%s"
      "\nExit code: 0 done, 1 the mouse refused the command, 2 no virtual mouse is running.\n",
      orvix::vmouse::ControlHelp().c_str());
  return 0;
}

orvix::FileHandle Connect() {
  const DWORD start = ::GetTickCount();
  for (;;) {
    orvix::FileHandle pipe(::CreateFileA(orvix::vmouse::kControlPipeName, GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                         OPEN_EXISTING, 0, nullptr));
    if (pipe) return pipe;
    // Another client is being served: wait for the pipe to be free.
    if (::GetLastError() != ERROR_PIPE_BUSY || ::GetTickCount() - start > kConnectTimeoutMs) return {};
    ::WaitNamedPipeA(orvix::vmouse::kControlPipeName, kConnectTimeoutMs);
  }
}

// The answer's length in 4 bytes, then its text; empty when the pipe broke before.
std::string ReadAnswer(HANDLE pipe) {
  std::string received;
  char buffer[4096];
  DWORD got = 0;
  while (::ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    received.append(buffer, got);
    if (received.size() < 4) continue;
    const std::size_t length = static_cast<unsigned char>(received[0]) | static_cast<unsigned char>(received[1]) << 8 |
                               static_cast<unsigned char>(received[2]) << 16 |
                               static_cast<std::size_t>(static_cast<unsigned char>(received[3])) << 24;
    if (received.size() >= 4 + length) return received.substr(4, length);
  }
  return "";
}

}  // namespace

int main(int argc, char** argv) {
  // The dump is text for tests and pipes as much as for a console: lines end in "\n".
  ::_setmode(::_fileno(stdout), _O_BINARY);
  std::string command;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) command += ' ';
    command += argv[i];
  }
  if (command.empty() || command == "--help" || command == "-h" || command == "/?") return Usage();

  orvix::FileHandle pipe = Connect();
  if (!pipe) {
    std::fprintf(stderr, "No virtual mouse is running (is the monitor started?)\n");
    return 2;
  }
  command += '\n';
  DWORD written = 0;
  if (!::WriteFile(pipe.get(), command.data(), static_cast<DWORD>(command.size()), &written, nullptr)) {
    std::fprintf(stderr, "The virtual mouse did not take the command\n");
    return 2;
  }
  const std::string answer = ReadAnswer(pipe.get());

  const std::size_t firstLineEnd = answer.find('\n');
  const std::string status = answer.substr(0, firstLineEnd);
  if (status != "ok") {
    std::fprintf(stderr, "%s\n", status.empty() ? "no answer from the virtual mouse" : status.c_str());
    return status.empty() ? 2 : 1;
  }
  if (firstLineEnd != std::string::npos) std::fputs(answer.c_str() + firstLineEnd + 1, stdout);
  return 0;
}
