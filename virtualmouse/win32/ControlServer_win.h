// The control channel of the virtual mouse: a named pipe served by a thread of the
// library. A client writes one command line ended by a newline and reads the answer: its
// length in 4 bytes (low byte first), then the text.
// Only the first library in a session gets the pipe; another copy runs without one.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "WinHandles.h"

namespace orvix::vmouse {

class ControlServer {
 public:
  using Handler = std::function<std::string(std::string_view command)>;

  explicit ControlServer(Handler handler) : handler_(std::move(handler)) {}
  ControlServer(const ControlServer&) = delete;
  ControlServer& operator=(const ControlServer&) = delete;
  ~ControlServer() { Stop(); }

  // False when the pipe exists already (another library serves it) or cannot be made.
  bool Start();
  void Stop();

 private:
  static DWORD WINAPI Main(void* self);
  void Serve();
  // One overlapped operation finished, or the stop event came first (false).
  bool Await(OVERLAPPED& overlapped, DWORD timeoutMs, DWORD* transferred);
  void ServeClient();

  Handler handler_;
  FileHandle pipe_;
  KernelHandle stop_;
  KernelHandle ioEvent_;
  KernelHandle thread_;
};

}  // namespace orvix::vmouse
