#include "MacroPlayer.h"

#include <cstdio>
#include <vector>

namespace orvix {
namespace {

constexpr std::uint8_t kFirstMouseKey = 240;
constexpr std::uint8_t kLastMouseKey = 244;

bool IsMouseKey(std::uint8_t key) { return key >= kFirstMouseKey && key <= kLastMouseKey; }

PlaybackTime Ms(int ms) { return std::chrono::milliseconds(ms); }

// mouse_event flags and data of a mouse key; the X buttons: 243 is the second, 244 the first.
struct MouseAction {
  std::uint32_t down, up;
  std::int32_t data;
};
MouseAction MouseActionOf(std::uint8_t key) {
  switch (key) {
    case 240: return {kMouseLeftDown, kMouseLeftUp, 0};
    case 241: return {kMouseRightDown, kMouseRightUp, 0};
    case 242: return {kMouseMiddleDown, kMouseMiddleUp, 0};
    case 243: return {kMouseXDown, kMouseXUp, kXButton2};
    default: return {kMouseXDown, kMouseXUp, kXButton1};
  }
}

class Player {
 public:
  Player(MacroPlaybackState& state, const MacroPlayerPorts& ports) : state_(state), ports_(ports) {}

  void Run(const MacroEvent* events, int start, int end, int loops) {
    int passesDone = 0;
    for (int pass = 0; pass < loops && !Stopped(); ++pass) {
      for (int j = start; j < end; ++j) {
        state_.currentIndex = j;
        if (Stopped()) break;
        Play(events[j]);
      }
      if (Stopped()) break;
      ++passesDone;
    }
    state_.remainingLoops = loops - passesDone;
    Trace("g_iCurAction= %d,start=%d,end=%d\n", state_.currentIndex.load(), start, end);
    ReleaseHeld();
  }

 private:
  bool Stopped() const { return state_.stop.load(); }

  void Wait(int ms) {
    // The schedule starts when the first event has gone out: a slow first send (the
    // system setting up its input path) must not shorten the gaps that follow.
    if (!anchored_) {
      deadline_ = ports_.clock.Now();
      anchored_ = true;
    }
    deadline_ += Ms(ms);
    ports_.clock.SleepUntil(deadline_);
  }

  void Play(const MacroEvent& event) {
    const int delay = event.delay == 0 ? 1 : event.delay;
    const bool press = event.direction == kKeyPress;
    const bool release = event.direction == kKeyRelease;
    if (!press && !release) return;  // no such direction: nothing is sent, no time passes

    if (IsMouseKey(event.key)) {
      const MouseAction action = MouseActionOf(event.key);
      ports_.input.Mouse(press ? action.down : action.up, action.data);
      Remember(event.key, press);
      Wait(delay);
      return;
    }

    const std::uint8_t vk = GenericModifier(ports_.keys.VirtualKeyOf(event.key));
    if (vk == 0) {
      // A key the table does not know would be sent as virtual key 0: skipped, timing kept.
      Trace("macro: key %d has no virtual key, skipped\n", event.key, 0, 0);
      Wait(delay);
      return;
    }
    const std::uint8_t scan = ports_.keys.ScanCodeOf(vk);
    ports_.input.Key(vk, scan, release);
    Remember(event.key, press);
    if (release || delay <= kAutoRepeatAfterMs) {
      Wait(delay);
      return;
    }
    // A long press: the keyboard's own auto-repeat, emulated for the rest of the delay.
    Wait(kAutoRepeatAfterMs);
    for (int n = delay - kAutoRepeatAfterMs; n > 0; n -= kAutoRepeatStepMs) {
      ports_.input.Key(vk, scan, true);
      ports_.input.Key(vk, scan, false);
      if (Stopped()) break;
      Wait(kAutoRepeatStepMs);
    }
  }

  void Remember(std::uint8_t key, bool press) {
    if (press) {
      held_.push_back(key);
      return;
    }
    for (auto it = held_.rbegin(); it != held_.rend(); ++it) {
      if (*it == key) {
        held_.erase(std::next(it).base());
        return;
      }
    }
  }

  void ReleaseHeld() {
    for (auto it = held_.rbegin(); it != held_.rend(); ++it) {
      Trace("g_iCurAction= %d,Map=%x\n", state_.currentIndex.load(), *it, 0);
      if (IsMouseKey(*it)) {
        const MouseAction action = MouseActionOf(*it);
        ports_.input.Mouse(action.up, action.data);
      } else {
        const std::uint8_t vk = GenericModifier(ports_.keys.VirtualKeyOf(*it));
        ports_.input.Key(vk, ports_.keys.ScanCodeOf(vk), true);
      }
      // Released keys are spaced in real time, whatever the interrupted schedule said.
      ports_.clock.ClearInterrupt();
      deadline_ = ports_.clock.Now();
      Wait(kReleaseStepMs);
    }
    held_.clear();
  }

  void Trace(const char* format, int a, int b, int c) {
    char line[96];
    std::snprintf(line, sizeof line, format, a, b, c);
    ports_.trace.Trace(line);
  }

  MacroPlaybackState& state_;
  const MacroPlayerPorts& ports_;
  PlaybackTime deadline_{};
  bool anchored_ = false;
  std::vector<std::uint8_t> held_;
};

}  // namespace

void PlayMacro(const MacroEvent* events, int start, int end, int loops, MacroPlaybackState& state,
               const MacroPlayerPorts& ports) {
  if (!events || end - start <= 0 || start < 0 || end > kMaxMacroEvents) return;
  Player(state, ports).Run(events, start, end, loops < 1 ? 1 : loops);
}

}  // namespace orvix
