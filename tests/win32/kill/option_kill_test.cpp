// The configuration program killed in the middle of Apply: each file it saves is left
// complete, the old or the new one, byte for byte.
//
// Every trial starts from hand-written old files that lack most keys (a profile file with
// only its name; a "config.ini" with a few keys, among them one that only the monitor
// writes, "Device=1"), so that the save rewrites all six files. The new content is what an
// undisturbed Apply writes, taken from a reference run that also measures when, after the
// click, the save ends. Each trial then starts the program from the old files (no monitor,
// so only the files are written), clicks a slot button so that there is an edit, clicks
// Apply and kills the program after a random delay spread from 0 to a little beyond the
// end of the save. Kills that all fell before the save, or all after it, prove nothing:
// the test fails unless every file was seen both old and new.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "InstallCopy_win.h"
#include "Messages.h"
#include "OptionProcess_win.h"
#include "SavedFiles_win.h"

namespace orvix::test {
namespace {

constexpr int kTrials = 200;
constexpr double kSpreadBeyondSave = 1.25;  // kills spread to this multiple of the save's end
constexpr DWORD kStartTimeoutMs = 20000;
constexpr wchar_t kEditedSlot[] = L"Profile 3";

double NowMs() {
  LARGE_INTEGER frequency, count;
  ::QueryPerformanceFrequency(&frequency);
  ::QueryPerformanceCounter(&count);
  return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// The old files. "config.ini" has no CurrentProfile, so the program takes nothing from the
// registry at start (which the saves write) and every run starts from the same state.
SavedContents OldContents() {
  SavedContents old;
  old[0] = "[Setting]\r\nQuickHelpLan=1\r\nFWVersion=114\r\nDevice=1\r\n";
  for (std::size_t slot = 0; slot < 5; ++slot)
    old[slot + 1] = "[Setting]\r\nProFileName=Old slot " + std::to_string(slot + 1) + "\r\n";
  return old;
}

// The program started on the old files, with a slot clicked: Apply has something to save.
struct EditedProgram {
  std::unique_ptr<OptionProcess> program;
  HWND apply = nullptr;
  std::string failure;  // empty when ready
};

EditedProgram StartAndEdit(const InstallCopy& install) {
  EditedProgram started;
  if (!LayDownFiles(install.folder(), OldContents())) return {nullptr, nullptr, "the old files cannot be written"};
  started.program = std::make_unique<OptionProcess>(install.folder());
  OptionProcess& program = *started.program;
  if (!program.WaitForWindow(kStartTimeoutMs)) return {nullptr, nullptr, "the main window did not appear"};
  started.apply = program.Button(L"Apply");
  const HWND slot = program.Button(kEditedSlot);
  if (!started.apply || !slot) return {nullptr, nullptr, "no \"Apply\" or slot button"};
  // Sent, so it returns once the program has taken it (and has finished starting).
  if (!program.Click(slot, kStartTimeoutMs)) return {nullptr, nullptr, "the slot click was not taken"};
  return started;
}

// What one undisturbed Apply writes, and when the files change after the click.
struct Reference {
  SavedContents contents;
  double firstChangeMs = 0;
  double lastChangeMs = 0;
  std::string failure;
};

Reference ReferenceRun(const InstallCopy& install) {
  Reference reference;
  EditedProgram started = StartAndEdit(install);
  if (!started.failure.empty()) return {{}, 0, 0, started.failure};
  const SavedContents old = OldContents();
  std::vector<double> changed(kSavedFileCount, -1);
  const double click = NowMs();
  started.program->PostClick(started.apply);
  // The sizes only, without opening the files: the save is not disturbed.
  for (;;) {
    const double now = NowMs() - click;
    for (std::size_t i = 0; i < kSavedFileCount; ++i)
      if (changed[i] < 0 && FileSize(install.Path(kSavedFiles[i])) != static_cast<long long>(old[i].size()))
        changed[i] = now;
    const bool allChanged = std::none_of(changed.begin(), changed.end(), [](double t) { return t < 0; });
    // Without the monitor the notice follows the save.
    if (allChanged && started.program->OwnedPopup()) break;
    if (now > kStartTimeoutMs) return {{}, 0, 0, "the save did not end, or no notice followed it"};
    ::Sleep(0);
  }
  reference.firstChangeMs = *std::min_element(changed.begin(), changed.end());
  reference.lastChangeMs = *std::max_element(changed.begin(), changed.end());
  for (std::size_t i = 0; i < kSavedFileCount; ++i) {
    const auto content = ReadWholeFile(install.Path(kSavedFiles[i]));
    if (!content) return {{}, 0, 0, std::string("unreadable after the save: ") + kSavedFiles[i]};
    reference.contents[i] = *content;
  }
  started.program->Kill();
  return reference;
}

struct Tally {
  int old = 0, fresh = 0, torn = 0;
};

}  // namespace

TEST(OptionKill, EverySavedFileIsCompleteOldOrNewWhereverApplyIsKilled) {
  const auto began = std::chrono::steady_clock::now();
  // A configuration program already running would make ours end at once, and a monitor
  // would take the save's hand-over.
  ASSERT_EQ(::FindWindowA(nullptr, kOptionWindowTitle), nullptr) << "a configuration program runs already";
  ASSERT_EQ(::FindWindowA(nullptr, kMonitorWindowTitle), nullptr) << "a monitor runs";
  InstallCopy install;
  const SavedContents old = OldContents();

  const Reference first = ReferenceRun(install);
  ASSERT_TRUE(first.failure.empty()) << first.failure;
  const Reference second = ReferenceRun(install);
  ASSERT_TRUE(second.failure.empty()) << second.failure;
  for (std::size_t i = 0; i < kSavedFileCount; ++i) {
    ASSERT_NE(first.contents[i], old[i]) << kSavedFiles[i] << " is not rewritten by the save";
    ASSERT_EQ(first.contents[i], second.contents[i]) << kSavedFiles[i] << " differs between two undisturbed saves";
  }
  // The monitor's key, which the configuration program never writes, survives the save.
  EXPECT_EQ(::GetPrivateProfileIntA("Setting", "Device", -1, install.Path("config.ini").c_str()), 1);
  EXPECT_NE(first.contents[0].find("Device=1"), std::string::npos);
  const SavedContents& fresh = first.contents;

  const double saveEnd = std::max(first.lastChangeMs, second.lastChangeMs);
  const double spread = saveEnd * kSpreadBeyondSave;
  std::printf("undisturbed save: files change %.1f..%.1f ms and %.1f..%.1f ms after the click; kills spread over "
              "0..%.1f ms\n",
              first.firstChangeMs, first.lastChangeMs, second.firstChangeMs, second.lastChangeMs, spread);

  unsigned seed = static_cast<unsigned>(::GetTickCount());
  if (const char* given = std::getenv("ORVIX_KILL_SEED")) seed = static_cast<unsigned>(std::strtoul(given, nullptr, 10));
  std::printf("seed %u (ORVIX_KILL_SEED repeats it)\n", seed);
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> delays(0.0, spread);

  Tally tally[kSavedFileCount];
  int temporariesLeft = 0;
  std::vector<std::string> tornReports;
  for (int trial = 0; trial < kTrials; ++trial) {
    const double delay = delays(random);
    EditedProgram started = StartAndEdit(install);
    ASSERT_TRUE(started.failure.empty()) << "trial " << trial << ": " << started.failure;
    const double click = NowMs();
    started.program->PostClick(started.apply);
    while (NowMs() - click < delay) {
    }
    ASSERT_TRUE(started.program->Kill()) << "trial " << trial << ": the program did not end";
    temporariesLeft += AnyTemporaryLeft(install.folder()) ? 1 : 0;
    for (std::size_t i = 0; i < kSavedFileCount; ++i) {
      const auto content = ReadWholeFile(install.Path(kSavedFiles[i]));
      if (content == old[i]) {
        ++tally[i].old;
      } else if (content == fresh[i]) {
        ++tally[i].fresh;
      } else {
        ++tally[i].torn;
        char report[200];
        std::snprintf(report, sizeof report, "trial %d, killed %.2f ms after the click: %s is %s (%lld bytes)", trial,
                      delay, kSavedFiles[i], content ? "neither old nor new" : "missing",
                      content ? static_cast<long long>(content->size()) : -1LL);
        tornReports.push_back(report);
      }
    }
  }

  std::printf("%d kills; file: old / new / torn\n", kTrials);
  for (std::size_t i = 0; i < kSavedFileCount; ++i)
    std::printf("  %-20s %4d / %4d / %4d\n", kSavedFiles[i], tally[i].old, tally[i].fresh, tally[i].torn);
  std::printf("trials that left a \".new\" file: %d\n", temporariesLeft);
  for (std::size_t i = 0; i < tornReports.size() && i < 10; ++i) ADD_FAILURE() << tornReports[i];
  for (std::size_t i = 0; i < kSavedFileCount; ++i) {
    EXPECT_EQ(tally[i].torn, 0) << kSavedFiles[i] << " was left torn";
    EXPECT_GT(tally[i].old, 0) << kSavedFiles[i] << ": no kill came before its replacement";
    EXPECT_GT(tally[i].fresh, 0) << kSavedFiles[i] << ": no kill came after its replacement";
  }
  const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  std::printf("run time %.1f s\n", seconds);
}

}  // namespace orvix::test
