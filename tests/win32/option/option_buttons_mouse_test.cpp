// The whole road of a button: a macro of the library and a timer given to slots on the
// button page, applied, are in the mouse's memory, and pressing those buttons of the virtual
// mouse makes the monitor play the macro on the host and count the timer down aloud.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "AdvancedPageDriver_win.h"
#include "DebugOutputListener_win.h"
#include "InputRecorder_win.h"
#include "OptionWithMouse_win.h"
#include "TextIds.h"
#include "macros/MacroRecord.h"
#include "timers/TimerRecord.h"

namespace orvix::test {
namespace {

std::wstring English(int id) { return TableText(id, kEnglish); }

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

constexpr int kFirstSlotId = 200;
constexpr int kMacroSlot = 12;  // device button 9
constexpr int kTimerSlot = 14;  // device button 11

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

struct SlotSearch {
  int id;
  HWND found;
};

BOOL CALLBACK FindSlot(HWND child, LPARAM context) {
  auto* search = reinterpret_cast<SlotSearch*>(context);
  if (::GetDlgCtrlID(child) == search->id && ::IsWindowVisible(child)) {
    search->found = child;
    return FALSE;
  }
  return TRUE;
}

HWND SlotButton(HWND program, int slot) {
  SlotSearch search{kFirstSlotId + slot, nullptr};
  ::EnumChildWindows(program, &FindSlot, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring TextOf(HWND window) {
  wchar_t text[256] = {};
  DWORD_PTR copied = 0;
  ::SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &copied);
  return text;
}

HWND OpenMenu(DWORD timeoutMs) {
  HWND menu = nullptr;
  PumpUntil([&] { return (menu = ::FindWindowW(L"#32768", nullptr)) && ::IsWindowVisible(menu); }, timeoutMs);
  return menu;
}

// Opens the slot's menu with a click and walks it with the keyboard, as a person may.
bool ChooseFromMenu(HWND program, int slot, std::initializer_list<UINT> keys) {
  const HWND button = SlotButton(program, slot);
  if (!button || !PostClick(button)) return false;
  const HWND menu = OpenMenu(5000);
  if (!menu) return false;
  for (UINT key : keys) {
    ::PostMessageW(menu, WM_KEYDOWN, key, 0);
    PumpFor(100);  // a submenu opens (and is filled) before the next key reaches it
  }
  return PumpUntil([] { return !OpenMenu(0); }, 5000);
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
    ASSERT_TRUE(PumpUntil([&] { return SlotButton(program_->window(), kMacroSlot) != nullptr; }, 5000));
    PumpFor(500);  // the start's last refresh
  }
};

TEST_F(OptionButtonsWithMouse, ALibraryMacroAndATimerAssignedOnThePageArePlayedByTheMouseButtons) {
  const HWND window = program_->window();
  // The macro: "Macro + Preset Compilation" > "Test set" > "Type B".
  ASSERT_TRUE(ChooseFromMenu(window, kMacroSlot, {VK_DOWN, VK_RIGHT, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN}));
  EXPECT_TRUE(PumpUntil([&] { return TextOf(SlotButton(window, kMacroSlot)).find(L"Type B") != std::wstring::npos; }, 5000))
      << "the slot shows " << Narrow(TextOf(SlotButton(window, kMacroSlot)));
  // The timer: "Assign a Timer" > past Create, Edit/Delete and Stop Timer > "Tea".
  ASSERT_TRUE(ChooseFromMenu(window, kTimerSlot, {VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}));
  EXPECT_TRUE(PumpUntil([&] { return TextOf(SlotButton(window, kTimerSlot)).find(L"Tea") != std::wstring::npos; }, 5000))
      << "the slot shows " << Narrow(TextOf(SlotButton(window, kTimerSlot)));

  ASSERT_TRUE(program_->Click(L"Apply"));
  std::string macroLine, timerLine;
  EXPECT_TRUE(PumpUntil([&] {
    const std::string dump = Mouse("dump").output;
    macroLine = ButtonLine(dump, 9);
    timerLine = ButtonLine(dump, 11);
    // The macro's events follow the function in a report sequence of their own.
    return macroLine.find("events:") != std::string::npos && timerLine.find("function 49") != std::string::npos;
  }, 20000)) << macroLine << "\n" << timerLine;
  EXPECT_NE(macroLine.find("macro \"Type B\" from \"Test set\""), std::string::npos) << macroLine;
  EXPECT_NE(macroLine.find("2 events: 05+10 05-10"), std::string::npos) << macroLine;
  ASSERT_TRUE(WaitUntilIdle());

  InputRecorder recorder;
  ASSERT_EQ(Mouse("tap 9").exitCode, 0u);
  ASSERT_TRUE(recorder.PumpUntil([&] { return recorder.events().size() >= 4; }, 10000));
  EXPECT_EQ(recorder.Names(), (std::vector<std::string>{"42+", "42-", "42+", "42-"}));  // B, twice

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

}  // namespace
}  // namespace orvix::test
