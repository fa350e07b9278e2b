// Fixtures of the configuration program's tests: a private install folder, the stand-in
// monitor with a sane block, and the program itself.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "InstallCopy_win.h"
#include "InstallFiles_win.h"
#include "Messages.h"
#include "MonitorHarness_win.h"
#include "OptionProgram_win.h"
#include "StandInMonitor_win.h"

namespace orvix::test {

// Texts as the tests compare them.
std::wstring Wide(const std::string& ansi);
// A fixed-size name field as text: up to its first NUL or its end.
std::string NameText(const char* field, std::size_t size);
// Text `id` of the text table in language `language` (0..16; 1 English, 4 German).
std::wstring TableText(int id, int language);
inline constexpr int kEnglish = 1;
inline constexpr int kGerman = 4;

// The change flags that are set, as "button[p][s]=v settings[p]=v currentProfile=v
// tracking=v"; "none" when all are 0.
std::string SetFlags(const ChangeFlags& flags);

// The configuration program in a private install folder, started on demand.
class OptionTest : public ::testing::Test {
 protected:
  // Starts the program and waits for its window; the stand-in monitor, when there is one,
  // watches its OK and Apply buttons.
  bool Start();
  // Clicks `label`, then Apply, and waits until the program has the stand-in's answer
  // (OK enabled again). False when a step did not happen in time.
  bool ClickThenApply(const std::wstring& label);
  bool WaitUntilIdle(DWORD timeoutMs = 10000);
  // Opens the language chooser with the language button (labelled in `shownLanguage`) and
  // clicks the item `ownName`; true when the chooser closed.
  bool ChooseLanguage(int shownLanguage, const std::wstring& ownName);
  // Posts a monitor's notice to the program's window, gives it a moment and checks that
  // the window still answers. Later posts (clicks) are taken after it: a check that must
  // see the notice's effect goes through one.
  bool PostNotice(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

  InstallCopy install_;
  std::unique_ptr<StandInMonitor> monitor_;
  std::unique_ptr<OptionProgram> program_;
};

// With a stand-in monitor whose block holds SaneConfiguration(1).
class WithStandIn : public OptionTest {
 protected:
  void SetUp() override {
    config_ = SaneConfiguration(1);
    monitor_ = std::make_unique<StandInMonitor>(*config_, install_.folder());
  }
  std::unique_ptr<ConfigRecord> config_;
};

}  // namespace orvix::test
