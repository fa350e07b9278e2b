#include "SystemInput_win.h"

#include <mmsystem.h>

#include <algorithm>

#include "ProcAddress_win.h"

namespace orvix {
namespace {

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
constexpr DWORD CREATE_WAITABLE_TIMER_HIGH_RESOLUTION = 0x00000002;
#endif

// Keys that live in the extended part of the keyboard: without the flag a game reading
// scan codes would see the numeric keypad's arrows instead.
bool IsExtendedKey(std::uint8_t vk) {
  switch (vk) {
    case VK_PRIOR: case VK_NEXT: case VK_END: case VK_HOME:
    case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN:
    case VK_INSERT: case VK_DELETE: case VK_DIVIDE: case VK_NUMLOCK:
    case VK_RCONTROL: case VK_RMENU: case VK_LWIN: case VK_RWIN: case VK_APPS:
    case VK_SNAPSHOT:
      return true;
    default:
      return false;
  }
}

}  // namespace

void SystemInput::Key(std::uint8_t virtualKey, std::uint8_t scanCode, bool up) {
  DWORD flags = up ? KEYEVENTF_KEYUP : 0;
  if (IsExtendedKey(virtualKey)) flags |= KEYEVENTF_EXTENDEDKEY;
  ::keybd_event(virtualKey, scanCode, flags, 0);
}

void SystemInput::Mouse(std::uint32_t flags, std::int32_t data) {
  ::mouse_event(flags, 0, 0, static_cast<DWORD>(data), static_cast<ULONG_PTR>(::GetMessageExtraInfo()));
}

namespace {

using NtDelayExecutionFn = LONG NTAPI(BOOLEAN alertable, const LARGE_INTEGER* interval);

NtDelayExecutionFn* NtDelayExecution() {
  static NtDelayExecutionFn* const delay =
      ProcAddress<NtDelayExecutionFn>(::GetModuleHandleA("ntdll.dll"), "NtDelayExecution");
  return delay;
}

long long MicrosecondsSince(const LARGE_INTEGER& start, const LARGE_INTEGER& frequency) {
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  return (now.QuadPart - start.QuadPart) * 1000000 / frequency.QuadPart;
}

// Whether a non-alertable delay of a few microseconds really returns within a fraction of
// a millisecond. Under Wine it is a plain select() inside the process, precise to tens of
// microseconds, while its waitable timers go through the Wine server and wake up to a
// millisecond late; on Windows every such delay lasts at least a timer tick (0.5 ms or more).
// Measured once per process.
bool ShortDelaysArePrecise() {
  static const bool precise = [] {
    NtDelayExecutionFn* delay = NtDelayExecution();
    if (!delay) return false;
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    constexpr long long kPreciseUs = 350;
    for (int i = 0; i < 3; ++i) {  // all three: one lucky short delay proves nothing
      LARGE_INTEGER start;
      ::QueryPerformanceCounter(&start);
      LARGE_INTEGER fiftyUs;
      fiftyUs.QuadPart = -500;  // relative, in 100 ns units
      delay(FALSE, &fiftyUs);
      if (MicrosecondsSince(start, frequency) > kPreciseUs) return false;
    }
    return true;
  }();
  return precise;
}

}  // namespace

PrecisionClock::PrecisionClock() {
  ::QueryPerformanceFrequency(&frequency_);
  preciseDelays_ = ShortDelaysArePrecise();
  timer_.reset(::CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS));
  highResolution_ = static_cast<bool>(timer_) || preciseDelays_;
  if (!timer_) timer_.reset(::CreateWaitableTimerW(nullptr, TRUE, nullptr));
  interrupt_.reset(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
}

PlaybackTime PrecisionClock::Now() const {
  LARGE_INTEGER counter;
  ::QueryPerformanceCounter(&counter);
  const long long seconds = counter.QuadPart / frequency_.QuadPart;
  const long long rest = counter.QuadPart % frequency_.QuadPart;
  return PlaybackTime(seconds * 1000000 + rest * 1000000 / frequency_.QuadPart);
}

void PrecisionClock::Interrupt() {
  interrupted_.store(true);
  ::SetEvent(interrupt_.get());
}

void PrecisionClock::ClearInterrupt() {
  interrupted_.store(false);
  ::ResetEvent(interrupt_.get());
}

bool PrecisionClock::SleepUntil(PlaybackTime deadline) {
  return preciseDelays_ ? SleepInSlices(deadline) : SleepOnTimer(deadline);
}

bool PrecisionClock::SleepInSlices(PlaybackTime deadline) {
  // Short slices, so that a stop is seen within one; the flag needs no call to the server.
  constexpr long long kSliceUs = 2000;
  NtDelayExecutionFn* delay = NtDelayExecution();
  for (;;) {
    if (interrupted_.load()) return false;
    const long long remaining = (deadline - Now()).count();
    if (remaining <= 0) return true;
    LARGE_INTEGER interval;
    interval.QuadPart = -std::min(remaining, kSliceUs) * 10;  // relative, in 100 ns units
    delay(FALSE, &interval);
  }
}

bool PrecisionClock::SleepOnTimer(PlaybackTime deadline) {
  // The timer wakes us a little before the deadline; the rest is waited out by yielding,
  // so that a late wake-up of the timer does not make the event late.
  constexpr long long kSpinUs = 500;
  for (;;) {
    if (::WaitForSingleObject(interrupt_.get(), 0) == WAIT_OBJECT_0) return false;
    const long long remaining = (deadline - Now()).count();
    if (remaining <= 0) return true;
    if (remaining <= kSpinUs) {
      ::SwitchToThread();
      continue;
    }
    const long long sleepUs = remaining - kSpinUs;
    if (!timer_) {
      ::Sleep(static_cast<DWORD>(sleepUs / 1000));
      continue;
    }
    LARGE_INTEGER due;
    due.QuadPart = -sleepUs * 10;  // relative, in 100 ns units
    ::SetWaitableTimer(timer_.get(), &due, 0, nullptr, nullptr, FALSE);
    HANDLE handles[2] = {interrupt_.get(), timer_.get()};
    if (::WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0) return false;
  }
}

MillisecondTimerScope::MillisecondTimerScope(bool needed) {
  if (needed) raised_ = ::timeBeginPeriod(1) == TIMERR_NOERROR;
}

MillisecondTimerScope::~MillisecondTimerScope() {
  if (raised_) ::timeEndPeriod(1);
}

void KeepTimerResolutionWhenHidden() {
  // The PROCESS_POWER_THROTTLING_STATE layout of the system headers, which older SDKs lack.
  struct PowerThrottlingState {
    ULONG version, controlMask, stateMask;
  };
  constexpr int kProcessPowerThrottling = 4;
  constexpr ULONG kIgnoreTimerResolution = 0x4;
  using SetProcessInformationFn = BOOL WINAPI(HANDLE, int, void*, DWORD);
  auto set = ProcAddress<SetProcessInformationFn>(::GetModuleHandleA("kernel32.dll"), "SetProcessInformation");
  if (!set) return;
  PowerThrottlingState state{1, kIgnoreTimerResolution, 0};  // opt out: our timer requests count
  set(::GetCurrentProcess(), kProcessPowerThrottling, &state, sizeof state);
}

}  // namespace orvix
