// Recording fakes for synthetic input and playback time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "actions/SyntheticInput.h"

namespace orvix::test {

// Time advances only by waits. With a granularity, every wait ends on the next multiple
// of it, like Sleep on a 15.625 ms system timer.
class FakeClock : public PlaybackClock {
 public:
  explicit FakeClock(PlaybackTime granularity = PlaybackTime(0)) : granularity_(granularity) {}
  PlaybackTime Now() const override { return now_; }
  bool SleepUntil(PlaybackTime deadline) override {
    if (interrupted_) return false;
    if (deadline > now_) {
      now_ = deadline;
      if (granularity_.count() > 0) {
        const auto g = granularity_.count();
        now_ = PlaybackTime((now_.count() + g - 1) / g * g);
      }
    }
    return true;
  }
  void Interrupt() override { interrupted_ = true; }
  void ClearInterrupt() override { interrupted_ = false; }
  void Advance(PlaybackTime by) { now_ += by; }

 private:
  PlaybackTime granularity_;
  PlaybackTime now_{0};
  bool interrupted_ = false;
};

struct InputEvent {
  PlaybackTime at;
  bool isKey;
  std::uint8_t virtualKey;
  bool up;
  std::uint32_t mouseFlags;
  std::int32_t mouseData;
};

class RecordingInput : public InputSink {
 public:
  explicit RecordingInput(const PlaybackClock& clock) : clock_(clock) {}
  void Key(std::uint8_t vk, std::uint8_t, bool up) override { events.push_back({clock_.Now(), true, vk, up, 0, 0}); }
  void Mouse(std::uint32_t flags, std::int32_t data) override {
    events.push_back({clock_.Now(), false, 0, false, flags, data});
  }
  // "A+", "A-", "M0x2/0" … for readable comparisons.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const InputEvent& e : events) {
      char text[32];
      if (e.isKey)
        std::snprintf(text, sizeof text, "%02X%c", e.virtualKey, e.up ? '-' : '+');
      else
        std::snprintf(text, sizeof text, "M%X/%d", e.mouseFlags, e.mouseData);
      names.push_back(text);
    }
    return names;
  }
  std::vector<InputEvent> events;

 private:
  const PlaybackClock& clock_;
};

// Usages: letters 4..29 → 'A'..'Z'; 224..231 → the left/right modifier keys; others unknown.
class FakeKeys : public KeyTranslator {
 public:
  std::uint8_t VirtualKeyOf(std::uint8_t usage) const override {
    if (usage >= 4 && usage <= 29) return static_cast<std::uint8_t>('A' + usage - 4);
    static const std::uint8_t modifiers[8] = {0xA2, 0xA0, 0xA4, 0x5B, 0xA3, 0xA1, 0xA5, 0x5C};
    if (usage >= 224 && usage <= 231) return modifiers[usage - 224];
    return 0;
  }
  std::uint8_t ScanCodeOf(std::uint8_t vk) const override { return static_cast<std::uint8_t>(vk ^ 0x55); }
};

class NullTrace : public TraceSink {
 public:
  void Trace(const char* line) override { lines.emplace_back(line); }
  std::vector<std::string> lines;
};

}  // namespace orvix::test
