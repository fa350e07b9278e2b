// What the button actions need to press keys and mouse buttons and to wait: one small
// interface each, so that the exact event stream and its timing are tested with fakes.
#pragma once

#include <chrono>
#include <cstdint>

namespace orvix {

// mouse_event flags and the X button numbers, as the system defines them.
enum MouseEventFlag : std::uint32_t {
  kMouseLeftDown = 0x0002,
  kMouseLeftUp = 0x0004,
  kMouseRightDown = 0x0008,
  kMouseRightUp = 0x0010,
  kMouseMiddleDown = 0x0020,
  kMouseMiddleUp = 0x0040,
  kMouseXDown = 0x0080,
  kMouseXUp = 0x0100,
  kMouseAbsolute = 0x8000,
};
constexpr std::int32_t kXButton1 = 1;
constexpr std::int32_t kXButton2 = 2;

class InputSink {
 public:
  virtual ~InputSink() = default;
  virtual void Key(std::uint8_t virtualKey, std::uint8_t scanCode, bool up) = 0;
  virtual void Mouse(std::uint32_t flags, std::int32_t data) = 0;
};

// Key codes of macros and shortcuts → what the system needs to send them.
class KeyTranslator {
 public:
  virtual ~KeyTranslator() = default;
  // 0 when the key table has no row for the usage.
  virtual std::uint8_t VirtualKeyOf(std::uint8_t usage) const = 0;
  virtual std::uint8_t ScanCodeOf(std::uint8_t virtualKey) const = 0;
};

using PlaybackTime = std::chrono::microseconds;

// Monotonic time and waits on absolute deadlines, so that rounding of single waits never
// accumulates over a pass.
class PlaybackClock {
 public:
  virtual ~PlaybackClock() = default;
  virtual PlaybackTime Now() const = 0;
  // Returns true at the deadline, or false as soon as Interrupt() was called (the call
  // stays pending until ClearInterrupt(), so one made just before the wait counts too).
  virtual bool SleepUntil(PlaybackTime deadline) = 0;
  virtual void Interrupt() = 0;  // any thread
  virtual void ClearInterrupt() = 0;
};

// Trace lines to the debugger output channel.
class TraceSink {
 public:
  virtual ~TraceSink() = default;
  virtual void Trace(const char* line) = 0;
};

// Left/right Shift, Ctrl and Alt are sent as the generic keys.
std::uint8_t GenericModifier(std::uint8_t virtualKey);

}  // namespace orvix
