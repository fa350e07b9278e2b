// The monitor's costs, measured against the real OrvixOneMonitor.exe and the virtual mouse
// in a private copy of the install folder:
//   idle     CPU time over wall time while the mouse is connected and nothing happens,
//            and the peak working set (under Wine, the Linux figures of the process);
//   apply    the time of SendMessage(WM_MON_APPLY_ALL) for one changed profile, less the
//            waits the device protocol mandates for it (report 6 + status polling + pause);
//   events   from posting a DPI change (1325) to WM_OPT_LEVEL_CHANGED at our window.
//
//   scripts/wine-run build/win32/bench/monitor_bench.exe [idle-seconds]   (or build/win64/…)
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "InstallCopy_win.h"
#include "Messages.h"
#include "MonitorHarness_win.h"
#include "SharedBlockMapping_win.h"
#include "UnixProcessStats_win.h"

using namespace orvix;
using namespace orvix::test;

namespace {

double NowMs() {
  LARGE_INTEGER f, c;
  ::QueryPerformanceFrequency(&f);
  ::QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

double CpuMs(HANDLE process) {
  FILETIME created, exited, kernel, user;
  if (!::GetProcessTimes(process, &created, &exited, &kernel, &user)) return -1;
  auto ms = [](FILETIME t) { return (static_cast<double>(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 1e4; };
  return ms(kernel) + ms(user);
}

}  // namespace

int main(int argc, char** argv) {
  const int idleSeconds = argc > 1 ? std::atoi(argv[1]) : 60;
  InstallCopy install;
  FakeOptionWindow option;
  MonitorProcess monitor(install.folder());
  HWND window = monitor.WaitForWindow(15000);
  if (!window || !option.WaitFor(WM_OPT_DEVICE_READ_DONE, 60000)) {
    std::printf("the monitor did not start or did not read the mouse\n");
    return 1;
  }
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);

  // Idle: the foreground check runs every 2 s; nothing else should.
  const std::string folder = install.folder().substr(0, install.folder().size() - 1);
  const std::string folderName = folder.substr(folder.find_last_of('\\') + 1);
  const auto unixStats = [&] { return bench::ReadUnixProcessStats("OrvixOneMonitor.exe", folderName); };
  const bool wine = bench::RunningUnderWine();
  const auto unixBefore = wine ? unixStats() : std::nullopt;
  const double cpuBefore = CpuMs(process);
  const double wallBefore = NowMs();
  PumpFor(static_cast<DWORD>(idleSeconds) * 1000);
  const double cpu = CpuMs(process) - cpuBefore;
  const double wall = NowMs() - wallBefore;
  const auto unixAfter = wine ? unixStats() : std::nullopt;
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  ::GetProcessMemoryInfo(process, &memory, sizeof memory);
  if (wine && unixBefore && unixAfter) {
    const double unixCpu = unixAfter->cpuMs - unixBefore->cpuMs;
    std::printf("idle: %d s, CPU %.0f ms = %.4f %% of one core, peak resident %.1f MB (Linux figures of the Wine "
                "process, Wine's own loader and libraries included)\n",
                idleSeconds, unixCpu, 100.0 * unixCpu / wall, unixAfter->peakRssMb);
  } else {
    std::printf("idle: %d s, CPU %.1f ms = %.4f %% of one core, peak working set %.1f MB\n", idleSeconds, cpu,
                100.0 * cpu / wall, static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0));
  }

  // Apply: one profile's settings changed.
  auto mapping = SharedBlockMapping::Open();
  auto mutex = SharedBlockMutex::Open();
  auto block = std::make_unique<SharedDataBlock>();
  std::vector<double> applies;
  for (int i = 0; i < 10 && mapping && mutex; ++i) {
    mapping->CopyIn(*mutex, *block);
    ProfileRecord& profile = block->config.profiles[0];
    profile.CpiLevel_X[2] = 10 + i;
    block->flags = ChangeFlags{};
    block->flags.settings[0] = 1;
    mapping->CopyOut(*mutex, *block);
    const double start = NowMs();
    ::SendMessageA(window, WM_MON_APPLY_ALL, 0, 0);
    applies.push_back(NowMs() - start);
  }
  // Report 6 is followed by status polling (first wait 100 ms) and a 100 ms pause.
  constexpr double kMandatedApplyWaitMs = 200;
  std::sort(applies.begin(), applies.end());
  if (!applies.empty())
    std::printf("apply: median %.1f ms of which mandated waits %.0f ms: overhead %.1f ms\n",
                applies[applies.size() / 2], kMandatedApplyWaitMs, applies[applies.size() / 2] - kMandatedApplyWaitMs);

  // Event latency: the library's DPI-change message to the configuration program's notice.
  std::vector<double> latencies;
  for (int i = 0; i < 50; ++i) {
    option.Clear();
    const double start = NowMs();
    ::PostMessageA(window, WM_MON_DEVICE_EVENT, 0xB000, 1 + i % 5);
    if (!option.WaitFor(WM_OPT_LEVEL_CHANGED, 2000)) continue;
    latencies.push_back(NowMs() - start);
  }
  std::sort(latencies.begin(), latencies.end());
  if (!latencies.empty())
    std::printf("event: DPI change to WM_OPT_LEVEL_CHANGED: median %.2f ms, max %.2f ms (%zu of 50)\n",
                latencies[latencies.size() / 2], latencies.back(), latencies.size());
  ::CloseHandle(process);
  return 0;
}
