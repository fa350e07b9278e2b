// The button assignment page against the stand-in monitor, with its real pop-up menus and
// dialogs: what a chosen item gives the slot and hands over with Apply, the Altlayer
// coupling, the dialogs' keys and files, hostile library and timer files, and the hover
// picture as the screen shows it.
#include <gtest/gtest.h>

#include <objidl.h>
#include <gdiplus.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "ButtonFunctionCodes.h"
#include "ButtonPageDriver_win.h"
#include "FileDialogDriver_win.h"
#include "FixedText.h"
#include "IniDocument.h"
#include "KeyNames.h"
#include "KeyTable.h"
#include "KeyboardLayout_win.h"
#include "OptionFixtures_win.h"
#include "ProcAddress_win.h"
#include "StructText.h"
#include "TextIds.h"
#include "UniqueHandle.h"
#include "dialogs/AssignmentDialogTexts.h"
#include "macros/MacroRecord.h"
#include "pages/buttons/ButtonPageTexts.h"
#include "timers/TimerRecord.h"

namespace orvix::test {
namespace {

using namespace button_page;

constexpr int kProfile = 1;  // the current profile of the stand-in's block
constexpr DWORD kWait = 10000;

// The dialogs' window titles.
constexpr wchar_t kShortcutTitle[] = L"Lumo Key Shortcut Dialog";
constexpr wchar_t kNewTimerTitle[] = L"Orvix One New Timer";
constexpr wchar_t kTimerEditorTitle[] = L"Orvix One Timer Editor";
constexpr wchar_t kMediaPlayerTitle[] = L"Orvix One Media Player";
constexpr wchar_t kProgramTitle[] = L"Orvix One Program";

std::wstring English(int id) { return TableText(id, kEnglish); }

// ---- files in the program's formats --------------------------------------------------------

bool WriteFile(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
  return static_cast<bool>(out);
}

MacroRecord Macro(const char* name, std::int32_t loops, std::vector<MacroEvent> events) {
  MacroRecord macro;
  std::memset(&macro, 0, sizeof macro);
  std::strncpy(macro.name, name, sizeof macro.name - 1);
  macro.loopCount = loops;
  macro.eventCount = static_cast<std::int32_t>(events.size());
  std::copy(events.begin(), events.end(), macro.events);
  return macro;
}

TimerRecord Timer(const char* name, std::int32_t seconds) {
  TimerRecord timer;
  std::memset(&timer, 0, sizeof timer);
  timer.seconds = seconds;
  std::strncpy(timer.name, name, sizeof timer.name - 1);
  return timer;
}

template <typename Record>
std::string StructOf(const Record& record) {
  return EncodeStructText(&record, sizeof record);
}

struct TimerEntry {
  std::string name;
  int seconds;
  friend bool operator==(const TimerEntry&, const TimerEntry&) = default;
  friend void PrintTo(const TimerEntry& t, std::ostream* out) { *out << '"' << t.name << "\" " << t.seconds << " s"; }
};

// "config\Timer.ini" read back as the program writes it: "Count", then the records. Read
// from its bytes, so no cached copy of the system's profile calls can stand in for it.
std::optional<std::vector<TimerEntry>> TimersInFile(const std::string& folder) {
  const auto content = ReadWholeFile(folder + "config\\Timer.ini");
  if (!content) return std::nullopt;
  const IniDocument file(*content);
  const auto count = file.RawValue("Timer", "Count");
  if (!count) return std::nullopt;
  std::vector<TimerEntry> timers;
  for (int i = 0; i < std::stoi(*count); ++i) {
    TimerRecord timer{};
    const auto text = file.RawValue("Timer", std::to_string(i));
    if (!text || !DecodeStructText(*text, &timer, sizeof timer)) return std::nullopt;
    timers.push_back({std::string(FixedTextView(timer.name)), timer.seconds});
  }
  return timers;
}

// ---- pictures ----------------------------------------------------------------------------

// Pixels as 0xRRGGBB, row after row.
struct Pixels {
  int width = 0, height = 0;
  std::vector<std::uint32_t> rgb;
};

// A picture file decoded by the system's GDI+, loaded for the purpose.
std::optional<Pixels> DecodePicture(const std::string& path) {
  namespace flat = Gdiplus::DllExports;
  ModuleHandle module(::LoadLibraryW(L"gdiplus.dll"));
  const auto startup = ProcAddress<decltype(Gdiplus::GdiplusStartup)>(module.get(), "GdiplusStartup");
  const auto shutdown = ProcAddress<decltype(Gdiplus::GdiplusShutdown)>(module.get(), "GdiplusShutdown");
  const auto fromFile = ProcAddress<decltype(flat::GdipCreateBitmapFromFile)>(module.get(), "GdipCreateBitmapFromFile");
  const auto width = ProcAddress<decltype(flat::GdipGetImageWidth)>(module.get(), "GdipGetImageWidth");
  const auto height = ProcAddress<decltype(flat::GdipGetImageHeight)>(module.get(), "GdipGetImageHeight");
  const auto pixel = ProcAddress<decltype(flat::GdipBitmapGetPixel)>(module.get(), "GdipBitmapGetPixel");
  const auto dispose = ProcAddress<decltype(flat::GdipDisposeImage)>(module.get(), "GdipDisposeImage");
  if (!startup || !shutdown || !fromFile || !width || !height || !pixel || !dispose) return std::nullopt;
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  if (startup(&token, &input, nullptr) != Gdiplus::Ok) return std::nullopt;
  std::optional<Pixels> decoded;
  Gdiplus::GpBitmap* bitmap = nullptr;
  if (fromFile(Wide(path).c_str(), &bitmap) == Gdiplus::Ok && bitmap) {
    UINT w = 0, h = 0;
    width(bitmap, &w);
    height(bitmap, &h);
    Pixels pixels{static_cast<int>(w), static_cast<int>(h), {}};
    for (UINT y = 0; y < h; ++y)
      for (UINT x = 0; x < w; ++x) {
        Gdiplus::ARGB argb = 0;
        pixel(bitmap, static_cast<INT>(x), static_cast<INT>(y), &argb);
        pixels.rgb.push_back(argb & 0xFFFFFFu);
      }
    decoded = std::move(pixels);
    dispose(bitmap);
  }
  shutdown(token);
  return decoded;
}

struct GdiObjectTraits {
  using Handle = HGDIOBJ;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::DeleteObject(h); }
};
struct MemoryDcTraits {
  using Handle = HDC;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle h) { return h != nullptr; }
  static void Close(Handle h) { ::DeleteDC(h); }
};

// What the screen shows in `area`.
Pixels ScreenPixels(const RECT& area) {
  Pixels pixels{area.right - area.left, area.bottom - area.top, {}};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = pixels.width;
  info.bmiHeader.biHeight = -pixels.height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  UniqueHandle<GdiObjectTraits> bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  UniqueHandle<MemoryDcTraits> memory(::CreateCompatibleDC(nullptr));
  if (!bitmap || !memory) return pixels;
  const HGDIOBJ old = ::SelectObject(memory.get(), bitmap.get());
  const HDC screen = ::GetDC(nullptr);
  ::BitBlt(memory.get(), 0, 0, pixels.width, pixels.height, screen, area.left, area.top, SRCCOPY);
  ::ReleaseDC(nullptr, screen);
  ::SelectObject(memory.get(), old);
  const auto* data = static_cast<const std::uint32_t*>(bits);
  pixels.rgb.assign(data, data + static_cast<std::size_t>(pixels.width) * pixels.height);
  for (std::uint32_t& p : pixels.rgb) p &= 0xFFFFFFu;
  return pixels;
}

// The pixels of `shown` that differ from the part of `expected` at x, y; every pixel when
// that part does not fit.
int Differences(const Pixels& shown, const Pixels& expected, int x = 0, int y = 0) {
  if (x + shown.width > expected.width || y + shown.height > expected.height) return shown.width * shown.height;
  int differences = 0;
  for (int row = 0; row < shown.height; ++row)
    for (int column = 0; column < shown.width; ++column)
      differences += shown.rgb[static_cast<std::size_t>(row * shown.width + column)] !=
                     expected.rgb[static_cast<std::size_t>((y + row) * expected.width + x + column)];
  return differences;
}

// ---- the fixture ---------------------------------------------------------------------------

class OptionButtonPage : public WithStandIn {
 protected:
  // Starts the program and opens the Button Assign tab; the pointer stays off the page.
  bool OpenPage() {
    if (!Start()) return false;
    if (!ParkPointer(program_->window()) || !program_->Click(English(kTextLabelTabButtons))) return false;
    return PumpUntil([&] {
      page_ = Page(program_->window());
      return page_ && ::IsWindowVisible(page_) && !Label(0).empty();
    }, kWait);
  }

  std::wstring Label(int slot) const { return WindowText(Slot(page_, slot)); }

  // Waits until what was posted to the program has reached it (see the advanced page).
  bool Settle() {
    if (!program_->Answers(5000)) return false;
    PumpFor(300);
    return program_->Answers(5000);
  }

  // Clicks the slot and walks its menu to an item.
  bool Choose(int slot, const std::vector<int>& places) {
    return ChooseForSlot(*program_, page_, slot, places) && Settle();
  }

  // True when a click on the slot opens no menu.
  bool OpensNoMenu(int slot) {
    if (!PostClick(Slot(page_, slot)) || !Settle()) return false;
    const bool none = OpenMenus(program_->processId()).empty();
    for (HWND menu : OpenMenus(program_->processId())) PostKeys(menu, VK_ESCAPE);
    return none;
  }

  // Applies and returns what the program handed over.
  std::shared_ptr<const SharedDataBlock> Apply() {
    monitor_->Clear();
    if (!program_->Click(English(kTextLabelApply)) || !monitor_->WaitFor(WM_MON_APPLY_ALL, kWait)) return nullptr;
    WaitUntilIdle();
    return monitor_->Last(WM_MON_APPLY_ALL)->block;
  }
  static const ButtonAssignment& SlotOf(const SharedDataBlock& block, int slot) {
    return block.config.profiles[kProfile].MacroKeyInfo[slot];
  }
  static std::string Flag(int slot) {
    return "button[" + std::to_string(kProfile) + "][" + std::to_string(slot) + "]=1";
  }

  // A dialog's OK, then the dialog gone.
  bool Confirm(HWND dialog) { return program_->AnswerPopup(dialog, English(kTextLabelOk)); }

  HWND page_ = nullptr;
};

// ---- menus -------------------------------------------------------------------------------

struct ItemCase {
  const char* name;
  int slot;
  std::vector<int> places;
  std::uint8_t code;
  std::wstring label;
};

TEST_F(OptionButtonPage, EachChosenItemGivesItsCodeAndFlagsItsSlotAlone) {
  ASSERT_TRUE(OpenPage());
  const std::wstring pinpoint =
      L"Pinpoint " + std::to_wstring(config_->profiles[kProfile].CpiLevel_X[2] * 200) + L" DPI";
  const ItemCase cases[] = {
      {"slot 3 Tilt Left", 3, {PlaceOf(3, Plain::kTiltLeft)}, kFunctionTiltLeft, L"Tilt Left"},
      {"slot 9 DPI Cycle", 9, {PlaceOf(9, Entry::kDpi), 0}, kFunctionDpiCycle, L"DPI Cycle"},
      {"slot 13 Scroll Down, no Pinpoint in the Altlayer layer", 13, {PlaceOf(13, Plain::kScrollDown)},
       kFunctionScrollDown, L"Scroll Down"},
      {"slot 2 Pinpoint of level 3", 2, {PlaceOf(2, Entry::kPinpoint), 2}, 53, pinpoint},
      {"slot 7 Sensitivity Up", 7, {PlaceOf(7, Entry::kSensitivity), 1}, kFunctionSensitivityUp, L"Sensitivity Up"},
      {"slot 22 Next Track, past Select Player", 22, {PlaceOf(22, Entry::kMultimedia), 6}, kFunctionNextTrack,
       L"Next Track"},
      {"slot 3 Rollset DPI, past the separator", 3, {PlaceOf(3, Entry::kAltlayer), 3}, 68, L"Rollset DPI"},
      {"slot 20 Stop Timer", 20, {PlaceOf(20, Entry::kTimers), 2}, kFunctionStopTimer, L"Stop Timer"},
  };
  ProfileRecord expected = config_->profiles[kProfile];
  for (const ItemCase& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(Choose(c.slot, c.places));
    EXPECT_EQ(Label(c.slot), c.label);
    const auto block = Apply();
    ASSERT_TRUE(block);
    expected.MacroKeyInfo[c.slot].function = c.code;
    EXPECT_EQ(SlotOf(*block, c.slot).function, c.code);
    EXPECT_EQ(SetFlags(block->flags), Flag(c.slot));
    EXPECT_EQ(std::memcmp(&block->config.profiles[kProfile], &expected, sizeof expected), 0)
        << "only the chosen slot's code changes";
  }
  // Only the current profile is edited.
  EXPECT_EQ(std::memcmp(&monitor_->Block()->config.profiles[0], &config_->profiles[0], sizeof(ProfileRecord)), 0);
}

TEST_F(OptionButtonPage, ALayerKeyTakesItsAltlayerSlotAwayAndClickGivesItBack) {
  ASSERT_TRUE(OpenPage());
  // The defaults: slot 4 is the layer key, so slot 16 cannot be assigned.
  ASSERT_EQ(config_->profiles[kProfile].MacroKeyInfo[4].function, kFunctionAltlayer);
  ASSERT_EQ(config_->profiles[kProfile].MacroKeyInfo[16].function, kFunctionDisabled);
  EXPECT_TRUE(OpensNoMenu(16));

  // Click: slot 16 comes back as "Disabled" (nothing was remembered for it).
  ASSERT_TRUE(Choose(4, {PlaceOf(4, Plain::kClick)}));
  auto block = Apply();
  ASSERT_TRUE(block);
  EXPECT_EQ(SlotOf(*block, 4).function, kFunctionClick);
  EXPECT_EQ(SlotOf(*block, 16).function, kFunctionDisabledToo);
  EXPECT_EQ(SetFlags(block->flags), Flag(4) + " " + Flag(16));

  // Slot 16 is assignable now.
  ASSERT_TRUE(Choose(16, {PlaceOf(16, Plain::kScrollUp)}));
  block = Apply();
  ASSERT_TRUE(block);
  EXPECT_EQ(SlotOf(*block, 16).function, kFunctionScrollUp);
  EXPECT_EQ(SetFlags(block->flags), Flag(16));

  // Altlayer[+] Orvix One again: slot 16 becomes code 0 and opens no menu.
  ASSERT_TRUE(Choose(4, {PlaceOf(4, Entry::kAltlayer), 0}));
  EXPECT_EQ(Label(4), L"Altlayer[+] Orvix One");
  EXPECT_EQ(Label(16), L"Disabled");
  EXPECT_TRUE(OpensNoMenu(16));
  block = Apply();
  ASSERT_TRUE(block);
  EXPECT_EQ(SlotOf(*block, 4).function, kFunctionAltlayer);
  EXPECT_EQ(SlotOf(*block, 16).function, kFunctionDisabled);
  EXPECT_EQ(SetFlags(block->flags), Flag(4) + " " + Flag(16));

  // Click once more: slot 16 gets its Scroll Up back.
  ASSERT_TRUE(Choose(4, {PlaceOf(4, Plain::kClick)}));
  EXPECT_EQ(Label(16), L"Scroll Up");
  block = Apply();
  ASSERT_TRUE(block);
  EXPECT_EQ(SlotOf(*block, 4).function, kFunctionClick);
  EXPECT_EQ(SlotOf(*block, 16).function, kFunctionScrollUp);
  EXPECT_EQ(SetFlags(block->flags), Flag(4) + " " + Flag(16));
}

TEST_F(OptionButtonPage, TheFirstTwoSlotsOpenNoMenuAndASecondClickOnlyClosesIt) {
  ASSERT_TRUE(OpenPage());
  EXPECT_TRUE(OpensNoMenu(0));
  EXPECT_TRUE(OpensNoMenu(1));

  // The mouse clicks slot 13, then clicks it again while its menu is open.
  const POINT button = CentreOf(Slot(page_, 13));
  ASSERT_TRUE(ClickAt(button));
  const HWND menu = WaitForMenu(program_->processId());
  ASSERT_NE(menu, nullptr);
  RECT shown{};
  ::GetWindowRect(menu, &shown);
  ASSERT_FALSE(::PtInRect(&shown, button)) << "the menu covers its button: the screen is too small for this test";
  PumpFor(700);  // longer than a double click
  ASSERT_TRUE(ClickAt(button));
  ASSERT_TRUE(PumpUntil([&] { return OpenMenus(program_->processId()).empty(); }, 5000));
  ASSERT_TRUE(Settle());
  PumpFor(500);
  EXPECT_TRUE(OpenMenus(program_->processId()).empty()) << "the closing click opened the menu again";

  // The next click opens it again, and a choice made in it counts.
  ASSERT_TRUE(ParkPointer(program_->window()));
  ASSERT_TRUE(Choose(13, {PlaceOf(13, Plain::kDoubleClick)}));
  const auto block = Apply();
  ASSERT_TRUE(block);
  EXPECT_EQ(SlotOf(*block, 13).function, kFunctionDoubleClick);
  EXPECT_EQ(SetFlags(block->flags), Flag(13));
}

// The library file as the program writes it: the sets listed in order, each with its macros.
std::string LibraryFile(const std::vector<std::pair<std::string, std::vector<MacroRecord>>>& sets) {
  IniDocument file;
  file.Write("SetMacro", "number", std::to_string(sets.size()));
  for (std::size_t i = 0; i < sets.size(); ++i) file.Write("SetMacro", std::to_string(i), sets[i].first);
  for (const auto& [name, macros] : sets) {
    file.Write(name, "number", std::to_string(macros.size()));
    for (std::size_t j = 0; j < macros.size(); ++j) file.Write(name, std::to_string(j), StructOf(macros[j]));
  }
  return file.Text();
}

TEST_F(OptionButtonPage, ALibraryMacroIsCopiedWithItsEventsAndTiltLeftClearsThem) {
  const MacroRecord pull = Macro("Pull", 1, {{0x1E, kKeyPress, 10}, {0x1E, kKeyRelease, 0}});
  const MacroRecord paste = Macro("Paste twice", 3,
                                  {{0xE0, kKeyPress, 5}, {0x19, kKeyPress, 20}, {0x19, kKeyRelease, 5},
                                   {0xE0, kKeyRelease, 0}});
  ASSERT_TRUE(WriteFile(install_.Path("config\\Preset_sequence.dat"),
                        LibraryFile({{"World of Warcraft", {pull}}, {"Office", {Macro("Copy", 1, {}), paste}}})));
  ASSERT_TRUE(OpenPage());

  // Macros, the second set (the first is followed by a separator), its second macro.
  ASSERT_TRUE(Choose(2, {PlaceOf(2, Entry::kMacros), 2, 2}));
  EXPECT_EQ(Label(2), L"Paste twice");
  auto block = Apply();
  ASSERT_TRUE(block);
  const ButtonAssignment& macro = SlotOf(*block, 2);
  EXPECT_EQ(macro.function, kFunctionMacro);
  EXPECT_EQ(NameText(macro.macroSetName, sizeof macro.macroSetName), "Office");
  EXPECT_EQ(NameText(macro.macroName, sizeof macro.macroName), "Paste twice");
  EXPECT_EQ(macro.loopCount, 3);
  EXPECT_EQ(macro.eventCount, 4);
  EXPECT_EQ(std::memcmp(macro.events, paste.events, sizeof macro.events), 0);
  EXPECT_EQ(SetFlags(block->flags), Flag(2));

  ASSERT_TRUE(Choose(2, {PlaceOf(2, Plain::kTiltLeft)}));
  block = Apply();
  ASSERT_TRUE(block);
  const ButtonAssignment& cleared = SlotOf(*block, 2);
  EXPECT_EQ(cleared.function, kFunctionTiltLeft);
  EXPECT_EQ(NameText(cleared.macroSetName, sizeof cleared.macroSetName), "");
  EXPECT_EQ(NameText(cleared.macroName, sizeof cleared.macroName), "");
  EXPECT_EQ(cleared.loopCount, 0);
  EXPECT_EQ(cleared.eventCount, 0);
  const MacroEvent none[kMaxMacroEvents] = {};
  EXPECT_EQ(std::memcmp(cleared.events, none, sizeof none), 0);
  EXPECT_EQ(SetFlags(block->flags), Flag(2));
}

TEST_F(OptionButtonPage, SelectPlayerChangesTheProfilesPlayerAndNoSlot) {
  ASSERT_TRUE(OpenPage());
  ASSERT_EQ(config_->profiles[kProfile].MediaOption, 0);
  ASSERT_TRUE(Choose(2, {PlaceOf(2, Entry::kMultimedia), 3}));
  const HWND dialog = WaitForDialog(*program_, kMediaPlayerTitle);
  ASSERT_NE(dialog, nullptr);
  const HWND choice = ChildButton(dialog, L"Windows Media player");
  ASSERT_NE(choice, nullptr);
  // The drop-down's own menu: VLC Media Player is the third player.
  ASSERT_TRUE(PostClick(choice));
  const HWND menu = WaitForMenu(program_->processId());
  ASSERT_NE(menu, nullptr);
  WalkMenu(menu, {2});
  ASSERT_TRUE(PumpUntil([&] { return WindowText(choice) == L"VLC Media Player"; }, 5000)) << WindowText(choice);
  ASSERT_TRUE(Confirm(dialog));
  ASSERT_TRUE(Settle());

  const auto block = Apply();
  ASSERT_TRUE(block);
  EXPECT_EQ(block->config.profiles[kProfile].MediaOption, 2);
  EXPECT_EQ(SlotOf(*block, 2).function, config_->profiles[kProfile].MacroKeyInfo[2].function);
  EXPECT_EQ(SetFlags(block->flags), "none");
}

TEST_F(OptionButtonPage, QuicklaunchTakesTheChosenProgramAndRefusesAPathTooLongForTheButton) {
  ASSERT_TRUE(OpenPage());
  const std::vector<int> quicklaunch = {PlaceOf(2, Plain::kQuicklaunch)};
  ASSERT_TRUE(Choose(2, quicklaunch));
  HWND dialog = WaitForDialog(*program_, kProgramTitle);
  ASSERT_NE(dialog, nullptr);
  HWND field = ::FindWindowExW(dialog, nullptr, L"Edit", nullptr);
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(WindowText(field), L"");
  // Chosen with the browse button in the system's file dialog.
  const std::string program = install_.Path("OrvixOneMonitor.exe");
  ASSERT_TRUE(PostClick(ChildButton(dialog, L"\u2026")));
  ASSERT_TRUE(AnswerFileDialog(*program_, program));
  ASSERT_TRUE(PumpUntil([&] { return _wcsicmp(WindowText(field).c_str(), Wide(program).c_str()) == 0; }, kWait))
      << testing::PrintToString(WindowText(field));
  const std::wstring chosen = WindowText(field);
  ASSERT_TRUE(Confirm(dialog) && Settle());
  EXPECT_EQ(_wcsicmp(Label(2).c_str(), L"OrvixOneMonitor.exe"), 0) << testing::PrintToString(Label(2));
  auto block = Apply();
  ASSERT_TRUE(block);
  EXPECT_EQ(SlotOf(*block, 2).function, kFunctionQuicklaunch);
  EXPECT_EQ(Wide(NameText(SlotOf(*block, 2).programPath, sizeof(ButtonAssignment::programPath))), chosen);
  EXPECT_EQ(SetFlags(block->flags), Flag(2));

  // Opened again it shows the slot's program. A path longer than the slot's 259 characters
  // gets a notice, and the dialog stays open for another.
  ASSERT_TRUE(Choose(2, quicklaunch));
  dialog = WaitForDialog(*program_, kProgramTitle);
  ASSERT_NE(dialog, nullptr);
  field = ::FindWindowExW(dialog, nullptr, L"Edit", nullptr);
  EXPECT_EQ(WindowText(field), chosen);
  ASSERT_TRUE(SetText(field, L"C:\\Games\\" + std::wstring(260, L'g') + L".exe"));
  ASSERT_TRUE(PostClick(ChildButton(dialog, English(kTextLabelOk))));
  HWND notice = nullptr;
  ASSERT_TRUE(PumpUntil([&] {
    for (HWND popup : program_->Popups())
      if (OptionProgram::PopupTexts(popup).find(English(kTextProgramTooLong)) != std::wstring::npos) notice = popup;
    return notice != nullptr;
  }, kWait));
  ASSERT_TRUE(program_->AnswerPopup(notice, English(kTextLabelOk)));
  ASSERT_TRUE(Settle());
  EXPECT_TRUE(::IsWindow(dialog) && ::IsWindowVisible(dialog));
  ASSERT_TRUE(program_->AnswerPopup(dialog, English(kTextLabelCancel)));
  ASSERT_TRUE(Settle());
  block = Apply();
  ASSERT_TRUE(block);
  EXPECT_EQ(Wide(NameText(SlotOf(*block, 2).programPath, sizeof(ButtonAssignment::programPath))), chosen);
  EXPECT_EQ(SetFlags(block->flags), "none");
}

// ---- the shortcut dialog -------------------------------------------------------------------

TEST_F(OptionButtonPage, TheShortcutDialogTakesTheKeyboardsKeysAndNoInjectedOnes) {
  if (!XdotoolAvailable())
    GTEST_SKIP() << "xdotool is not installed (scripts/setup installs it): keys typed on the display are needed, "
                    "since the dialog ignores injected keys";
  ActiveKeyboardLayout layout;
  const std::optional<int> enter = VirtualKeyToUsage(VK_RETURN, layout);
  ASSERT_TRUE(enter);
  const std::wstring enterName = Wide(std::string(KeyNameFromUsage(*enter, layout).view()));
  ASSERT_FALSE(enterName.empty());

  ASSERT_TRUE(OpenPage());
  ASSERT_TRUE(Choose(2, {PlaceOf(2, Plain::kShortcut)}));
  HWND dialog = WaitForDialog(*program_, kShortcutTitle);
  ASSERT_NE(dialog, nullptr);
  HWND key = ::FindWindowExW(dialog, nullptr, L"Edit", nullptr);
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(WindowText(key), L"");

  // A key another program injected is not taken.
  InjectKey('Q');
  ASSERT_TRUE(Settle());
  EXPECT_EQ(WindowText(key), L"");
  // The keyboard's Enter is the key, and does not end the dialog.
  ASSERT_TRUE(TypeOnDisplay("Return"));
  ASSERT_TRUE(PumpUntil([&] { return WindowText(key) == enterName; }, kWait)) << WindowText(key);
  ASSERT_TRUE(Settle());
  EXPECT_TRUE(::IsWindow(dialog) && ::IsWindowVisible(dialog));
  InjectKey('Q');
  ASSERT_TRUE(Settle());
  EXPECT_EQ(WindowText(key), enterName);

  HWND none = ChildButton(dialog, English(kTextModifierNone));
  HWND shift = ChildButton(dialog, English(kTextModifierShift));
  HWND ctrl = ChildButton(dialog, English(kTextModifierCtrl));
  const HWND alt = ChildButton(dialog, English(kTextModifierAlt));
  const HWND win = ChildButton(dialog, English(kTextModifierWin));
  ASSERT_TRUE(none && shift && ctrl && alt && win);
  const HWND modifiers[] = {shift, ctrl, alt, win};
  ASSERT_TRUE(PostClick(shift) && PostClick(ctrl) && Settle());
  // None disables the four and keeps what they show; cleared, they are enabled as they were.
  ASSERT_TRUE(PostClick(none) && Settle());
  EXPECT_TRUE(IsChecked(none));
  for (HWND box : modifiers) EXPECT_FALSE(::IsWindowEnabled(box)) << WindowText(box);
  EXPECT_TRUE(IsChecked(shift) && IsChecked(ctrl));
  ASSERT_TRUE(PostClick(none) && Settle());
  EXPECT_FALSE(IsChecked(none));
  for (HWND box : modifiers) EXPECT_TRUE(::IsWindowEnabled(box)) << WindowText(box);
  EXPECT_TRUE(IsChecked(shift) && IsChecked(ctrl));
  EXPECT_FALSE(IsChecked(alt) || IsChecked(win));

  ASSERT_TRUE(Confirm(dialog));
  ASSERT_TRUE(Settle());
  EXPECT_EQ(Label(2), L"Ctrl+Shift+" + enterName);
  auto block = Apply();
  ASSERT_TRUE(block);
  const ButtonAssignment& shortcut = SlotOf(*block, 2);
  EXPECT_EQ(shortcut.function, kFunctionShortcut);
  EXPECT_EQ(shortcut.eventCount, 1);
  EXPECT_EQ(int{ShortcutKey(shortcut)}, *enter);
  EXPECT_EQ(int{ShortcutModifiers(shortcut)}, kModifierShift | kModifierCtrl);
  EXPECT_EQ(SetFlags(block->flags), Flag(2));

  // Opened again it shows the slot's shortcut; None makes the modifier byte 1 alone.
  ASSERT_TRUE(Choose(2, {PlaceOf(2, Plain::kShortcut)}));
  dialog = WaitForDialog(*program_, kShortcutTitle);
  ASSERT_NE(dialog, nullptr);
  key = ::FindWindowExW(dialog, nullptr, L"Edit", nullptr);
  none = ChildButton(dialog, English(kTextModifierNone));
  shift = ChildButton(dialog, English(kTextModifierShift));
  ctrl = ChildButton(dialog, English(kTextModifierCtrl));
  EXPECT_EQ(WindowText(key), enterName);
  EXPECT_TRUE(IsChecked(shift) && IsChecked(ctrl));
  ASSERT_TRUE(PostClick(none) && Settle());
  ASSERT_TRUE(Confirm(dialog));
  ASSERT_TRUE(Settle());
  EXPECT_EQ(Label(2), enterName);
  block = Apply();
  ASSERT_TRUE(block);
  EXPECT_EQ(int{ShortcutModifiers(SlotOf(*block, 2))}, kModifierNone);
  EXPECT_EQ(int{ShortcutKey(SlotOf(*block, 2))}, *enter);

  // An injected Escape is left to the dialog, which closes as cancelled: nothing changes.
  ASSERT_TRUE(Choose(2, {PlaceOf(2, Plain::kShortcut)}));
  dialog = WaitForDialog(*program_, kShortcutTitle);
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(Settle());
  InjectKey(VK_ESCAPE);
  EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(dialog); }, kWait));
  block = Apply();
  ASSERT_TRUE(block);
  EXPECT_EQ(int{ShortcutModifiers(SlotOf(*block, 2))}, kModifierNone);
  EXPECT_EQ(SetFlags(block->flags), "none");
}

// ---- timers ------------------------------------------------------------------------------

TEST_F(OptionButtonPage, ANewTimerIsAddedAndWrittenWhileEmptyAndTakenNamesAreRefused) {
  ASSERT_TRUE(OpenPage());
  const std::string file = install_.Path("config\\Timer.ini");
  const std::vector<int> createTimer = {PlaceOf(2, Entry::kTimers), 0};
  auto openNewTimer = [&]() -> HWND {
    return Choose(2, createTimer) ? WaitForDialog(*program_, kNewTimerTitle) : nullptr;
  };
  // Name and seconds typed, the seconds committed with Enter.
  auto fill = [&](HWND dialog, const std::wstring& name, const std::wstring& seconds) {
    const HWND field = ::FindWindowExW(dialog, nullptr, L"Edit", nullptr);
    const auto boxes = Descendants(dialog, L"OrvixSkinNumberBox");
    if (!field || boxes.size() != 1) return false;
    const HWND secondsField = ::FindWindowExW(boxes[0], nullptr, L"Edit", nullptr);
    if (!SetText(field, name) || !SetText(secondsField, seconds)) return false;
    PostKeys(secondsField, VK_RETURN);
    return Settle();
  };

  HWND dialog = openNewTimer();
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(fill(dialog, L"  Tea  ", L"45"));
  ASSERT_TRUE(Confirm(dialog) && Settle());
  EXPECT_EQ(TimersInFile(install_.folder()), (std::vector<TimerEntry>{{"Tea", 45}}));
  const auto written = ReadWholeFile(file);

  // Taken (in other letters) or empty: OK leaves the dialog open, and Cancel writes nothing.
  dialog = openNewTimer();
  ASSERT_NE(dialog, nullptr);
  for (const wchar_t* name : {L"tEA", L"   "}) {
    SCOPED_TRACE(name[0] == L' ' ? "an empty name" : "a taken name");
    ASSERT_TRUE(fill(dialog, name, L"60"));
    ASSERT_TRUE(PostClick(ChildButton(dialog, English(kTextLabelOk))) && Settle());
    EXPECT_TRUE(::IsWindow(dialog) && ::IsWindowVisible(dialog)) << "OK took the name";
  }
  ASSERT_TRUE(program_->AnswerPopup(dialog, English(kTextLabelCancel)));
  ASSERT_TRUE(Settle());
  EXPECT_EQ(ReadWholeFile(file), written);

  // A second timer is appended after the first.
  dialog = openNewTimer();
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(fill(dialog, L"Pizza", L"720"));
  ASSERT_TRUE(Confirm(dialog) && Settle());
  EXPECT_EQ(TimersInFile(install_.folder()), (std::vector<TimerEntry>{{"Tea", 45}, {"Pizza", 720}}));
  // No slot was changed by any of it.
  const auto block = Apply();
  ASSERT_TRUE(block);
  EXPECT_EQ(SetFlags(block->flags), "none");
}

TEST_F(OptionButtonPage, TheTimerEditorWritesOnOkOnlyAndATimerSlotCopiesItsTimer) {
  ASSERT_TRUE(WriteFile(install_.Path("config\\Timer.ini"),
                        [] {
                          IniDocument file;
                          file.Write("Timer", "Count", "2");
                          file.Write("Timer", "0", StructOf(Timer("Tea", 45)));
                          file.Write("Timer", "1", StructOf(Timer("Pizza", 720)));
                          return file.Text();
                        }()));
  const std::string file = install_.Path("config\\Timer.ini");
  const auto before = ReadWholeFile(file);
  ASSERT_TRUE(OpenPage());

  // Cancel: the file stays as it was, even after Save in the editor.
  ASSERT_TRUE(Choose(2, {PlaceOf(2, Entry::kTimers), 1}));
  HWND editor = WaitForDialog(*program_, kTimerEditorTitle);
  ASSERT_NE(editor, nullptr);
  HWND name = ::FindWindowExW(editor, nullptr, L"Edit", nullptr);
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(WindowText(name), L"Tea");  // the first timer is chosen
  ASSERT_TRUE(SetText(name, L"Coffee"));
  ASSERT_TRUE(PostClick(ChildButton(editor, English(kTextTimerSave))) && Settle());
  ASSERT_TRUE(program_->AnswerPopup(editor, English(kTextLabelCancel)));
  ASSERT_TRUE(Settle());
  EXPECT_EQ(ReadWholeFile(file), before);

  // OK: the edited list is written.
  ASSERT_TRUE(Choose(2, {PlaceOf(2, Entry::kTimers), 1}));
  editor = WaitForDialog(*program_, kTimerEditorTitle);
  ASSERT_NE(editor, nullptr);
  name = ::FindWindowExW(editor, nullptr, L"Edit", nullptr);
  ASSERT_TRUE(SetText(name, L"Green tea"));
  ASSERT_TRUE(Confirm(editor));
  ASSERT_TRUE(Settle());
  EXPECT_EQ(TimersInFile(install_.folder()), (std::vector<TimerEntry>{{"Green tea", 45}, {"Pizza", 720}}));

  // The second timer on slot 20: its seconds and name are the slot's.
  ASSERT_TRUE(Choose(20, {PlaceOf(20, Entry::kTimers), 4}));
  EXPECT_EQ(Label(20), L"Pizza");
  const auto block = Apply();
  ASSERT_TRUE(block);
  const ButtonAssignment& timer = SlotOf(*block, 20);
  EXPECT_EQ(timer.function, kFunctionTimer);
  EXPECT_EQ(timer.timerSeconds, 720);
  EXPECT_EQ(NameText(timer.timerName, sizeof timer.timerName), "Pizza");
  EXPECT_EQ(timer.eventCount, 0);
  EXPECT_EQ(SetFlags(block->flags), Flag(20));
}

// ---- hostile files -----------------------------------------------------------------------

TEST_F(OptionButtonPage, HostileLibraryAndTimerFilesStartAndTheMenuStopsAtTheirLimits) {
  char number[8];
  // The library: a million sets claimed, 120 listed, some names unusable, one far too long.
  IniDocument library;
  library.Write("SetMacro", "number", "1000000");
  for (int i = 0; i < 120; ++i) {
    std::snprintf(number, sizeof number, "%03d", i);
    std::string name = std::string("Set ") + number;
    if (i == 5) name = "";
    if (i == 6) name = "SetMacro";
    if (i == 7) name = "set 000";
    if (i == 8) name = std::string(300, 'x');
    library.Write("SetMacro", std::to_string(i), name);
    if (i >= 98) {
      library.Write(name, "number", "1");
      library.Write(name, "0", StructOf(Macro((std::string("M") + number).c_str(), 1, {{0x04, kKeyPress, 0}})));
    }
  }
  library.Write("Set 000", "number", "1000000");
  library.Write("Set 000", "0", "ZZ");
  std::string damaged = StructOf(Macro("Damaged", 1, {}));
  damaged.back() = damaged.back() == '0' ? '1' : '0';  // the checksum no longer fits
  library.Write("Set 000", "1", damaged);
  ASSERT_TRUE(WriteFile(install_.Path("config\\Preset_sequence.dat"), library.Text()));

  // The timers: a million claimed, 60 there, two of them damaged, one name unterminated.
  IniDocument timers;
  timers.Write("Timer", "Count", "1000000");
  for (int i = 0; i < 60; ++i) {
    std::snprintf(number, sizeof number, "%02d", i);
    TimerRecord timer = Timer((std::string("Timer ") + number).c_str(), 20 + i);
    if (i == 7) std::memset(timer.name, 'n', sizeof timer.name);
    std::string text = StructOf(timer);
    if (i == 3) text = "NOTHEX";
    if (i == 4) text.back() = text.back() == '0' ? '1' : '0';
    timers.Write("Timer", std::to_string(i), text);
  }
  ASSERT_TRUE(WriteFile(install_.Path("config\\Timer.ini"), timers.Text()));

  ASSERT_TRUE(OpenPage());

  // The last timer of the menu is the file's 50th; the damaged ones are left out.
  ASSERT_TRUE(Choose(2, {PlaceOf(2, Entry::kTimers), -1}));
  EXPECT_EQ(Label(2), L"Timer 49");
  ASSERT_TRUE(Choose(7, {PlaceOf(7, Entry::kTimers), 3 + 3}));  // after Timer 00..02 comes Timer 05
  EXPECT_EQ(Label(7), L"Timer 05");
  // The last set of the menu is the hundredth listed.
  ASSERT_TRUE(Choose(8, {PlaceOf(8, Entry::kMacros), -1, 1}));
  EXPECT_EQ(Label(8), L"M099");
  const auto block = Apply();
  ASSERT_TRUE(block);
  EXPECT_EQ(SlotOf(*block, 2).timerSeconds, 69);
  EXPECT_EQ(NameText(SlotOf(*block, 8).macroSetName, sizeof(ButtonAssignment::macroSetName)), "Set 099");
  EXPECT_EQ(SetFlags(block->flags), Flag(2) + " " + Flag(7) + " " + Flag(8));
  EXPECT_TRUE(program_->Answers(5000));
}

// ---- the hover picture -------------------------------------------------------------------

TEST_F(OptionButtonPage, HoveringALayerSlotShowsThePictureOfTheHeldLayerKey) {
  ASSERT_TRUE(OpenPage());
  RECT page{};
  ::GetClientRect(page_, &page);
  if (page.right != 774) GTEST_SKIP() << "the pictures are compared at 96 DPI; the page is " << page.right << " wide";
  const std::string skin = install_.Path("Skin\\");
  const auto background = DecodePicture(skin + "page_buttons_normal@100.png");
  const auto onlyFour = DecodePicture(skin + "button_picture_26@100.png");
  const auto onlyThree = DecodePicture(skin + "button_picture_14@100.png");
  ASSERT_TRUE(background && onlyFour && onlyThree);
  ASSERT_GT(Differences(*onlyThree, *onlyFour), 0) << "the two pictures must differ for this test to tell them apart";

  // The Altlayer layer's picture area, on the screen.
  POINT corner{582, 32};
  ::ClientToScreen(page_, &corner);
  const RECT area{corner.x, corner.y, corner.x + 188, corner.y + 242};
  auto shows = [&](const Pixels& picture, int x = 0, int y = 0) {
    return PumpUntil([&] { return Differences(ScreenPixels(area), picture, x, y) == 0; }, 5000);
  };
  auto hover = [&](int slot) { return MovePointer(CentreOf(Slot(page_, slot))); };

  // The defaults hold the layer with slot 4: slot 14 shows picture 26; leaving hides it.
  ASSERT_TRUE(shows(*background, 582, 32)) << Differences(ScreenPixels(area), *background, 582, 32);
  ASSERT_TRUE(hover(14));
  EXPECT_TRUE(shows(*onlyFour)) << Differences(ScreenPixels(area), *onlyFour);
  ASSERT_TRUE(ParkPointer(program_->window()));
  EXPECT_TRUE(shows(*background, 582, 32)) << Differences(ScreenPixels(area), *background, 582, 32);

  // Slot 3 the layer key and slot 4 Click: picture 14.
  ASSERT_TRUE(Choose(3, {PlaceOf(3, Entry::kAltlayer), 0}));
  ASSERT_TRUE(Choose(4, {PlaceOf(4, Plain::kClick)}));
  ASSERT_TRUE(hover(14));
  EXPECT_TRUE(shows(*onlyThree)) << Differences(ScreenPixels(area), *onlyThree);
  ASSERT_TRUE(ParkPointer(program_->window()));
  EXPECT_TRUE(shows(*background, 582, 32)) << Differences(ScreenPixels(area), *background, 582, 32);
}

}  // namespace
}  // namespace orvix::test
