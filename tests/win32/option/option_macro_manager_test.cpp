// The macro manager against the stand-in monitor: recording from the keyboard as the X
// display delivers it (order, auto-repeat and delays; injected keys ignored), OK saving the
// library and Cancel leaving its file byte for byte as it was, the timeline writing back
// only what was edited, and an empty library asking for its first set.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "ButtonPageDriver_win.h"
#include "InputRecorder_win.h"
#include "MacroManagerDriver_win.h"
#include "OptionFixtures_win.h"
#include "TextIds.h"
#include "macro_manager/MacroManagerTexts.h"
#include "macros/MacroRecord.h"

namespace orvix::test {
namespace {

using namespace button_page;
using namespace macro_manager;

constexpr DWORD kWait = 10000;

std::wstring English(int id) { return TableText(id, kEnglish); }

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class OptionMacroManager : public WithStandIn {
 protected:
  std::string LibraryPath() const { return install_.Path("config\\Preset_sequence.dat"); }

  // One set, "Test set", with the macro "Keys": A held 200 ms, then B after 300 ms.
  void WriteLibrary() {
    const std::string path = LibraryPath();
    ::WritePrivateProfileStringA("SetMacro", "number", "1", path.c_str());
    ::WritePrivateProfileStringA("SetMacro", "0", "Test set", path.c_str());
    ::WritePrivateProfileStringA("Test set", "number", "1", path.c_str());
    MacroRecord macro{};
    std::strcpy(macro.name, "Keys");
    macro.loopCount = 1;
    macro.eventCount = 4;
    macro.events[0] = {4, kKeyPress, 200};
    macro.events[1] = {4, kKeyRelease, 300};
    macro.events[2] = {5, kKeyPress, 0};
    macro.events[3] = {5, kKeyRelease, 0};
    ::WritePrivateProfileStructA("Test set", "0", &macro, sizeof macro, path.c_str());
  }

  MacroRecord SavedMacro(int index = 0) const {
    MacroRecord macro{};
    ::GetPrivateProfileStructA("Test set", std::to_string(index).c_str(), &macro, sizeof macro, LibraryPath().c_str());
    return macro;
  }

  // The program on the button page, the manager open with the first set and its macro.
  bool OpenWithFirstMacro() {
    if (!Start() || !ParkPointer(program_->window()) || !program_->Click(English(kTextLabelTabButtons))) return false;
    if (!PumpUntil([&] { return (page_ = Page(program_->window())) != nullptr && ::IsWindowVisible(page_); }, kWait))
      return false;
    manager_ = OpenManager(*program_, page_);
    if (!manager_ || !ChooseSet(*program_, manager_, L"", 0)) return false;
    return PumpUntil([&] { return Rows(ListOf(manager_, false)) == std::vector<std::wstring>{L"Keys"}; }, kWait);
  }

  HWND Button(int textId) const { return DescendantButton(manager_, English(textId)); }
  std::vector<std::wstring> SequenceRows() const { return Rows(ListOf(manager_, true)); }

  bool StartRecording() {
    if (!PostClick(Button(kTextStartRecord))) return false;
    // The hook is in once the button offers to stop.
    return PumpUntil([&] { return Button(kTextStopRecord) != nullptr; }, kWait) && program_->Answers(5000);
  }
  bool StopRecording() {
    return PostClick(Button(kTextStopRecord)) &&
           PumpUntil([&] { return Button(kTextStartRecord) != nullptr; }, kWait) && program_->Answers(5000);
  }
  bool Close(int textId) {
    // The library is saved after the window has gone: the main window answers then.
    return PostClick(DescendantButton(manager_, English(textId))) &&
           PumpUntil([&] { return !::IsWindow(manager_); }, kWait) && program_->Answers(5000);
  }

  HWND page_ = nullptr;
  HWND manager_ = nullptr;
};

TEST_F(OptionMacroManager, RecordingTakesTheKeyboardsKeysInOrderWithTheirDelaysAndOkSavesThem) {
  if (!XdotoolAvailable()) GTEST_SKIP() << "xdotool is not installed (scripts/setup installs it)";
  WriteLibrary();
  ASSERT_TRUE(OpenWithFirstMacro());
  EXPECT_EQ(SequenceRows(), (std::vector<std::wstring>{L"A Press", L"200 ms", L"A Release", L"300 ms", L"B Press",
                                                        L"B Release"}));
  ASSERT_TRUE(PostClick(Button(kTextRecordDelays)));
  ASSERT_TRUE(StartRecording());
  // A key another program injects is neither recorded nor kept from that program.
  InjectKey('Q');
  // A hook of this test, installed after the program's and so called before it, sees when
  // each key really arrived.
  InputRecorder arrivals;
  // C held long enough to repeat, 250 ms, then D tapped.
  ASSERT_TRUE(RunXdotool("keydown c sleep 0.6 keyup c sleep 0.25 key d"));
  ASSERT_TRUE(PumpUntil([&] { return SequenceRows().size() >= 5; }, kWait)) << SequenceRows().size();
  PumpFor(300);
  ASSERT_TRUE(StopRecording());
  std::vector<std::wstring> keyRows;
  for (const std::wstring& row : SequenceRows())
    if (row.size() < 3 || row.substr(row.size() - 3) != L" ms") keyRows.push_back(row);
  EXPECT_EQ(keyRows, (std::vector<std::wstring>{L"C Press", L"C Release", L"D Press", L"D Release"}));
  ASSERT_TRUE(Close(kTextLabelOk));

  const MacroRecord saved = SavedMacro();
  EXPECT_STREQ(saved.name, "Keys");
  ASSERT_EQ(saved.eventCount, 4);
  EXPECT_EQ(saved.events[0].key, 6);  // C, held: one press, not a run of them
  EXPECT_EQ(saved.events[0].direction, kKeyPress);
  EXPECT_EQ(saved.events[1].key, 6);
  EXPECT_EQ(saved.events[1].direction, kKeyRelease);
  EXPECT_EQ(saved.events[2].key, 7);  // D
  EXPECT_EQ(saved.events[3].delay, 0);
  // The delays are the hook's own times: within a few milliseconds of the typed ones.
  // The delays are the hook's own times, which match the keys' arrivals here within a few
  // milliseconds on a quiet machine (xdotool's own sleeps run longer than asked, so the
  // typed times are no measure). The bound only catches a delay that is not the gap
  // between those keys; a loaded machine calls this test's hook late by some milliseconds.
  std::vector<double> at;  // C down (the first of its repeats), C up, D down
  for (const RecordedInput& input : arrivals.events()) {
    if (input.name == "43+" && at.empty()) at.push_back(input.atMs);
    if (input.name == "43-" && at.size() == 1) at.push_back(input.atMs);
    if (input.name == "44+" && at.size() == 2) at.push_back(input.atMs);
  }
  ASSERT_EQ(at.size(), 3u) << arrivals.events().size() << " keys arrived";
  EXPECT_NEAR(saved.events[0].delay, at[1] - at[0], 25.0);
  EXPECT_NEAR(saved.events[1].delay, at[2] - at[1], 25.0);
  std::cout << "recorded " << saved.events[0].delay << " and " << saved.events[1].delay << " ms for gaps of "
            << at[1] - at[0] << " and " << at[2] - at[1] << " ms at this test's hook\n";
}

TEST_F(OptionMacroManager, CancelLeavesTheLibraryFileByteForByte) {
  if (!XdotoolAvailable()) GTEST_SKIP() << "xdotool is not installed (scripts/setup installs it)";
  WriteLibrary();
  const std::string before = FileBytes(LibraryPath());
  ASSERT_TRUE(OpenWithFirstMacro());
  ASSERT_TRUE(StartRecording());
  ASSERT_TRUE(RunXdotool("key x"));
  ASSERT_TRUE(PumpUntil([&] { return SequenceRows().size() == 2; }, kWait));
  ASSERT_TRUE(StopRecording());
  ASSERT_TRUE(Close(kTextLabelCancel));
  PumpFor(300);
  EXPECT_EQ(FileBytes(LibraryPath()), before);
}

TEST_F(OptionMacroManager, SwitchingEditorsWithoutAnEditChangesNothingAndADraggedEndIsWrittenBack) {
  WriteLibrary();
  const std::string before = FileBytes(LibraryPath());
  ASSERT_TRUE(OpenWithFirstMacro());
  ASSERT_TRUE(PostClick(Button(kTextSwitchToTimeline)));
  ASSERT_TRUE(PumpUntil([&] { return Button(kTextSwitchToList) != nullptr; }, kWait));
  ASSERT_TRUE(PostClick(Button(kTextSwitchToList)));
  ASSERT_TRUE(PumpUntil([&] { return Button(kTextSwitchToTimeline) != nullptr; }, kWait));
  ASSERT_TRUE(Close(kTextLabelOk));
  EXPECT_EQ(FileBytes(LibraryPath()), before);

  // Again, and the end of A's bar (0..200 ms) dragged to 600 ms with the mouse: at 96 DPI
  // the band starts 86 pixels into its window and shows 3000 ms over 380 pixels.
  manager_ = OpenManager(*program_, page_);
  ASSERT_NE(manager_, nullptr);
  ASSERT_TRUE(ChooseSet(*program_, manager_, L"", 0));
  ASSERT_TRUE(PostClick(Button(kTextSwitchToTimeline)));
  ASSERT_TRUE(PumpUntil([&] { return Button(kTextSwitchToList) != nullptr; }, kWait));
  const std::vector<HWND> bands = Descendants(manager_, kBandClass);
  ASSERT_EQ(bands.size(), 1u);
  RECT band{};
  ::GetWindowRect(bands[0], &band);
  const int rowY = band.top + 18 + 7;
  ASSERT_TRUE(MovePointer({band.left + 86 + 200 * 380 / 3000, rowY}));
  INPUT press{}, release{};
  press.type = release.type = INPUT_MOUSE;
  press.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  release.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ASSERT_EQ(::SendInput(1, &press, sizeof press), 1u);
  PumpFor(100);
  for (int x = 200 * 380 / 3000; x <= 600 * 380 / 3000; x += 8) {
    ASSERT_TRUE(MovePointer({band.left + 86 + x, rowY}));
    PumpFor(20);
  }
  ASSERT_TRUE(MovePointer({band.left + 86 + 600 * 380 / 3000, rowY}));
  PumpFor(100);
  ASSERT_EQ(::SendInput(1, &release, sizeof release), 1u);
  PumpFor(200);
  ASSERT_TRUE(Close(kTextLabelOk));
  const MacroRecord saved = SavedMacro();
  ASSERT_EQ(saved.eventCount, 4);
  // A now goes down at 0 and up at 600; B stays at 500..500.
  EXPECT_EQ(saved.events[0].key, 4);
  EXPECT_EQ(saved.events[0].direction, kKeyPress);
  EXPECT_EQ(saved.events[0].delay, 500);
  EXPECT_EQ(saved.events[1].key, 5);
  EXPECT_EQ(saved.events[1].direction, kKeyPress);
  EXPECT_EQ(saved.events[2].key, 5);
  EXPECT_EQ(saved.events[2].direction, kKeyRelease);
  EXPECT_EQ(saved.events[2].delay, 100);
  EXPECT_EQ(saved.events[3].key, 4);
  EXPECT_EQ(saved.events[3].direction, kKeyRelease);
}

TEST_F(OptionMacroManager, AnEmptyLibraryAsksForItsFirstSetAndNewNamesAMacroInPlace) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(program_->Click(English(kTextLabelTabButtons)));
  ASSERT_TRUE(PumpUntil([&] { return (page_ = Page(program_->window())) != nullptr && ::IsWindowVisible(page_); }, kWait));
  manager_ = OpenManager(*program_, page_);
  ASSERT_NE(manager_, nullptr);
  const HWND nameDialog = WaitForDialog(*program_, kSetNameTitle);
  ASSERT_NE(nameDialog, nullptr) << "an empty library asks for a set by itself";
  ASSERT_TRUE(SetText(::FindWindowExW(nameDialog, nullptr, L"Edit", nullptr), L"  Raid  "));
  ASSERT_TRUE(program_->AnswerPopup(nameDialog, English(kTextLabelOk)));
  ASSERT_TRUE(PumpUntil([&] { return DescendantButton(manager_, L"Raid") != nullptr; }, kWait));

  // New opens an edit on a new row; Enter commits the trimmed name.
  ASSERT_TRUE(PostClick(Button(kTextManagerNew)));
  HWND edit = nullptr;
  ASSERT_TRUE(PumpUntil([&] { return (edit = ::FindWindowExW(manager_, nullptr, L"Edit", nullptr)) != nullptr; }, kWait));
  ASSERT_TRUE(SetText(edit, L" Heal "));
  ::PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
  ASSERT_TRUE(PumpUntil([&] { return Rows(ListOf(manager_, false)) == std::vector<std::wstring>{L"Heal"}; }, kWait))
      << Rows(ListOf(manager_, false)).size();
  ASSERT_TRUE(Close(kTextLabelOk));
  char name[64] = {};
  ::GetPrivateProfileStringA("SetMacro", "0", "", name, sizeof name, LibraryPath().c_str());
  EXPECT_STREQ(name, "Raid");
  MacroRecord macro{};
  EXPECT_TRUE(::GetPrivateProfileStructA("Raid", "0", &macro, sizeof macro, LibraryPath().c_str()));
  EXPECT_STREQ(macro.name, "Heal");
}

TEST_F(OptionMacroManager, TheContextMenuInsertsAMouseClickBeforeTheSelectedRow) {
  WriteLibrary();
  ASSERT_TRUE(OpenWithFirstMacro());
  const HWND list = ListOf(manager_, true);
  RECT row{};
  ASSERT_NE(::SendMessageW(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row)), LB_ERR);
  POINT at{row.left + 20, row.top + 5};
  ::ClientToScreen(list, &at);
  // The last row is selected after loading; the right click selects the first ("A Press").
  ASSERT_TRUE(::PostMessageW(::GetParent(list), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(at.x, at.y)));
  const HWND menu = WaitForMenu(program_->processId());
  ASSERT_NE(menu, nullptr);
  WalkMenu(menu, {3, 1, 2});  // Insert Mouse Event > Right Button > Click
  ASSERT_TRUE(PumpUntil([&] { return SequenceRows().size() == 8; }, kWait)) << SequenceRows().size();
  EXPECT_EQ(SequenceRows(), (std::vector<std::wstring>{L"Right Button Press", L"Right Button Release", L"A Press",
                                                        L"200 ms", L"A Release", L"300 ms", L"B Press", L"B Release"}));
  ASSERT_TRUE(Close(kTextLabelOk));
  const MacroRecord saved = SavedMacro();
  ASSERT_EQ(saved.eventCount, 6);
  EXPECT_EQ(saved.events[0].key, 241);
  EXPECT_EQ(saved.events[1].key, 241);
  EXPECT_EQ(saved.events[1].direction, kKeyRelease);
  EXPECT_EQ(saved.events[2].delay, 200);
}

TEST_F(OptionMacroManager, TheMonitorsReloadWaitsUntilTheRecordingEnds) {
  WriteLibrary();
  ASSERT_TRUE(OpenWithFirstMacro());
  ASSERT_TRUE(StartRecording());
  const std::wstring before = program_->Names().at(2);
  monitor_->Change([](SharedDataBlock& block) { std::strcpy(block.config.profiles[2].ProFileName, "Read From Mouse"); });
  // The program answers at once, but leaves the block alone while the hook is in.
  ASSERT_TRUE(PostNotice(WM_OPT_DEVICE_READ_DONE));
  PumpFor(500);
  EXPECT_EQ(program_->Names().at(2), before);
  ASSERT_TRUE(StopRecording());
  EXPECT_TRUE(PumpUntil([&] { return program_->Names().at(2) == L"Read From Mouse"; }, kWait));
  ASSERT_TRUE(Close(kTextLabelCancel));
}

TEST_F(OptionMacroManager, RecordingAfterTheLastRowOfANearlyFullMacroStopsAtFiveHundredEvents) {
  if (!XdotoolAvailable()) GTEST_SKIP() << "xdotool is not installed (scripts/setup installs it)";
  const std::string path = LibraryPath();
  ::WritePrivateProfileStringA("SetMacro", "number", "1", path.c_str());
  ::WritePrivateProfileStringA("SetMacro", "0", "Test set", path.c_str());
  ::WritePrivateProfileStringA("Test set", "number", "1", path.c_str());
  MacroRecord nearlyFull{};
  std::strcpy(nearlyFull.name, "Keys");
  nearlyFull.eventCount = kMaxMacroEvents - 2;
  for (int i = 0; i < nearlyFull.eventCount; ++i)
    nearlyFull.events[i] = {4, static_cast<std::uint8_t>(i % 2 ? kKeyRelease : kKeyPress), 0};
  ::WritePrivateProfileStructA("Test set", "0", &nearlyFull, sizeof nearlyFull, path.c_str());
  ASSERT_TRUE(Start() && ParkPointer(program_->window()) && program_->Click(English(kTextLabelTabButtons)));
  ASSERT_TRUE(PumpUntil([&] { return (page_ = Page(program_->window())) != nullptr && ::IsWindowVisible(page_); }, kWait));
  manager_ = OpenManager(*program_, page_);
  ASSERT_TRUE(manager_ && ChooseSet(*program_, manager_, L"", 0));
  ASSERT_TRUE(PumpUntil([&] { return SequenceRows().size() == 498; }, kWait));

  // "Start Record after" on the selected last row, then two keys typed: the first fills
  // the macro, which ends the recording by itself; the second is not recorded.
  const HWND list = ListOf(manager_, true);
  RECT client{};
  ::GetClientRect(list, &client);
  POINT at{client.left + 20, client.bottom - 5};
  ::ClientToScreen(list, &at);
  ASSERT_TRUE(::PostMessageW(::GetParent(list), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(at.x, at.y)));
  const HWND menu = WaitForMenu(program_->processId());
  ASSERT_NE(menu, nullptr);
  WalkMenu(menu, {1});
  ASSERT_TRUE(PumpUntil([&] { return Button(kTextStopRecord) != nullptr; }, kWait) && program_->Answers(5000));
  ASSERT_TRUE(RunXdotool("key x sleep 0.2 key y"));
  ASSERT_TRUE(PumpUntil([&] { return Button(kTextStartRecord) != nullptr; }, kWait)) << "the full macro ended the recording";
  PumpFor(500);
  EXPECT_EQ(SequenceRows().size(), 500u);
  ASSERT_TRUE(Close(kTextLabelOk));
  const MacroRecord saved = SavedMacro();
  ASSERT_EQ(saved.eventCount, kMaxMacroEvents);
  EXPECT_EQ(saved.events[498].key, 27);  // X down and up
  EXPECT_EQ(saved.events[498].direction, kKeyPress);
  EXPECT_EQ(saved.events[499].key, 27);
  EXPECT_EQ(saved.events[499].direction, kKeyRelease);
}

}  // namespace
}  // namespace orvix::test
