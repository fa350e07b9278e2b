// A worker thread with its own message queue: jobs arrive as thread messages, WM_QUIT
// ends it. Stopping waits a bounded time and then terminates a thread that hangs.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>

#include "WinHandles.h"

namespace orvix {

class MessageThread {
 public:
  using Handler = std::function<void(UINT message, WPARAM wParam, LPARAM lParam)>;

  MessageThread() = default;
  MessageThread(const MessageThread&) = delete;
  MessageThread& operator=(const MessageThread&) = delete;
  ~MessageThread() { Stop(); }

  // Starts the thread (initial stack commit `stackSize`) and returns once its queue exists,
  // so that the first posted message cannot be lost.
  bool Start(Handler handler, SIZE_T stackSize = 4096) {
    handler_ = std::move(handler);
    ready_.reset(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!ready_) return false;
    DWORD id = 0;
    thread_.reset(::CreateThread(nullptr, stackSize, &MessageThread::Main, this, 0, &id));
    if (!thread_) return false;
    id_ = id;
    HANDLE waits[2] = {ready_.get(), thread_.get()};
    return ::WaitForMultipleObjects(2, waits, FALSE, INFINITE) == WAIT_OBJECT_0;
  }

  bool Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return id_ != 0 && ::PostThreadMessageA(id_, message, wParam, lParam);
  }

  // Posts WM_QUIT, waits at most `timeoutMs`, terminates the thread if it has not ended.
  void Stop(DWORD timeoutMs = 1000) {
    if (!thread_) return;
    ::PostThreadMessageA(id_, WM_QUIT, 0, 0);
    if (::WaitForSingleObject(thread_.get(), timeoutMs) != WAIT_OBJECT_0) ::TerminateThread(thread_.get(), 1);
    thread_.reset();
    id_ = 0;
  }

  DWORD id() const { return id_; }
  bool running() const { return static_cast<bool>(thread_); }

 private:
  static DWORD WINAPI Main(void* parameter) {
    auto* self = static_cast<MessageThread*>(parameter);
    MSG message;
    ::PeekMessageA(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // creates the queue
    ::SetEvent(self->ready_.get());
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) self->handler_(message.message, message.wParam, message.lParam);
    return 0;
  }

  Handler handler_;
  KernelHandle ready_;
  KernelHandle thread_;
  DWORD id_ = 0;
};

}  // namespace orvix
