#include "SystemInput_win.h"

#include <mmsystem.h>

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

PrecisionClock::PrecisionClock() {
  ::QueryPerformanceFrequency(&frequency_);
  timer_.reset(::CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS));
  highResolution_ = static_cast<bool>(timer_);
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

bool PrecisionClock::SleepUntil(PlaybackTime deadline) {
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
