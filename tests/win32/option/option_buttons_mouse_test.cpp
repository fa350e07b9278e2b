// The whole road of a button: a macro of the library, a timer and a shortcut typed on the
// keyboard, given to slots on the button page and applied, are in the mouse's memory, and
// pressing those buttons of the virtual mouse makes the monitor play the macro, count the
// timer down aloud and press the shortcut's keys on the host.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iostream>
#include <initializer_list>
#include <string>
#include <vector>

#include "AdvancedPageDriver_win.h"
#include "ButtonPageDriver_win.h"
#include "DebugOutputListener_win.h"
#include "InputRecorder_win.h"
#include "MacroManagerDriver_win.h"
#include "OptionWithMouse_win.h"
#include "TextIds.h"
#include "dialogs/AssignmentDialogTexts.h"
#include "macro_manager/MacroManagerTexts.h"
#include "macros/MacroRecord.h"
#include "timers/TimerRecord.h"

namespace orvix::test {
namespace {

std::wstring English(int id) { return TableText(id, kEnglish); }

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

using namespace button_page;

constexpr int kMacroSlot = 12;     // device button 9
constexpr int kShortcutSlot = 13;  // device button 10
constexpr int kTimerSlot = 14;     // device button 11

// The library and the timer list the program finds at start: one set with one macro that
// types B twice, and a timer of 15 seconds.
void WriteLibraryFiles(const InstallCopy& install) {
  const std::string library = install.Path("config\\Preset_sequence.dat");
  ::WritePrivateProfileStringA("SetMacro", "number", "1", library.c_str());
  ::WritePrivateProfileStringA("SetMacro", "0", "Test set", library.c_str());
  ::WritePrivateProfileStringA("Test set", "number", "1", library.c_str());
  MacroRecord macro{};
  std::strcpy(macro.name, "Type B");
  macro.loopCount = 2;
  macro.eventCount = 2;
  macro.events[0] = {5, kKeyPress, 10};
  macro.events[1] = {5, kKeyRelease, 10};
  ::WritePrivateProfileStructA("Test set", "0", &macro, sizeof macro, library.c_str());

  const std::string timers = install.Path("config\\Timer.ini");
  ::WritePrivateProfileStringA("Timer", "Count", "1", timers.c_str());
  TimerRecord timer{};
  timer.seconds = 15;
  std::strcpy(timer.name, "Tea");
  ::WritePrivateProfileStructA("Timer", "0", &timer, sizeof timer, timers.c_str());
}

// The dump's line of one device button.
std::string ButtonLine(const std::string& dump, int deviceButton) {
  const auto current = dump.find("(current):");
  if (current == std::string::npos) return {};
  const std::string key = "  button " + std::to_string(deviceButton) + ":";
  const auto at = dump.find(key, current);
  if (at == std::string::npos) return {};
  return dump.substr(at, dump.find('\n', at) - at);
}

std::vector<std::string> SoundsOf(const DebugOutputListener& listener) {
  std::vector<std::string> sounds;
  for (const std::string& rest : listener.LinesStartingWith("PlayFeedbackSound "))
    sounds.push_back(rest.substr(0, rest.find(' ')));
  return sounds;
}

class OptionButtonsWithMouse : public OptionWithMouse {
 protected:
  void SetUp() override {
    WriteLibraryFiles(install_);
    OptionWithMouse::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_TRUE(program_->Click(English(kTextLabelTabButtons)));
    ASSERT_TRUE(PumpUntil([&] { return (page_ = Page(program_->window())) != nullptr; }, 5000));
    PumpFor(500);  // the start's last refresh
    ParkPointer(program_->window());
  }

  bool Choose(int slot, const std::vector<int>& places) { return ChooseForSlot(*program_, page_, slot, places); }
  std::wstring Label(int slot) const { return WindowText(Slot(page_, slot)); }

  HWND page_ = nullptr;
};

TEST_F(OptionButtonsWithMouse, AMacroATimerAndAShortcutAssignedOnThePageArePlayedByTheMouseButtons) {
  if (!XdotoolAvailable()) GTEST_SKIP() << "xdotool is not installed (scripts/setup installs it): the shortcut's key is typed on the display";
  // The macro: "Macro + Preset Compilation" > the first set > its first macro.
  ASSERT_TRUE(Choose(kMacroSlot, {PlaceOf(kMacroSlot, Entry::kMacros), 1, 1}));
  EXPECT_TRUE(PumpUntil([&] { return Label(kMacroSlot).find(L"Type B") != std::wstring::npos; }, 5000))
      << "the slot shows " << Narrow(Label(kMacroSlot));
  // The timer: "Assign a Timer" > past Create, Edit/Delete and Stop Timer > the first timer.
  ASSERT_TRUE(Choose(kTimerSlot, {PlaceOf(kTimerSlot, Entry::kTimers), 3}));
  EXPECT_TRUE(PumpUntil([&] { return Label(kTimerSlot).find(L"Tea") != std::wstring::npos; }, 5000))
      << "the slot shows " << Narrow(Label(kTimerSlot));
  // The shortcut: C typed on the keyboard, with Ctrl.
  ASSERT_TRUE(Choose(kShortcutSlot, {PlaceOf(kShortcutSlot, Plain::kShortcut)}));
  const HWND dialog = WaitForDialog(*program_, L"Lumo Key Shortcut Dialog");
  ASSERT_NE(dialog, nullptr);
  const HWND key = ::FindWindowExW(dialog, nullptr, L"Edit", nullptr);
  ASSERT_TRUE(TypeOnDisplay("c"));
  ASSERT_TRUE(PumpUntil([&] { return WindowText(key) == L"C"; }, 5000)) << Narrow(WindowText(key));
  ASSERT_TRUE(PostClick(DescendantButton(dialog, English(kTextModifierCtrl))));
  PumpFor(300);
  ASSERT_TRUE(PostClick(DescendantButton(dialog, English(kTextLabelOk))));
  EXPECT_TRUE(PumpUntil([&] { return Label(kShortcutSlot) == L"Ctrl+C"; }, 5000)) << Narrow(Label(kShortcutSlot));

  ASSERT_TRUE(program_->Click(L"Apply"));
  std::string macroLine, shortcutLine, timerLine;
  EXPECT_TRUE(PumpUntil([&] {
    const std::string dump = Mouse("dump").output;
    macroLine = ButtonLine(dump, 9);
    shortcutLine = ButtonLine(dump, 10);
    timerLine = ButtonLine(dump, 11);
    // The macro's events follow the function in a report sequence of their own.
    return macroLine.find("events:") != std::string::npos && shortcutLine.find("function 5,") != std::string::npos &&
           timerLine.find("function 49") != std::string::npos;
  }, 20000)) << macroLine << "\n" << shortcutLine << "\n" << timerLine;
  EXPECT_NE(shortcutLine.find("shortcut key 0x06 modifiers 0x04"), std::string::npos) << shortcutLine;  // Ctrl+C
  EXPECT_NE(macroLine.find("macro \"Type B\" from \"Test set\""), std::string::npos) << macroLine;
  EXPECT_NE(macroLine.find("2 events: 05+10 05-10"), std::string::npos) << macroLine;
  ASSERT_TRUE(WaitUntilIdle());

  InputRecorder recorder;
  ASSERT_EQ(Mouse("tap 9").exitCode, 0u);
  ASSERT_TRUE(recorder.PumpUntil([&] { return recorder.events().size() >= 4; }, 10000));
  EXPECT_EQ(recorder.Names(), (std::vector<std::string>{"42+", "42-", "42+", "42-"}));  // B, twice

  ASSERT_EQ(Mouse("press 10").exitCode, 0u);
  ASSERT_TRUE(recorder.PumpUntil([&] { return recorder.events().size() >= 6; }, 10000));
  ASSERT_EQ(Mouse("release 10").exitCode, 0u);
  ASSERT_TRUE(recorder.PumpUntil([&] { return recorder.Names().back() == "11-"; }, 10000));
  const std::vector<std::string> keys = recorder.Names();
  EXPECT_EQ(keys[4], "11+");  // Ctrl, then C; let go in reverse order
  EXPECT_EQ(keys[5], "43+");
  EXPECT_EQ(keys[keys.size() - 2], "43-");

  DebugOutputListener listener;
  DWORD monitorProcess = 0;
  ::GetWindowThreadProcessId(::FindWindowA(nullptr, kMonitorWindowTitle), &monitorProcess);
  listener.KeepProcess(monitorProcess);
  ASSERT_EQ(Mouse("tap 11").exitCode, 0u);
  // Fifteen seconds: announced, then ten seconds left five seconds later.
  EXPECT_TRUE(listener.WaitUntil([&](auto&) { return SoundsOf(listener).size() >= 2; }, 15000));
  const std::vector<std::string> sounds = SoundsOf(listener);
  ASSERT_GE(sounds.size(), 2u);
  EXPECT_EQ(sounds[0], "timer_activated.wav");
  EXPECT_EQ(sounds[1], "10_seconds.wav");
  EXPECT_FALSE(monitor_->HasExited());
}

// The whole road of a recorded macro: typed on the keyboard into the macro manager with its
// delays, given to a button, applied, and played by the virtual mouse's button.
TEST_F(OptionButtonsWithMouse, AMacroRecordedInTheManagerIsPlayedByItsButtonAsRecorded) {
  if (!XdotoolAvailable()) GTEST_SKIP() << "xdotool is not installed (scripts/setup installs it): the macro is typed on the display";
  using namespace macro_manager;
  const HWND manager = OpenManager(*program_, page_);
  ASSERT_NE(manager, nullptr);
  ASSERT_TRUE(ChooseSet(*program_, manager, L"", 0));
  ASSERT_TRUE(PumpUntil([&] { return Rows(ListOf(manager, true)).size() == 4; }, 10000));  // "Type B"
  ASSERT_TRUE(PostClick(DescendantButton(manager, English(kTextRecordDelays))));
  ASSERT_TRUE(PostClick(DescendantButton(manager, English(kTextStartRecord))));
  ASSERT_TRUE(PumpUntil([&] { return DescendantButton(manager, English(kTextStopRecord)) != nullptr; }, 10000));
  ASSERT_TRUE(program_->Answers(5000));
  ASSERT_TRUE(RunXdotool("keydown e sleep 0.15 keyup e sleep 0.2 keydown f sleep 0.1 keyup f"));
  ASSERT_TRUE(PumpUntil([&] { return Rows(ListOf(manager, true)).size() >= 7; }, 10000));
  PumpFor(200);
  ASSERT_TRUE(PostClick(DescendantButton(manager, English(kTextStopRecord))));
  ASSERT_TRUE(PumpUntil([&] { return DescendantButton(manager, English(kTextStartRecord)) != nullptr; }, 10000));
  ASSERT_TRUE(PostClick(DescendantButton(manager, English(kTextLabelOk))));
  ASSERT_TRUE(PumpUntil([&] { return !::IsWindow(manager); }, 10000) && program_->Answers(5000));

  MacroRecord recorded{};
  ASSERT_TRUE(::GetPrivateProfileStructA("Test set", "0", &recorded, sizeof recorded,
                                         install_.Path("config\\Preset_sequence.dat").c_str()));
  ASSERT_EQ(recorded.eventCount, 4);
  ASSERT_EQ(recorded.loopCount, 2);

  ASSERT_TRUE(Choose(kMacroSlot, {PlaceOf(kMacroSlot, Entry::kMacros), 1, 1}));
  ASSERT_TRUE(program_->Click(L"Apply"));
  std::string macroLine;
  EXPECT_TRUE(PumpUntil([&] {
    macroLine = ButtonLine(Mouse("dump").output, 9);
    return macroLine.find("4 events: 08+") != std::string::npos;
  }, 20000)) << macroLine;
  ASSERT_TRUE(WaitUntilIdle());

  InputRecorder recorder;
  ASSERT_EQ(Mouse("tap 9").exitCode, 0u);
  ASSERT_TRUE(recorder.PumpUntil([&] { return recorder.events().size() >= 8; }, 10000));
  EXPECT_EQ(recorder.Names(), (std::vector<std::string>{"45+", "45-", "46+", "46-", "45+", "45-", "46+", "46-"}));
  // Each gap is the recorded delay. The bound only catches a delay lost or doubled on the
  // way; the error itself is what the macro timing benchmark measures.
  double worst = 0;
  for (int loop = 0; loop < 2; ++loop)
    for (int i = 0; i < 3; ++i) {
      const auto& events = recorder.events();
      const double gap = events[static_cast<std::size_t>(loop * 4 + i + 1)].atMs - events[static_cast<std::size_t>(loop * 4 + i)].atMs;
      const double error = std::fabs(gap - recorded.events[i].delay);
      worst = std::max(worst, error);
      EXPECT_LT(error, 25.0) << "event " << i << ": " << gap << " ms for " << recorded.events[i].delay << " ms";
    }
  std::cout << "recorded delays " << recorded.events[0].delay << ", " << recorded.events[1].delay << ", "
            << recorded.events[2].delay << " ms; largest playback error " << worst << " ms\n";
}

}  // namespace
}  // namespace orvix::test
