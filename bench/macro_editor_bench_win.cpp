// The macro manager's editors with a full macro of 500 events: the time to open each
// editor (its window, pictures and rows), to switch between them, and to redraw the
// timeline for each pointer move while a bar's end is dragged. Runs under Wine and on
// Windows alike, in the install folder of its side:
//
//   scripts/wine-run build/win32/bench/macro_editor_bench.exe   (or build/win64/…)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "GdiplusSession_win.h"
#include "LanguageLibrary_win.h"
#include "MacroManagerLayout.h"
#include "SequenceListPane_win.h"
#include "TimelinePane_win.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct QuietOwner final : orvix::SequenceListOwner, orvix::TimelineOwner {
  void OnSequenceEdited(const orvix::MacroSequence&) override {}
  void OnLoopEdited(std::int32_t) override {}
  void OnRecording(bool) override {}
  void OnMacroNeeded() override {}
  bool ConfirmUnbalancingDelete() override { return true; }
  void OnWaitingForKey(bool) override {}
};

void Pump() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
}

std::string InstallFolder() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  folder.resize(folder.find_last_of('\\'));  // …\bench
  folder.resize(folder.find_last_of('\\') + 1);
  return folder + "OrvixOne\\";
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main() {
  orvix::GdiplusSession gdiplus;
  orvix::LanguageLibrary texts;
  texts.Load(InstallFolder(), 1);
  orvix::FormDialogSetup setup{InstallFolder(), orvix::DpiScale(96), &texts, 1};

  orvix::MacroRecord macro{};
  std::snprintf(macro.name, sizeof macro.name, "Full");
  macro.loopCount = 1;
  macro.eventCount = orvix::kMaxMacroEvents;
  for (int i = 0; i < orvix::kMaxMacroEvents; ++i)
    macro.events[i] = {static_cast<std::uint8_t>(4 + (i / 2) % 26), static_cast<std::uint8_t>(i % 2 ? 2 : 1), 10};

  const HWND frame = ::CreateWindowExW(0, L"Static", L"bench", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 720,
                                       470, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  const orvix::ControlPlacement place = orvix::LayoutPlacements(orvix::kMacroManagerLayout).Of("editor");
  QuietOwner owner;

  auto start = Clock::now();
  orvix::SequenceListPane list(setup, owner);
  list.Create(frame, place);
  list.Load(&macro);
  list.Show(true);
  ::UpdateWindow(list.hwnd());
  Pump();
  const double openList = MsSince(start);

  start = Clock::now();
  orvix::TimelinePane timeline(setup, owner);
  timeline.Create(frame, place);
  list.Show(false);
  timeline.Load(&macro);
  timeline.Show(true);
  ::UpdateWindow(timeline.hwnd());
  Pump();
  const double openTimeline = MsSince(start);

  std::vector<double> toList, toTimeline;
  for (int round = 0; round < 10; ++round) {
    start = Clock::now();
    timeline.Show(false);
    list.Load(&macro);
    list.Show(true);
    ::UpdateWindow(list.hwnd());
    Pump();
    toList.push_back(MsSince(start));
    start = Clock::now();
    list.Show(false);
    timeline.Load(&macro);
    timeline.Show(true);
    ::UpdateWindow(timeline.hwnd());
    Pump();
    toTimeline.push_back(MsSince(start));
  }

  // A drag of the first bar's end across the band, one redraw per pointer move.
  const HWND band = timeline.band().hwnd();
  const auto points = timeline.band().PointsOf(0);
  std::vector<double> moves;
  if (points) {
    ::SendMessageW(band, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(points->end.x, points->end.y));
    for (int x = points->end.x; x < points->end.x + 200; x += 2) {
      start = Clock::now();
      ::SendMessageW(band, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, points->end.y));
      ::UpdateWindow(band);
      moves.push_back(MsSince(start));
    }
    ::SendMessageW(band, WM_LBUTTONUP, 0, MAKELPARAM(points->end.x + 200, points->end.y));
  }

  std::printf("macro editors, %d events (%zu bars)\n", orvix::kMaxMacroEvents, timeline.timeline().bars().size());
  std::printf("open: sequence list %.1f ms, timeline %.1f ms\n", openList, openTimeline);
  std::printf("switch (median of 10): to the list %.1f ms, to the timeline %.1f ms\n", Median(toList),
              Median(toTimeline));
  if (!moves.empty())
    std::printf("drag: redraw per pointer move median %.2f ms, worst %.2f ms (%zu moves; edited: %s)\n",
                Median(moves), *std::max_element(moves.begin(), moves.end()), moves.size(),
                timeline.edited() ? "yes" : "no");
  ::DestroyWindow(frame);
  return points ? 0 : 1;
}
