// The configuration program's costs, measured against the real OrvixOneOption.exe in a
// private copy of the install folder:
//   start  from CreateProcess to the first paint, without the monitor and with a stand-in
//          monitor. "First paint" is the moment the main window is visible and nothing of
//          it is left to paint: after a WM_NULL round trip through the program's queue
//          (SendMessageTimeout, so the program has come back to its message loop), neither
//          the main window nor any of its visible children has an update region
//          (GetUpdateRect false). Windows sends WM_PAINT only to an idle queue, so an empty
//          update region after the round trip means every paint of the start-up was made.
//          The window is looked for every 5 ms, which bounds the error.
//   apply  with the stand-in monitor answering the apply message (1224) at once: from
//          BM_CLICK on "Apply", after a slot click so that there is a change, until "Apply"
//          is enabled again. This is the program's own part of an apply, files included,
//          without the monitor's device time.
//   save   one save of "config.ini" and the five profile files in this process, through
//          SaveConfigurationFiles with the program's store (the private-profile reads, the
//          whole-file replacement under the writers' lock) in a temporary folder; the
//          pointer settings go to a scratch registry key.
// The stand-in monitor is this process: the shared block and its mutex, created as the
// monitor creates them and filled with the default configuration, and a hidden window with
// the monitor's title. On Windows the program sets the user's pointer settings to the
// default profile's at start, as it does beside the real monitor.
//
//   scripts/wine-run build/win32/bench/option_bench.exe [starts] [applies] [saves]   (or build/win64/…)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ConfigFiles_win.h"
#include "Configuration.h"
#include "IniStore_win.h"
#include "InstallCopy_win.h"
#include "Messages.h"
#include "MonitorHarness_win.h"
#include "OptionProcess_win.h"
#include "ProfileFile.h"
#include "Registry_win.h"
#include "SharedBlockMapping_win.h"
#include "SystemInfo_win.h"

using namespace orvix;
using namespace orvix::test;

namespace {

double NowMs() {
  LARGE_INTEGER frequency, count;
  ::QueryPerformanceFrequency(&frequency);
  ::QueryPerformanceCounter(&count);
  return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

void PrintFigures(const char* what, std::vector<double> ms, const char* target) {
  if (ms.empty()) {
    std::printf("%-34s no figures\n", what);
    return;
  }
  std::sort(ms.begin(), ms.end());
  const std::size_t n = ms.size();
  const double median = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
  std::printf("%-34s median %7.1f ms  max %7.1f ms  (%zu runs; target %s)\n", what, median, ms.back(), n, target);
}

// ---- the stand-in monitor -----------------------------------------------------------

int applyAnswers = 0;
double lastApplyMs = 0;  // when the last apply message arrived

LRESULT CALLBACK MonitorProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MON_APPLY_ALL) {
    ++applyAnswers;
    lastApplyMs = NowMs();
    return 0;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

class StandInMonitor {
 public:
  static std::unique_ptr<StandInMonitor> Create() {
    auto mutex = SharedBlockMutex::Create();
    auto mapping = SharedBlockMapping::Create();
    if (!mutex || !mapping) return nullptr;
    auto block = std::make_unique<SharedDataBlock>();
    ClearConfiguration(*block);
    ConfigRecord& config = block->config;
    config.CurrentProfile = 0;
    config.WindowsProfile = -1;
    config.QuickHelpLan = 1;  // English: the buttons are found by their English labels
    config.LiftOnFlag = 0;
    config.TrackControlFlag = 0;
    for (int i = 0; i < kProfiles; ++i) InitDefaultProfile(config.profiles[i], i);
    if (!mapping->CopyOut(*mutex, *block)) return nullptr;
    const HWND window = HiddenWindow("OrvixBenchMonitor", &MonitorProcedure, kMonitorWindowTitle);
    if (!window) return nullptr;
    return std::unique_ptr<StandInMonitor>(new StandInMonitor(std::move(*mutex), std::move(*mapping), window));
  }
  ~StandInMonitor() { ::DestroyWindow(window_); }

 private:
  StandInMonitor(SharedBlockMutex mutex, SharedBlockMapping mapping, HWND window)
      : mutex_(std::move(mutex)), mapping_(std::move(mapping)), window_(window) {}
  SharedBlockMutex mutex_;
  SharedBlockMapping mapping_;
  HWND window_;
};

// ---- start to first paint -----------------------------------------------------------

BOOL CALLBACK FindPendingPaint(HWND child, LPARAM pending) {
  if (::IsWindowVisible(child) && ::GetUpdateRect(child, nullptr, FALSE)) {
    *reinterpret_cast<bool*>(pending) = true;
    return FALSE;
  }
  return TRUE;
}

bool PaintPending(HWND window) {
  if (::GetUpdateRect(window, nullptr, FALSE)) return true;
  bool pending = false;
  ::EnumChildWindows(window, &FindPendingPaint, reinterpret_cast<LPARAM>(&pending));
  return pending;
}

// The program started, and how long it took to its first paint (nullopt when it did not
// get there in time).
struct Started {
  std::unique_ptr<OptionProcess> program;
  std::optional<double> firstPaintMs;
};

Started StartAndPaint(const InstallCopy& install) {
  Started started;
  const double begin = NowMs();
  started.program = std::make_unique<OptionProcess>(install.folder());
  OptionProcess& program = *started.program;
  if (!program.WaitForWindow(20000)) return started;
  while (NowMs() - begin < 20000) {
    if (!program.Answers(10000)) return started;
    if (!PaintPending(program.window())) {
      started.firstPaintMs = NowMs() - begin;
      break;
    }
  }
  return started;
}

std::vector<double> MeasureStarts(const InstallCopy& install, int starts) {
  std::vector<double> ms;
  for (int i = 0; i < starts; ++i) {
    Started started = StartAndPaint(install);
    if (started.firstPaintMs) ms.push_back(*started.firstPaintMs);
    started.program->Kill();  // closing waits for the window system; nothing is pending
  }
  return ms;
}

// ---- apply round trip ---------------------------------------------------------------

// The whole round trip, and its part up to the apply message's arrival at the monitor.
struct ApplyFigures {
  std::vector<double> roundTrip, toMonitor;
};

ApplyFigures MeasureApplies(const InstallCopy& install, int applies) {
  ApplyFigures figures;
  Started started = StartAndPaint(install);
  if (!started.firstPaintMs) return figures;
  OptionProcess* program = started.program.get();
  const HWND apply = program->Button(L"Apply");
  const HWND slots[2] = {program->Button(L"Profile 2"), program->Button(L"Profile 1")};
  if (!apply || !slots[0] || !slots[1]) return figures;
  for (int i = 0; i < applies; ++i) {
    if (!program->Click(slots[i % 2], 10000)) break;
    const int answered = applyAnswers;
    const double begin = NowMs();
    program->PostClick(apply);
    bool done = false;
    while (!done && NowMs() - begin < 10000) {
      ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);  // the stand-in answers here
      MSG msg;
      while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
      done = applyAnswers > answered && ::IsWindowEnabled(apply);
    }
    if (!done) break;
    figures.roundTrip.push_back(NowMs() - begin);
    figures.toMonitor.push_back(lastApplyMs - begin);
  }
  program->Kill();
  return figures;
}

// ---- one save of the files ----------------------------------------------------------

std::vector<double> MeasureSaves(const InstallCopy& folder, int saves) {
  std::vector<double> ms;
  HKEY scratch = nullptr;
  if (::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\NORVEL\\OrvixOneBenchScratch", 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &scratch, nullptr) != ERROR_SUCCESS)
    return ms;
  const RegKeyHandle scratchKey(scratch);
  {
    PrivateProfileStore ini;
    WindowsConfigFiles files;
    SystemRegistry registry(scratchKey.get());
    WindowsSystemInfo system;
    SettingsStore store(ini, files, registry, system);
    store.folder = folder.folder();

    auto record = std::make_unique<ConfigRecord>();
    DefaultConfiguration(*record, store);
    for (int i = 0; i < saves; ++i) {
      // A name that changes each time: every save has something new to write.
      std::snprintf(record->profiles[0].ProFileName, sizeof record->profiles[0].ProFileName, "Bench %d", i);
      const double begin = NowMs();
      const bool saved = SaveConfigurationFiles(*record, store);
      const double took = NowMs() - begin;
      if (!saved) {
        std::printf("save %d failed\n", i);
        break;
      }
      ms.push_back(took);
    }
  }
  ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\NORVEL\\OrvixOneBenchScratch");
  return ms;
}

}  // namespace

int main(int argc, char** argv) {
  const int starts = argc > 1 ? std::atoi(argv[1]) : 10;
  const int applies = argc > 2 ? std::atoi(argv[2]) : 20;
  const int saves = argc > 3 ? std::atoi(argv[3]) : 50;
  if (::FindWindowA(nullptr, kMonitorWindowTitle) || ::FindWindowA(nullptr, kOptionWindowTitle)) {
    std::printf("a monitor or a configuration program runs already: the figures would be theirs\n");
    return 1;
  }
  InstallCopy install;

  const std::vector<double> alone = MeasureStarts(install, starts);
  std::vector<double> beside;
  ApplyFigures applied;
  {
    const auto monitor = StandInMonitor::Create();
    if (!monitor) {
      std::printf("the stand-in monitor could not be made\n");
      return 1;
    }
    beside = MeasureStarts(install, starts);
    applied = MeasureApplies(install, applies);
  }
  InstallCopy saveFolder;
  const std::vector<double> saved = MeasureSaves(saveFolder, saves);

  PrintFigures("start to first paint, no monitor", alone, "< 300 ms");
  PrintFigures("start to first paint, monitor", beside, "< 300 ms");
  PrintFigures("apply round trip", applied.roundTrip, "< 20 ms");
  PrintFigures("  of it, click to the monitor", applied.toMonitor, "-");
  PrintFigures("save of config.ini + 5 profiles", saved, "< 50 ms");
  const bool complete = static_cast<int>(alone.size()) == starts && static_cast<int>(beside.size()) == starts &&
                        static_cast<int>(applied.roundTrip.size()) == applies && static_cast<int>(saved.size()) == saves;
  if (!complete) std::printf("some runs did not complete\n");
  return complete ? 0 : 1;
}
