// Macro timing: plays a 500-event macro with delays of 1..50 ms through the real input
// path and measures, with low-level hooks, how far each gap strays from its delay and how
// far the whole pass drifts. Runs under Wine and on Windows alike.
//
//   scripts/wine-run build/win32/bench/macro_timing_bench.exe
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <thread>
#include <vector>

#include "InputRecorder_win.h"
#include "actions/MacroPlayer.h"
#include "actions/SystemInput_win.h"

namespace {

// Every key of the benchmark is F24: present on no keyboard, so nothing reacts to it.
class F24Only : public orvix::KeyTranslator {
 public:
  std::uint8_t VirtualKeyOf(std::uint8_t) const override { return VK_F24; }
  std::uint8_t ScanCodeOf(std::uint8_t vk) const override { return orvix::LayoutScanCodes::ScanCodeOf(vk); }
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
  F24Only keys;
  orvix::PrecisionClock clock;
  orvix::MillisecondTimerScope precise(!clock.highResolution());
  NoTrace trace;
  orvix::MacroPlaybackState state;

  std::thread player([&] { orvix::PlayMacro(events.data(), 0, kEvents, 1, state, {system, keys, clock, trace}); });
  const bool complete = recorder.PumpUntil([&] { return recorder.events().size() >= kEvents; }, 60000);
  player.join();
  if (!complete) {
    std::printf("only %zu of %d events were recorded\n", recorder.events().size(), kEvents);
    return 1;
  }

  const auto& seen = recorder.events();
  std::vector<double> errors;
  double requested = 0;
  for (int i = 0; i + 1 < kEvents; ++i) {
    const double gap = seen[i + 1].atMs - seen[i].atMs;
    errors.push_back(std::fabs(gap - events[i].delay));
    requested += events[i].delay;
  }
  const double actual = seen[kEvents - 1].atMs - seen[0].atMs;
  std::printf("macro timing, %d events, delays 1..50 ms (%s waits)\n", kEvents,
              clock.highResolution() ? "high-resolution" : "timeBeginPeriod(1)");
  std::printf("per-event error: p50 %.3f ms, p99 %.3f ms, max %.3f ms\n", Percentile(errors, 0.5),
              Percentile(errors, 0.99), Percentile(errors, 1.0));
  std::printf("pass: requested %.1f ms, actual %.1f ms, drift %.3f ms\n", requested, actual, actual - requested);
  return 0;
}
