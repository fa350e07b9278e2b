#include "DebugOutputListener_win.h"

#include <cstring>
#include <stdexcept>

#include "MonitorHarness_win.h"

namespace orvix::test {
namespace {

// The channel's layout: the writer's process id, then its text, terminated.
constexpr DWORD kBufferSize = 4096;

}  // namespace

DebugOutputListener::DebugOutputListener() {
  mapping_.reset(::CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kBufferSize, "DBWIN_BUFFER"));
  bufferReady_.reset(::CreateEventA(nullptr, FALSE, FALSE, "DBWIN_BUFFER_READY"));
  dataReady_.reset(::CreateEventA(nullptr, FALSE, FALSE, "DBWIN_DATA_READY"));
  if (!mapping_ || !bufferReady_ || !dataReady_ || ::GetLastError() == ERROR_ALREADY_EXISTS)
    throw std::runtime_error("the debugger output channel is taken or cannot be made");
  view_.reset(::MapViewOfFile(mapping_.get(), FILE_MAP_READ, 0, 0, kBufferSize));
  if (!view_) throw std::runtime_error("cannot map the debugger output channel");
  thread_ = std::thread([this] { Listen(); });
}

DebugOutputListener::~DebugOutputListener() {
  stop_ = true;
  thread_.join();
}

void DebugOutputListener::Listen() {
  const auto* buffer = static_cast<const char*>(view_.get());
  ::SetEvent(bufferReady_.get());
  while (!stop_) {
    if (::WaitForSingleObject(dataReady_.get(), 50) != WAIT_OBJECT_0) continue;
    DWORD writer = 0;
    std::memcpy(&writer, buffer, sizeof writer);
    const char* text = buffer + sizeof writer;
    const std::string line(text, strnlen(text, kBufferSize - sizeof writer));
    if (processId_ == 0 || writer == processId_) {
      std::lock_guard<std::mutex> lock(mutex_);
      lines_.push_back(line);
    }
    ::SetEvent(bufferReady_.get());
  }
}

std::vector<std::string> DebugOutputListener::Lines() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return lines_;
}

std::vector<std::string> DebugOutputListener::LinesStartingWith(const std::string& prefix) const {
  std::vector<std::string> found;
  for (const std::string& line : Lines()) {
    if (line.compare(0, prefix.size(), prefix) != 0) continue;
    std::string rest = line.substr(prefix.size());
    while (!rest.empty() && (rest.back() == '\n' || rest.back() == '\r')) rest.pop_back();
    found.push_back(rest);
  }
  return found;
}

bool DebugOutputListener::WaitUntil(const std::function<bool(const std::vector<std::string>&)>& done,
                                    DWORD timeoutMs) const {
  const DWORD start = ::GetTickCount();
  while (!done(Lines())) {
    if (::GetTickCount() - start >= timeoutMs) return false;
    PumpFor(20);  // the test's own windows may be sent messages meanwhile
  }
  return true;
}

}  // namespace orvix::test
