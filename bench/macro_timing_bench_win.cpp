// Macro timing: plays a 500-event macro with delays of 1..50 ms through the real input
// path and measures, with low-level hooks, how far each gap strays from its delay and how
// far the whole pass drifts. Runs under Wine and on Windows alike.
//
//   scripts/wine-run build/win32/bench/macro_timing_bench.exe   (or build/win64/…)
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <thread>
#include <vector>

#include "InputRecorder_win.h"
#include "KeyboardLayout_win.h"
#include "actions/MacroPlayer.h"
#include "actions/SystemInput_win.h"

namespace {

// Every key of the benchmark is F24: present on no keyboard, so nothing reacts to it.
class F24Only : public orvix::KeyTranslator {
 public:
  std::uint8_t VirtualKeyOf(std::uint8_t) const override { return VK_F24; }
  std::uint8_t ScanCodeOf(std::uint8_t vk) const override {
    return static_cast<std::uint8_t>(orvix::ActiveKeyboardLayout().ScanCodeFromVirtualKey(vk));
  }
};

double NowMs() {
  LARGE_INTEGER f, c;
  ::QueryPerformanceFrequency(&f);
  ::QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

// Times each event as it leaves the player (our scheduling), before the system delivers it.
class TimedInput : public orvix::InputSink {
 public:
  explicit TimedInput(orvix::InputSink& system) : system_(system) {}
  void Key(std::uint8_t vk, std::uint8_t scan, bool up) override {
    woken.push_back(NowMs());
    system_.Key(vk, scan, up);
    sent.push_back(NowMs());
  }
  void Mouse(std::uint32_t flags, std::int32_t data) override {
    woken.push_back(NowMs());
    system_.Mouse(flags, data);
    sent.push_back(NowMs());
  }
  std::vector<double> woken;  // the player hands the event to the system
  std::vector<double> sent;   // the system call has returned

 private:
  orvix::InputSink& system_;
};

class NoTrace : public orvix::TraceSink {
 public:
  void Trace(const char*) override {}
};

double Percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  const auto index = static_cast<std::size_t>(std::ceil(p * static_cast<double>(values.size()))) - 1;
  return values[std::min(index, values.size() - 1)];
}

}  // namespace

int main() {
  constexpr int kEvents = 500;
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> delay(1, 50);
  std::vector<orvix::MacroEvent> events;
  for (int i = 0; i < kEvents; ++i)
    events.push_back({4, static_cast<std::uint8_t>(i % 2 == 0 ? 1 : 2), static_cast<std::uint16_t>(delay(random))});

  orvix::KeepTimerResolutionWhenHidden();
  orvix::test::InputRecorder recorder;
  orvix::SystemInput system;
  TimedInput timed(system);
  F24Only keys;
  orvix::PrecisionClock clock;
  orvix::MillisecondTimerScope precise(!clock.highResolution());
  NoTrace trace;
  orvix::MacroPlaybackState state;

  std::thread player([&] {
    ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_ABOVE_NORMAL);  // as the monitor's macro thread
    orvix::PlayMacro(events.data(), 0, kEvents, 1, state, {timed, keys, clock, trace});
  });
  const bool complete = recorder.PumpUntil([&] { return recorder.events().size() >= kEvents; }, 60000);
  player.join();
  if (!complete) {
    std::printf("only %zu of %d events were recorded\n", recorder.events().size(), kEvents);
    return 1;
  }

  std::printf("macro timing, %d events, delays 1..50 ms (%s waits)\n", kEvents,
              clock.highResolution() ? "high-resolution" : "timeBeginPeriod(1)");
  auto report = [&](const char* what, const std::vector<double>& at) {
    std::vector<double> errors;
    double requested = 0;
    for (int i = 0; i + 1 < kEvents; ++i) {
      errors.push_back(std::fabs(at[i + 1] - at[i] - events[i].delay));
      requested += events[i].delay;
    }
    const double actual = at[kEvents - 1] - at[0];
    std::printf("%s: per-event error p50 %.3f ms, p99 %.3f ms, max %.3f ms; pass %.1f ms for %.1f ms requested, "
                "drift %.3f ms\n",
                what, Percentile(errors, 0.5), Percentile(errors, 0.99), Percentile(errors, 1.0), actual, requested,
                actual - requested);
  };
  report("woken by the player", timed.woken);
  report("sent by the player ", timed.sent);
  std::vector<double> calls;
  for (int i = 0; i < kEvents; ++i) calls.push_back(timed.sent[i] - timed.woken[i]);
  std::printf("the system's input call itself: p50 %.3f ms, p99 %.3f ms, max %.3f ms\n", Percentile(calls, 0.5),
              Percentile(calls, 0.99), Percentile(calls, 1.0));
  std::vector<double> delivered;
  for (const auto& e : recorder.events()) delivered.push_back(e.atMs);
  report("seen by the hook   ", delivered);
  return 0;
}
