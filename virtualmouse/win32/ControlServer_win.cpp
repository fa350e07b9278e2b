#include "ControlServer_win.h"

#include "ControlCommands.h"

namespace orvix::vmouse {
namespace {

constexpr DWORD kBufferBytes = 64 * 1024;
constexpr DWORD kClientTimeoutMs = 5000;
constexpr std::size_t kMaxCommandBytes = 4096;

}  // namespace

bool ControlServer::Start() {
  if (thread_) return true;
  pipe_.reset(::CreateNamedPipeA(kControlPipeName, PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
                                 PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT, 1, kBufferBytes, kBufferBytes, 0,
                                 nullptr));
  stop_.reset(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
  ioEvent_.reset(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
  if (!pipe_ || !stop_ || !ioEvent_) {
    pipe_.reset();
    return false;
  }
  // The thread keeps the library loaded while it runs, so that an unload without
  // Close_DevMonitor cannot pull the code from under it.
  HMODULE self = nullptr;
  ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(&ControlServer::Main), &self);
  thread_.reset(::CreateThread(nullptr, 0, &ControlServer::Main, this, 0, nullptr));
  if (!thread_) {
    if (self) ::FreeLibrary(self);
    pipe_.reset();
    return false;
  }
  return true;
}

void ControlServer::Stop() {
  if (!thread_) return;
  ::SetEvent(stop_.get());
  ::WaitForSingleObject(thread_.get(), INFINITE);
  thread_.reset();
  pipe_.reset();
}

DWORD WINAPI ControlServer::Main(void* self) {
  static_cast<ControlServer*>(self)->Serve();
  HMODULE module = nullptr;
  ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&ControlServer::Main), &module);
  if (module) ::FreeLibraryAndExitThread(module, 0);
  return 0;
}

bool ControlServer::Await(OVERLAPPED& overlapped, DWORD timeoutMs, DWORD* transferred) {
  HANDLE waits[2] = {overlapped.hEvent, stop_.get()};
  const DWORD woke = ::WaitForMultipleObjects(2, waits, FALSE, timeoutMs);
  if (woke != WAIT_OBJECT_0) {
    ::CancelIo(pipe_.get());
    ::GetOverlappedResult(pipe_.get(), &overlapped, transferred, TRUE);
    return false;
  }
  return ::GetOverlappedResult(pipe_.get(), &overlapped, transferred, FALSE) != 0;
}

void ControlServer::Serve() {
  while (::WaitForSingleObject(stop_.get(), 0) != WAIT_OBJECT_0) {
    OVERLAPPED connect{};
    connect.hEvent = ioEvent_.get();
    ::ResetEvent(ioEvent_.get());
    DWORD unused = 0;
    bool connected = ::ConnectNamedPipe(pipe_.get(), &connect) != 0;
    if (!connected) {
      const DWORD error = ::GetLastError();
      if (error == ERROR_PIPE_CONNECTED) connected = true;
      else if (error == ERROR_IO_PENDING) connected = Await(connect, INFINITE, &unused);
    }
    if (::WaitForSingleObject(stop_.get(), 0) == WAIT_OBJECT_0) break;
    if (connected) ServeClient();
    ::DisconnectNamedPipe(pipe_.get());
  }
}

void ControlServer::ServeClient() {
  std::string command;
  char buffer[512];
  while (command.find('\n') == std::string::npos && command.size() < kMaxCommandBytes) {
    OVERLAPPED read{};
    read.hEvent = ioEvent_.get();
    ::ResetEvent(ioEvent_.get());
    DWORD got = 0;
    if (!::ReadFile(pipe_.get(), buffer, sizeof buffer, &got, &read)) {
      if (::GetLastError() != ERROR_IO_PENDING || !Await(read, kClientTimeoutMs, &got)) break;
    }
    if (got == 0) break;
    command.append(buffer, got);
  }
  if (command.empty()) return;
  // The answer goes out after its length (4 bytes, low byte first): the client then knows
  // where it ends while the pipe is still open.
  const std::string text = handler_(command.substr(0, command.find('\n')));
  std::string answer(4, '\0');
  for (int i = 0; i < 4; ++i) answer[i] = static_cast<char>((text.size() >> (8 * i)) & 0xFF);
  answer += text;

  std::size_t sent = 0;
  while (sent < answer.size()) {
    OVERLAPPED write{};
    write.hEvent = ioEvent_.get();
    ::ResetEvent(ioEvent_.get());
    DWORD put = 0;
    const DWORD size = static_cast<DWORD>(answer.size() - sent);
    if (!::WriteFile(pipe_.get(), answer.data() + sent, size, &put, &write)) {
      if (::GetLastError() != ERROR_IO_PENDING || !Await(write, kClientTimeoutMs, &put)) return;
    }
    if (put == 0) return;
    sent += put;
  }
  // Wait for the client to hang up before disconnecting, or the last bytes of the answer
  // could be discarded.
  OVERLAPPED hangUp{};
  hangUp.hEvent = ioEvent_.get();
  ::ResetEvent(ioEvent_.get());
  DWORD got = 0;
  if (!::ReadFile(pipe_.get(), buffer, sizeof buffer, &got, &hangUp) && ::GetLastError() == ERROR_IO_PENDING)
    Await(hangUp, kClientTimeoutMs, &got);
}

}  // namespace orvix::vmouse
